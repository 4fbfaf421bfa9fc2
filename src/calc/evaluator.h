// Reduces one parenthesis-free group of tokens to its value by applying the
// operator table level by level, each level in one right-to-left sweep.
#pragma once

#include "calc/token_list.h"

#include <functional>
#include <string>

namespace calc {

// Shows the calculator's error message; the window binds it to its message box.
using ErrorReporter = std::function<void()>;

// Which positions each level's sweep visits. WholeExpression starts every sweep
// at the token list's item count, as the evaluation was first written; the
// positions beyond the group's own items are empty and match nothing, so
// GroupItems, which starts at the group's last item, gives identical results.
enum class SweepSpan { GroupItems, WholeExpression };

// Evaluates lstMathx ("0", "+" or a sign, the group's tokens, "0") and returns
// its final item 0 as text (" 7", "-3"). lstMathCount is the item count of the
// whole token list. On any arithmetic failure reports the error once and
// returns an empty text, leaving lstMathx as far as it got.
std::string EvaluateGroup(TokenList& lstMathx, int lstMathCount, const ErrorReporter& reportError,
                          SweepSpan span = SweepSpan::GroupItems);

} // namespace calc
