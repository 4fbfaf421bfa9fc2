// Tokenizer, name substitution and group reduction, each on its own.
#include "calc/expression.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace calc {
namespace {

using Tokens = std::vector<std::string>;

TEST(TokenList, ReadingPastEitherEndYieldsEmptyText) {
    TokenList list;
    list.Append("a");
    list.Append("b");
    EXPECT_EQ(list.Item(1), "b");
    EXPECT_EQ(list.Item(2), "");
    EXPECT_EQ(list.Item(-1), "");
    EXPECT_THROW(list.Replace(2, "x"), std::out_of_range);
    EXPECT_THROW(list.Remove(-1), std::out_of_range);
    list.Append("c");
    list.RemoveFrom(1, 5); // stops at the end
    EXPECT_EQ(list.Items(), Tokens{"a"});
}

TEST(TokenizeExpression, SplitsAtSeparators) {
    const struct {
        const char* text;
        Tokens tokens;
    } cases[] = {
        {"", {"(", ")"}},
        {"2*(3+4)", {"(", "2", "*", "(", "3", "+", "4", ")", ")"}},
        {"sin 30'", {"(", "sin", "30", "'", ")"}},
        {"2pi", {"(", "2pi", ")"}},
        {"1,5", {"(", "1", "5", ")"}},
        {"  a  ,, b ", {"(", "a", "b", ")"}},
        {"-5", {"(", "-", "5", ")"}},
        {"1e-5+1E+2", {"(", "1e-5", "+", "1E+2", ")"}},
        {"E-1", {"(", "E-1", ")"}},
        {"E - 1", {"(", "E", "-", "1", ")"}},
        {"1d-2", {"(", "1d", "-", "2", ")"}},
        {"e", {"(", "e", ")"}},
        {"-+", {"(", "-", "+", ")"}},
        {"a\\b:c_d^e%f!g'h/i",
         {"(", "a", "\\", "b", ":", "c", "_", "d", "^", "e", "%", "f", "!", "g", "'", "h", "/", "i",
          ")"}},
        {"e+f*e-", {"(", "e+f", "*", "e-", ")"}},
        {"7 MOD 2", {"(", "7", "MOD", "2", ")"}},
        {"1\t2", {"(", "1\t2", ")"}}, // only blank and comma separate silently
        {"((", {"(", "(", "(", ")"}},
    };
    TokenList list;
    for (const auto& c : cases) {
        TokenizeExpression(list, c.text, false, "ignored");
        EXPECT_EQ(list.Items(), c.tokens) << c.text;
    }
}

TEST(TokenizeExpression, AppendsThePreviousResultUnchanged) {
    TokenList list;
    TokenizeExpression(list, "2*", true, "-3.5");
    EXPECT_EQ(list.Items(), (Tokens{"(", "2", "*", "-3.5", ")"}));
    TokenizeExpression(list, "sqr", true, "");
    EXPECT_EQ(list.Items(), (Tokens{"(", "sqr", "", ")"}));
}

TEST(TokenizeExpression, StopsSoonAfterTheSixteenBitLimit) {
    TokenList list;
    TokenizeExpression(list, std::string(1'000'000, '+'), true, "5");
    EXPECT_GT(list.Count(), kMaxPosition);
    EXPECT_LE(list.Count(), kMaxPosition + 3);
    EXPECT_EQ(list.Item(list.Count() - 1), ")");
}

TEST(SubstituteNames, ReplacesWholeNamesInAnyCase) {
    TokenList list;
    for (const char* token :
         {"(", "x", "Y", "z", "pi", "Pi", "PI", "e", "G", "2pi", "xy", "rnd", "RND", "g1", ")"})
        list.Append(token);
    std::vector<float> draws = {0.25f, 0.7055475f};
    size_t drawn = 0;
    SubstituteNames(list, {2.5, -1, 0}, [&] { return draws.at(drawn++); });
    EXPECT_EQ(list.Items(), (Tokens{"(", " 2.5", "-1", " 0", "3.14159265358978", "3.14159265358978",
                                    "3.14159265358978", "2.71828182845905", "9.81", "2pi", "xy",
                                    " .25", " .7055475", "g1", ")"}));
    EXPECT_EQ(drawn, 2u);
}

// Records each group that ReduceGroups lays out and answers with a fixed text.
struct GroupRecorder {
    TokenList* lstMathx;
    std::vector<Tokens> groups;
    std::vector<std::string> answers;
    std::string operator()() {
        groups.push_back(lstMathx->Items());
        return answers.at(groups.size() - 1);
    }
};

TEST(ReduceGroups, ReducesInnermostFirstAndSiblingsFromTheRight) {
    const struct {
        Tokens tokens;
        std::vector<Tokens> groups;
        Tokens remaining;
    } cases[] = {
        {{"(", "2", "*", "(", "3", "+", "4", ")", ")"},
         {{"0", "+", "3", "+", "4", "0"}, {"0", "+", "2", "*", "r0", "0"}},
         {"r1"}},
        {{"(", "(", "1", ")", "+", "(", "2", ")", ")"},
         {{"0", "+", "2", "0"}, {"0", "+", "1", "0"}, {"0", "+", "r1", "+", "r0", "0"}},
         {"r2"}},
        // A leading sign is kept and no "+" is inserted.
        {{"(", "-", "5", ")"}, {{"0", "-", "5", "0"}}, {"r0"}},
        {{"(", "+", "5", ")"}, {{"0", "+", "5", "0"}}, {"r0"}},
        // Empty group.
        {{"(", "(", ")", ")"}, {{"0", "+", "0"}, {"0", "+", "r0", "0"}}, {"r1"}},
        // A missing ")" runs the group to the end of the list.
        {{"(", "2", "*", "(", "3", ")"},
         {{"0", "+", "3", "0"}, {"0", "+", "2", "*", "r0", "0"}},
         {"r1"}},
        // A surplus ")" closes the outer group early; the rest stays behind item 0.
        {{"(", "(", "5", ")", ")", "*", "4", ")"},
         {{"0", "+", "5", "0"}, {"0", "+", "r0", "0"}},
         {"r1", "*", "4", ")"}},
        // A trailing "(" reads the empty item past the end.
        {{"(", "1", "("}, {{"0", "+", "", "0"}, {"0", "+", "1", "r0", "0"}}, {"r1"}},
    };
    for (const auto& c : cases) {
        TokenList lstMath, lstMathx;
        for (const auto& t : c.tokens)
            lstMath.Append(t);
        GroupRecorder recorder{&lstMathx, {}, {"r0", "r1", "r2", "r3"}};
        int errors = 0;
        ReduceGroups(lstMath, lstMathx, std::ref(recorder), [&] { ++errors; });
        EXPECT_EQ(recorder.groups, c.groups) << testing::PrintToString(c.tokens);
        EXPECT_EQ(lstMath.Items(), c.remaining) << testing::PrintToString(c.tokens);
        EXPECT_EQ(errors, 0);
    }
}

TEST(ReduceGroups, RefusesListsBeyondSixteenBitPositions) {
    for (int count : {kMaxPosition, kMaxPosition + 1}) {
        TokenList lstMath, lstMathx;
        lstMath.Append("(");
        while (lstMath.Count() < count - 1)
            lstMath.Append("1");
        lstMath.Append(")");
        int errors = 0, groups = 0;
        ReduceGroups(
            lstMath, lstMathx, [&] { return std::to_string(++groups); }, [&] { ++errors; });
        const bool fits = count <= kMaxPosition;
        EXPECT_EQ(errors, fits ? 0 : 1) << count;
        EXPECT_EQ(groups, fits ? 1 : 0) << count;
        EXPECT_EQ(lstMath.Item(0), fits ? "1" : "") << count;
    }
}

} // namespace
} // namespace calc
