// The calculator's maths against values computed with 2000-bit arithmetic, in both builds: the
// Windows build runs the real program's code and runtime, whose maths differed from the host's.
#include "calc/calculator.h"
#include "calc/maths_cases.h"
#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

namespace calc {
namespace {

// What the calculator shows for a value: its number text without the leading blank.
std::string Shown(double value) {
    const std::string text = NumberText(value);
    return text[0] == ' ' ? text.substr(1) : text;
}

TEST(CalculatorMaths, SweepGivesTheCorrectlyRoundedDigits) {
    int wrong = 0;
    for (const auto& c : maths_cases::kCases) {
        Calculator calculator(1, [] {});
        const std::string result = calculator.Calculate(c.expression, false, "");
        if (result != Shown(c.expected) && ++wrong <= 20)
            ADD_FAILURE() << c.expression << " gives " << result << ", not " << Shown(c.expected);
    }
    EXPECT_EQ(wrong, 0) << "of " << std::size(maths_cases::kCases);
}

} // namespace
} // namespace calc
