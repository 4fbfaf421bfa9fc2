// Texts the calculator shows to the user, defined once.
#pragma once

namespace calc::text {

// The one message of the whole evaluation (OK button only, no icon).
inline constexpr const char* EvaluationError =
    "An operation-undefined argument occured in input expression!";
inline constexpr const char* CalculatorTitle = "1-row calculator";

// The tooltips of the variable fields, in the Central European code page of their font.
inline constexpr const char* VariablePickTip =
    "V\xfd"
    "b\xecr prom\xecnn\xe9 k nastaven\xed"; // "Výběr proměnné k nastavení"
inline constexpr const char* VariableValueTip = "Definice prom\xecnn\xfd"
                                                "ch"; // "Definice proměnných"

} // namespace calc::text
