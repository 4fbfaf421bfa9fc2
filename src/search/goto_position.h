// The go-to computations: the offset of a line by its number, reading the number typed into
// the input box, and the start of the longest line.
#pragma once
#include <functional>
#include <optional>
#include <string_view>

namespace search {

// The answer of the input box as a number under the user's decimal separator: optional
// blanks, an optional sign, digits with at most one separator. Nothing when it is no number.
std::optional<double> ReadGotoNumber(std::string_view answer, std::string_view decimal);

// The offset of the first character of line `number` (1-based; only CR LF ends a line), or
// nothing when the text has fewer lines or the number is no whole number.
std::optional<int> LineStartOffset(std::string_view text, double number);

// The offset GoTo pos goes to: the number rounded half to even, or nothing beyond the text.
std::optional<int> PositionOffset(int textLength, double number);

// The start of the longest line, walking from line start to line start as the edit control's
// line lengths give them (each line taken to end in a two-character break); the first of equal
// lines wins.
int LongestLineStart(int textLength, const std::function<int(int offset)>& lineLength);

} // namespace search
