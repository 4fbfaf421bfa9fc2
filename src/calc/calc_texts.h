// Texts the calculator shows to the user, defined once.
#pragma once

#include <string_view>

namespace calc {

// The one message of the whole evaluation (OK button only, no icon).
inline constexpr std::string_view kEvaluationErrorText =
    "An operation-undefined argument occured in input expression!";
inline constexpr std::string_view kCalculatorTitle = "1-row calculator";

} // namespace calc
