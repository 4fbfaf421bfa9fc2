// Preparing an expression: splitting it into tokens, replacing names by
// numbers, and reducing parenthesised groups from the innermost outwards.
#pragma once

#include "calc/evaluator.h"
#include "calc/token_list.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace calc {

// Fills lstMath with "(", the tokens of text and ")". With usePreviousResult
// (the "Use previous result as argument" box) previousResult is appended
// unchanged as the last token before ")". Tokenizing stops once the list has
// grown beyond kMaxPosition items, which ReduceGroups refuses anyway.
void TokenizeExpression(TokenList& lstMath, std::string_view text, bool usePreviousResult,
                        std::string_view previousResult);

// Replaces the tokens RND, X, Y, Z, PI, E and G (any case, whole tokens only)
// by numbers. nextRandom draws a number from [0, 1) for each RND.
void SubstituteNames(TokenList& lstMath, const std::array<double, 3>& Variables,
                     const std::function<float()>& nextRandom);

// Reduces lstMath group by group until item 0 holds the expression's value.
// evaluateGroup is called once per group with the group laid out in lstMathx and
// returns its value as text. A list longer than the 16-bit positions allow is
// not evaluated: the error is reported and item 0 becomes empty.
void ReduceGroups(TokenList& lstMath, TokenList& lstMathx,
                  const std::function<std::string()>& evaluateGroup,
                  const ErrorReporter& reportError);

} // namespace calc
