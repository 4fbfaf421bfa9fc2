// The whole Calculate step over the calculator's lists.
#include "calc/calculator.h"

#include "calc/expression.h"

#include <algorithm>

namespace calc {

Calculator::Calculator(std::uint32_t randomSeed, ErrorReporter reportError)
    : random_(randomSeed), reportError_(std::move(reportError)) {}

float Calculator::NextRandom() {
    // 24 random bits: every value is exact in single precision and below 1.
    return static_cast<float>(random_() >> 8) / 16777216.0f;
}

std::string Calculator::Calculate(std::string_view expression, bool usePreviousResult,
                                  std::string_view previousResult) {
    TokenizeExpression(lstMath, expression, usePreviousResult, previousResult);
    SubstituteNames(lstMath, Variables, [this] { return NextRandom(); });
    ReduceGroups(
        lstMath, lstMathx,
        [this] { return EvaluateGroup(lstMathx, lstMath.Count(), reportError_, sweepSpan); },
        reportError_);
    const std::string& result = lstMath.Item(0);
    return result.substr(std::min(result.find_first_not_of(' '), result.size()));
}

} // namespace calc
