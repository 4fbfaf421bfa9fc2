// Replace as one edit: the text that replacing the checked matches one by one, from the last
// listed to the first, would leave, and where the caret would end.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace search {

struct ReplacePlan {
    int count = 0; // replacements made
    int start = 0; // the changed span of the old text: [start, start + length)
    int length = 0;
    std::string with;   // what the span becomes
    int caret = 0;      // after the replacement of the last one made (the first in the text)
    std::string result; // the whole new text
};

// `offsets` in the order the replacements are made (the list's checked match lines from the
// last to the first). Each one selects `findLength` characters at its offset, as the edit
// control would (the start and the length kept within the text), and puts `replacement` there.
ReplacePlan PlanReplace(std::string_view text, const std::vector<std::intptr_t>& offsets,
                        int findLength, std::string_view replacement);

// The length of the text that PlanReplace would make, found without making it: whether the
// result fits in a document is known before any of it is built.
long long ReplacedLength(int textLength, const std::vector<std::intptr_t>& offsets, int findLength,
                         int replacementLength);

} // namespace search
