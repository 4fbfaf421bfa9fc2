// Whole calculations: the operator levels, every operator and function, the
// error trap, and the worked examples of the calculator's language.
#include "calc/calculator.h"
#include "calc/operators.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace calc {
namespace {

struct Outcome {
    std::string result;
    int errors = 0;
};

Outcome Evaluate(std::string_view expression, bool usePrevious = false,
                 std::string_view previous = "") {
    Outcome outcome;
    Calculator calculator(1, [&] { ++outcome.errors; });
    outcome.result = calculator.Calculate(expression, usePrevious, previous);
    return outcome;
}

struct Case {
    const char* expression;
    const char* result;
};

void ExpectResults(const std::vector<Case>& cases) {
    for (const auto& c : cases) {
        const Outcome outcome = Evaluate(c.expression);
        EXPECT_EQ(outcome.result, c.result) << c.expression;
        EXPECT_EQ(outcome.errors, 0) << c.expression;
    }
}

TEST(Operators, LevelsHoldTheirEntriesInSlotOrder) {
    const char* expected[kOperatorLevels] = {
        "IMP",
        "EQV",
        "XOR",
        "OR +",
        "AND / :",
        "NOT",
        "-",
        "*",
        "\\",
        "MOD",
        "^",
        ("L2 LN NA TG ABS ATG ATN COS EXP FIX INT LOG SGN SIN SQR TAN TGH ACOS ASIN ATGH COSH "
         "COTG SINH SQRT ROUND ACOSH ACOTG ASINH COTGH ACOTGH"),
        "% '",
        "_",
        "!"};
    for (int level = 0; level < kOperatorLevels; ++level) {
        std::string names;
        bool gap = false;
        for (const Operator& op : Operators()[static_cast<size_t>(level)]) {
            if (op.name.empty()) {
                gap = true;
                continue;
            }
            EXPECT_FALSE(gap) << "entry after an empty slot on level " << level;
            if (!names.empty()) names += ' ';
            names += op.name;
        }
        EXPECT_EQ(names, expected[level]) << "level " << level;
    }
}

TEST(Calculator, LevelsDecideBeforePositionAndOneLevelGroupsFromTheRight) {
    ExpectResults({
        {"2*(3+4)", "14"},
        {"10-2-3", "11"},
        {"8/4/2", "4"},
        {"2^3^2", "512"},
        {"8-4/2", "2"},
        {"12/4*3", "1"},
        {"1+2*3-4/2", "2"},
        {"2+3*4", "14"},
        {"7\\2*2", "6"},
        {"2*3 MOD 4", "6"},
        {"1 OR 2 + 4", "7"},
        {"NOT 5 AND 3", "2"},
        {"SIN COS 0", ".841470984807897"},
        {"2^3!", "64"},
        {"-3!", "-6"},
        {"3_4^2", ".5625"},
        {"200*5%", "10"},
    });
}

TEST(Calculator, SignsAndMissingOperands) {
    ExpectResults({
        {"-5", "-5"},
        {"+5", "5"},
        {"2*-3", "0"},
        {"2*(-3)", "-6"},
        {"2^-1", "1"},
        {"2^(-1)", ".5"},
        {"ROUND -2.5", "0"},
        {"ABS -3", "0"},
        {"ABS(-3)", "3"},
        {"", "0"},
        {"()", "0"},
        {"5 -", "5"},
        {"* 5", "0"},
    });
}

TEST(Calculator, TokensAndGroupsAsTyped) {
    ExpectResults({
        {"E-1", "0"},
        {"E - 1", "1.71828182845905"},
        {"1e-3", ".001"},
        {"1E+3*2", "2000"},
        {"1,5", "1"},
        {"2(3)", "2"},
        {"2*(3+4", "14"},
        {"(2+3))*4", "5"},
        {"((((((1+1", "2"},
        {")))", "0"},
        {"pi", "3.14159265358978"},
        {"Pi*2", "6.28318530717956"},
        {"2pi", "2"},
        {"g", "9.81"},
        {"&H10 + &o10", "24"},
        {"&H1000000000000081-&H1000000000000000", "256"},
        {"&H34D23169B6CFA94", "2.37884935324368E+17"},
    });
}

TEST(Calculator, EveryOperatorAndFunction) {
    ExpectResults({
        {"5!", "120"},
        {"0!", "1"},
        {"(-3)!", "1"},
        {"4.5!", "24"},
        {"170!", "7.25741561530799E+306"},
        {"1_2", ".5"},
        {"50%", ".5"},
        {"180'", "3.14159265358978"},
        {"SIN 30'", ".499999999999998"},
        {"L2 8", "3"},
        {"LN 1", "0"},
        {"LN E", "1"},
        {"2 NA 3", "8"},
        {"2 na 0.5", "1.4142135623731"},
        {"TG 0", "0"},
        {"TAN 1", "1.5574077246549"},
        {"ABS(-2.5)", "2.5"},
        {"ATG 1", ".785398163397448"},
        {"ATN 1", ".785398163397448"},
        {"COS 0", "1"},
        {"EXP 1", "2.71828182845905"},
        {"FIX(-2.7)", "-2"},
        {"INT(-2.7)", "-3"},
        {"INT 2.7", "2"},
        {"LOG 1000", "3"},
        {"SGN(-4)", "-1"},
        {"SGN 0", "0"},
        {"SGN 0.1", "1"},
        {"SIN 30", "-.988031624092862"},
        {"sin(30)", "-.988031624092862"},
        {"Sin 30", "-.988031624092862"},
        {"SQR 16", "4"},
        {"SQRT 2", "1.4142135623731"},
        {"TGH 1", ".761594155955765"},
        {"ACOS 0", "1.5707963267949"},
        {"ACOS 0.5", "1.0471975511966"},
        {"ASIN 0.5", ".523598775598299"},
        {"ATGH 0.5", ".549306144334055"},
        {"COSH 1", "1.54308063481524"},
        {"COTG 1", ".642092615934331"},
        {"SINH 1", "1.1752011936438"},
        {"ROUND 2.5", "3"},
        {"ROUND(-2.7)", "-2"},
        {"ACOSH 1", "0"},
        {"ACOSH 2", "1.31695789692482"},
        {"ACOTG 0", "1.5707963267949"},
        {"ASINH 1", ".881373587019543"},
        {"COTGH 1", "1.31303528549933"},
        {"ACOTGH 2", ".549306144334055"},
        {"2^0.5", "1.4142135623731"},
        {"(-2)^3", "-8"},
        {"0^0", "1"},
        {"7.5 MOD 2", "0"},
        {"6.5 MOD 4", "2"}, // 6.5 rounds to the even 6
        {"(-7) MOD 3", "-1"},
        {"17 MOD (-5)", "2"},
        {"(-2147483648) MOD (-1)", "0"},
        {"7\\2", "3"},
        {"-7\\2", "-3"},
        {"7.5\\2.5", "3"}, // of the exact quotient, not of rounded operands
        {"2*3", "6"},
        {"10-2.5", "7.5"},
        {"NOT 0", "-1"},
        {"NOT 2147483647", "-2147483648"},
        {"5 AND 3", "1"},
        {"10 / 4", "2.5"},
        {"10 : 4", "2.5"},
        {"5 OR 2", "7"},
        {"6 XOR 3", "5"},
        {"0 IMP 0", "-1"},
        {"1 IMP 0", "-2"},
        {"5 EQV 5", "-1"},
        {"3 EQV 5", "-7"},
        {"0.1+0.2", ".3"},
        {"1e15*10", "1E+16"},
    });
}

TEST(Calculator, EachFailureShowsTheMessageAndEmptiesTheGroup) {
    const std::string failing[] = {
        "1/0",
        "0/0",
        "1:0",
        "1_0",
        "5\\0",
        "5 MOD 0",
        "17 MOD -5",
        "SQR(-1)",
        "SQRT(-4)",
        "LN 0",
        "LN(-1)",
        "LOG 0",
        "L2 0",
        "COTG 0",
        "ASIN 1",
        "ACOS 1",
        "ACOS(-1)",
        "ATGH 1",
        "ATGH(-1)",
        "ACOTGH 1",
        "ACOSH 0.5",
        "(-8)^0.5",
        "(-8) NA 0.5",
        "0^(-1)",
        "171!",
        "1e999!",
        "1e308*10",
        "1e308+1e308",
        "(-1e308)-1e308",
        "EXP 1000",
        "COSH 1000",
        "SINH 1000",
        "TGH 1000",
        "COTGH 1000",
        "ACOSH 1e200",
        "ASINH 1e200",
        "10^400",
        "2147483647.5 AND 1",
        "NOT 1e10",
        "(-2147483648.6) OR 0",
        "1e999",
        "5 ! 1e999",
        "&H" + std::string(300, 'F'), // too large for a double
    };
    for (const std::string& expression : failing) {
        const Outcome outcome = Evaluate(expression);
        EXPECT_EQ(outcome.result, "") << expression;
        EXPECT_EQ(outcome.errors, 1) << expression;
    }
}

TEST(Calculator, TheMessageComesOncePerFailingGroupAndReductionGoesOn) {
    const struct {
        const char* expression;
        const char* result;
        int errors;
    } cases[] = {
        {"(1/0)+(1/0)", "0", 2}, // each failed group reads as 0 in the enclosing one
        {"2+(1/0)", "2", 1},          {"(1/0)/0", "", 2},   // the enclosing group fails again
        {"(1/0)+(LN 0)*3+1", "1", 2}, {"1/0 + 1/0", "", 1}, // one group stops at its first failure
    };
    for (const auto& c : cases) {
        const Outcome outcome = Evaluate(c.expression);
        EXPECT_EQ(outcome.result, c.result) << c.expression;
        EXPECT_EQ(outcome.errors, c.errors) << c.expression;
    }
}

TEST(Calculator, UsesThePreviousResultAsTheLastOperand) {
    const struct {
        const char* expression;
        const char* previous;
        const char* result;
    } cases[] = {
        {"2*", "5", "10"}, {"sqr", "5", "2.23606797749979"}, {"sqr", "14", "3.74165738677394"},
        {"1+", "", "1"}, // after a failure the empty result reads as 0
        {"-", "-3", "3"},  {"2*", "1E+20", "2E+20"},
    };
    for (const auto& c : cases) {
        const Outcome outcome = Evaluate(c.expression, true, c.previous);
        EXPECT_EQ(outcome.result, c.result) << c.expression << " with " << c.previous;
        EXPECT_EQ(outcome.errors, 0);
    }
    EXPECT_EQ(Evaluate("2*", false, "5").result, "0");
}

TEST(Calculator, VariablesAndRandomNumbers) {
    int errors = 0;
    Calculator calculator(42, [&] { ++errors; });
    calculator.Variables = {1.5, 2.5, -4};
    EXPECT_EQ(calculator.Calculate("y*2", false, ""), "5");
    EXPECT_EQ(calculator.Calculate("X+Y+Z", false, ""), "0");
    EXPECT_EQ(calculator.Calculate("-z", false, ""), "4");
    EXPECT_EQ(calculator.Calculate("xy", false, ""), "0");

    // Every RND draws anew, within [0, 1), and the same seed repeats the draws.
    Calculator same(42, [&] { ++errors; });
    std::vector<std::string> draws;
    for (int i = 0; i < 200; ++i)
        draws.push_back(calculator.Calculate("RND", false, ""));
    for (const std::string& draw : draws) {
        EXPECT_EQ(same.Calculate("Rnd", false, ""), draw);
        const double value = std::stod(draw);
        EXPECT_GE(value, 0);
        EXPECT_LT(value, 1);
    }
    int equalPairs = 0;
    for (int i = 0; i < 200; ++i)
        equalPairs += calculator.Calculate("rnd-RND", false, "") == "0";
    EXPECT_LT(equalPairs, 5);
    EXPECT_EQ(errors, 0);
}

TEST(Calculator, LongExpressionsUpToTheSixteenBitLimit) {
    std::string sum = "1";
    // 16382 ones and 16381 "+" with the two outer parentheses make 32765 tokens.
    for (int i = 1; i < 16382; ++i)
        sum += "+1";
    Outcome outcome = Evaluate(sum);
    EXPECT_EQ(outcome.result, "16382");
    EXPECT_EQ(outcome.errors, 0);

    outcome = Evaluate(sum + "+1+1");
    EXPECT_EQ(outcome.result, "");
    EXPECT_EQ(outcome.errors, 1);

    const std::string nested = std::string(2000, '(') + "2" + std::string(2000, ')');
    outcome = Evaluate(nested);
    EXPECT_EQ(outcome.result, "2");
    EXPECT_EQ(outcome.errors, 0);

    outcome = Evaluate(std::string(20000, '('));
    EXPECT_EQ(outcome.result, "0");
    for (const std::string& huge :
         {std::string(40000, '('), std::string(1'000'000, '+'), std::string(1'000'000, '7')}) {
        outcome = Evaluate(huge);
        EXPECT_EQ(outcome.result, "");
        EXPECT_EQ(outcome.errors, 1);
    }
}

} // namespace
} // namespace calc
