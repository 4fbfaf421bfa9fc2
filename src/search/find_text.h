// The search through a text: the next occurrence of a find text, with or without case, and the
// whole-word test. Positions are 0-based offsets.
#pragma once
#include <array>
#include <string_view>

namespace search {

// The lower-case form of each of the 256 single-byte characters, under the user's locale.
using CaseFold = std::array<unsigned char, 256>;

// Word characters are exactly the ASCII digits and letters; everything else is a boundary.
constexpr bool IsWordChar(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// True when the occurrence at `offset` of `length` characters has a boundary on both sides
// (the start and the end of the text are boundaries).
bool IsWholeWord(std::string_view text, int offset, int length);

// The offset of the first occurrence of `what` in `text` at or after `from`, or -1. An empty
// `what` is never found. `fold` is used when `matchCase` is false.
int FindFrom(std::string_view text, std::string_view what, int from, bool matchCase,
             const CaseFold& fold);

// The find dialog's options.
struct FindOptions {
    bool wholeWord = false;
    bool matchCase = false;
};

} // namespace search
