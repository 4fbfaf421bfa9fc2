// Truncate lines on plain texts: blanks before each CR LF and at the very end go.
#include <gtest/gtest.h>

#include <random>

#include "edit/truncate_lines.h"

namespace {

// The removal loop as the algorithm states it, one character at a time (slow but literal).
std::string LiteralTruncate(std::string s) {
    size_t p = 0; // 1-based position of the line end
    while (true) {
        size_t found = s.find("\r\n", p);
        p = found == std::string::npos ? s.size() + 1 : found + 1;
        while (p > 1 && (s[p - 2] == ' ' || s[p - 2] == '\t')) {
            s.erase(p - 2, 1);
            --p;
        }
        if (p == s.size() + 1) return s;
    }
}

} // namespace

TEST(TruncateLines, Table) {
    const struct {
        const char* input;
        const char* expected;
    } cases[] = {
        {"one  \t\r\ntwo   ", "one\r\ntwo"},
        {"     ", ""},
        {"  indented\r\n  too  ", "  indented\r\n  too"},
        {"a\r\n\r\nb", "a\r\n\r\nb"},
        {"in side \r\n", "in side\r\n"},
        {"lone lf  \nx", "lone lf  \nx"},
        {"lone cr  \rx", "lone cr  \rx"},
        {"cr  \r  \r\n", "cr  \r\r\n"},
        {"\t\r\n \r\n", "\r\n\r\n"},
        {"", ""},
        {"no blanks", "no blanks"},
        {"\r\n", "\r\n"},
        {"x \r\r\n", "x \r\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(edit::TrimLineEnds(c.input), c.expected) << '"' << c.input << '"';
}

TEST(TruncateLines, AgreesWithTheLiteralAlgorithmOnRandomTexts) {
    std::mt19937 random(11);
    const char alphabet[] = {' ', '\t', '\r', '\n', 'a', ' ', '\r', '\n'};
    for (int round = 0; round < 2000; ++round) {
        std::string s(random() % 40, ' ');
        for (char& c : s)
            c = alphabet[random() % sizeof alphabet];
        ASSERT_EQ(edit::TrimLineEnds(s), LiteralTruncate(s)) << testing::PrintToString(s);
    }
}
