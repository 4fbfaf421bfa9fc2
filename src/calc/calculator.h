// The calculator's state and its one Calculate step, without any window: the
// window passes in what its controls hold and binds the error to its message box.
#pragma once

#include "calc/evaluator.h"
#include "calc/token_list.h"

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace calc {

class Calculator {
  public:
    // randomSeed seeds the generator behind RND once (the window passes the
    // seconds since midnight); reportError shows the evaluation's message.
    Calculator(std::uint32_t randomSeed, ErrorReporter reportError);

    // Tokenizes, substitutes and reduces expression; returns the value with its
    // leading blanks removed ("7", "-3", ".5"), or an empty text after an error.
    std::string Calculate(std::string_view expression, bool usePreviousResult,
                          std::string_view previousResult);

    // The next RND number, single precision from [0, 1).
    float NextRandom();

    TokenList lstMath;
    TokenList lstMathx;
    std::array<double, 3> Variables{}; // X, Y, Z
    SweepSpan sweepSpan = SweepSpan::GroupItems;

  private:
    std::mt19937 random_;
    ErrorReporter reportError_;
};

} // namespace calc
