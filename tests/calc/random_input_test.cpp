// Seeded random expressions: the evaluation must finish without faults on any
// input, and sweeping only each group's own items must give exactly what the
// sweep up to the whole token list's count gives.
#include "calc/calculator.h"
#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace calc {
namespace {

const char* const kVocabulary[] = {
    "0",    "1",     "2",     "3.5",        "1e3",   "1e-3",  "-2",     "1e308", "1e999", "&H1F",
    ".5",   "170",   "40",    "2147483648", "x",     "Y",     "pi",     "e",     "G",     "rnd",
    "abc",  "(",     "(",     "(",          ")",     ")",     ")",      "-",     "+",     "*",
    "/",    ":",     "\\",    "_",          "^",     "%",     "!",      "'",     ",",     "MOD",
    "mod",  "NOT",   "AND",   "OR",         "XOR",   "EQV",   "IMP",    "NA",    "L2",    "LN",
    "TG",   "ABS",   "ATG",   "ATN",        "COS",   "EXP",   "FIX",    "INT",   "LOG",   "SGN",
    "sin",  "SQR",   "TAN",   "TGH",        "ACOS",  "ASIN",  "ATGH",   "COSH",  "COTG",  "SINH",
    "SQRT", "ROUND", "ACOSH", "ACOTG",      "ASINH", "COTGH", "ACOTGH", "",
};

std::string RandomExpression(std::mt19937& random) {
    std::uniform_int_distribution<size_t> pick(0, std::size(kVocabulary) - 1);
    const int length = std::uniform_int_distribution<int>(0, 40)(random);
    std::string expression;
    for (int i = 0; i < length; ++i) {
        expression += kVocabulary[pick(random)];
        // Mostly blanks between tokens; sometimes none, so neighbours run together.
        if (random() % 4 != 0) expression += ' ';
    }
    return expression;
}

std::string RandomBytes(std::mt19937& random) {
    const int length = std::uniform_int_distribution<int>(0, 200)(random);
    std::string bytes;
    for (int i = 0; i < length; ++i)
        bytes += static_cast<char>(random() % 256);
    return bytes;
}

// Without an error the result is a number exactly as the calculator writes it.
void ExpectWellFormed(const std::string& result, int errors, const std::string& expression) {
    if (errors > 0) return;
    const auto value = ReadNumber(result);
    ASSERT_TRUE(value.has_value()) << expression;
    const std::string written = NumberText(*value);
    EXPECT_EQ(written.substr(written[0] == ' ' ? 1 : 0), result) << expression;
}

TEST(RandomInput, GroupItemsSweepMatchesWholeExpressionSweep) {
    std::mt19937 random(20240601);
    int fast = 0, reference = 0;
    Calculator calculator(7, [&] { ++fast; });
    Calculator whole(7, [&] { ++reference; });
    whole.sweepSpan = SweepSpan::WholeExpression;
    calculator.Variables = whole.Variables = {2.5, -1, 0};
    int failures = 0;
    for (int i = 0; i < 3000; ++i) {
        const std::string expression = RandomExpression(random);
        const bool usePrevious = random() % 4 == 0;
        const std::string previous = usePrevious ? RandomExpression(random) : "";
        fast = reference = 0;
        const std::string result = calculator.Calculate(expression, usePrevious, previous);
        EXPECT_EQ(whole.Calculate(expression, usePrevious, previous), result) << expression;
        EXPECT_EQ(fast, reference) << expression;
        EXPECT_EQ(calculator.lstMath.Items(), whole.lstMath.Items()) << expression;
        EXPECT_EQ(calculator.lstMathx.Items(), whole.lstMathx.Items()) << expression;
        ExpectWellFormed(result, fast, expression);
        failures += fast > 0;
    }
    // The vocabulary is rich enough to reach both outcomes often.
    EXPECT_GT(failures, 100);
    EXPECT_LT(failures, 2900);
}

TEST(RandomInput, RandomBytesEvaluateWithoutFaults) {
    std::mt19937 random(99);
    int errors = 0;
    Calculator calculator(3, [&] { ++errors; });
    for (int i = 0; i < 3000; ++i) {
        const std::string expression = RandomBytes(random);
        errors = 0;
        const std::string result =
            calculator.Calculate(expression, i % 2 == 0, RandomBytes(random));
        ExpectWellFormed(result, errors, expression);
    }
}

} // namespace
} // namespace calc
