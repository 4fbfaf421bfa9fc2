// How the calculator writes numbers as text and reads text as numbers, the same
// whatever the user's regional settings.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace calc {

// A leading blank for values of 0 and above, "-" below; "." as the decimal point
// and no digit before it below 1 (" .5", "-.25"); at most 15 significant digits,
// the exponent form outside 1E-05 .. 1E+15 (" 1E+20", " 1.5E-07").
std::string NumberText(double value);

// The same for a single-precision value, with at most 7 significant digits and
// the exponent form from 1E+07 on.
std::string SingleText(float value);

// Reads the longest leading number of text: blanks, tabs and line feeds are
// skipped wherever they stand, "." is the decimal point, an exponent may follow
// with "E" or "D" and a sign, "&H" and "&O" introduce hexadecimal and octal
// digits. Anything after the number is ignored; text that does not begin with a
// number reads as 0. Returns nothing when the number is too large for a double.
std::optional<double> ReadNumber(std::string_view text);

} // namespace calc
