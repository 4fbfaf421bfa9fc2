// Small text helpers shared by the document procedures. Positions are 1-based in the
// system's own terms; here the helpers take and return whole texts.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace core {

// The text from one character after the start of the last occurrence of `separator` to the
// end; empty when the separator does not occur. With "\r\n" the result begins with "\n".
std::string TextAfterLast(std::string_view text, std::string_view separator);

// The text up to and including the first character of the last occurrence of `separator`;
// the whole text when it does not occur.
std::string TextUpToLast(std::string_view text, std::string_view separator);

inline std::int64_t LargerOf(std::int64_t a, std::int64_t b) {
    return a > b ? a : b;
}

} // namespace core
