// Texts the calculator shows to the user, defined once.
#pragma once

#include <string_view>

namespace calc {

// The one message of the whole evaluation (OK button only, no icon).
inline constexpr std::string_view kEvaluationErrorText =
    "An operation-undefined argument occured in input expression!";
inline constexpr std::string_view kCalculatorTitle = "1-row calculator";

// The tooltips of the variable fields, in the Central European code page of their font.
inline constexpr std::string_view kVariablePickTip =
    "V\xfd"
    "b\xecr prom\xecnn\xe9 k nastaven\xed"; // "Výběr proměnné k nastavení"
inline constexpr std::string_view kVariableValueTip = "Definice prom\xecnn\xfd"
                                                      "ch"; // "Definice proměnných"

} // namespace calc
