// Replacements are made on a copy of the text: directly when the offsets run downwards without
// overlapping (the usual case, one pass), otherwise one by one as the control would make them.
#include "search/replace_plan.h"

#include <algorithm>

namespace search {

namespace {

bool Descending(std::string_view text, const std::vector<std::intptr_t>& offsets, int findLength) {
    std::intptr_t limit = static_cast<std::intptr_t>(text.size());
    for (std::intptr_t offset : offsets) {
        if (offset < 0 || offset + findLength > limit) return false;
        limit = offset;
    }
    return true;
}

} // namespace

long long ReplacedLength(int textLength, const std::vector<std::intptr_t>& offsets, int findLength,
                         int replacementLength) {
    // Each replacement selects what the control would select at that point, the start and the
    // length kept within the text as it then is.
    long long length = textLength;
    for (std::intptr_t offset : offsets) {
        const long long start = std::clamp<long long>(offset, 0, length);
        length += replacementLength - std::clamp<long long>(findLength, 0, length - start);
    }
    return length;
}

ReplacePlan PlanReplace(std::string_view text, const std::vector<std::intptr_t>& offsets,
                        int findLength, std::string_view replacement) {
    ReplacePlan plan;
    plan.count = static_cast<int>(offsets.size());
    if (offsets.empty()) {
        plan.result = text;
        return plan;
    }
    const int oldLength = static_cast<int>(text.size());
    if (Descending(text, offsets, findLength)) {
        const int low = static_cast<int>(offsets.back());
        const int high = static_cast<int>(offsets.front()) + findLength;
        plan.start = low;
        plan.length = high - low;
        for (auto it = offsets.rbegin(); it != offsets.rend(); ++it) {
            plan.with += replacement;
            auto next = it + 1;
            const size_t after = static_cast<size_t>(*it + findLength);
            if (next != offsets.rend())
                plan.with += text.substr(after, static_cast<size_t>(*next) - after);
        }
        plan.caret = low + static_cast<int>(replacement.size());
        plan.result.reserve(text.size() - plan.length + plan.with.size());
        plan.result.append(text.substr(0, static_cast<size_t>(low)));
        plan.result += plan.with;
        plan.result.append(text.substr(static_cast<size_t>(high)));
        return plan;
    }

    // One by one, with the control's clamping.
    std::string t(text);
    int low = oldLength;
    for (std::intptr_t offset : offsets) {
        const int length = static_cast<int>(t.size());
        const int start = static_cast<int>(std::clamp<std::intptr_t>(offset, 0, length));
        const int selected = std::clamp(findLength, 0, length - start);
        t.replace(static_cast<size_t>(start), static_cast<size_t>(selected), replacement);
        plan.caret = start + static_cast<int>(replacement.size());
        low = std::min(low, start);
    }
    // Nothing in front of the lowest start changed; the span reaches as far as the texts
    // differ at their ends, and always over at least the characters of the last selection.
    int suffix = 0;
    const int newLength = static_cast<int>(t.size());
    while (suffix < oldLength - low && suffix < newLength - low &&
           text[static_cast<size_t>(oldLength - 1 - suffix)] ==
               t[static_cast<size_t>(newLength - 1 - suffix)])
        ++suffix;
    const int minimum = std::min(findLength, oldLength - low);
    suffix = std::min(suffix, oldLength - low - minimum);
    plan.start = low;
    plan.length = oldLength - low - suffix;
    plan.with = t.substr(static_cast<size_t>(low), static_cast<size_t>(newLength - low - suffix));
    plan.result = std::move(t);
    return plan;
}

} // namespace search
