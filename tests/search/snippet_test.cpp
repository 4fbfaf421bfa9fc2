// The extract of a match line.
#include <gtest/gtest.h>

#include <random>

#include "search/snippet.h"

namespace {

TEST(SearchSnippet, CutsTheLineAroundTheMatch) {
    const std::string example = "The quick brown fox jumps over the lazy dog and keeps running far "
                                "away\r\nsecond line";
    struct Case {
        std::string text, what;
        int offset;
        std::string expected;
    } cases[] = {
        // The worked example, every row.
        {example, "fox", 16, "quick brown fox jumps over"},
        {example, "lazy", 35, "over the lazy dog and keeps"},
        {example, "The", 0, "The quick brown fox jumps"},
        {example, "away", 66, "running far away"},
        {example, "second", 72, "second line"},
        {example, "keeps running", 48, "keeps running far away"},
        // A short line: the whole line, its surrounding blanks trimmed.
        {"  short one  \r\nx", "one", 8, "short one"},
        {"\tab\t", "ab", 1, "ab"},
        // A long find text: the cut lands on the last space before the match, and the end at
        // the last space within 30 characters, inside the match.
        {"one two three four five six seven eight nine ten", "four five six seven eight nine", 14,
         "four five six seven eight"},
        // No space on the left: nothing is cut there.
        {"abcdefghijklmnopqrstuvwxyz0123456789 tail", "z0", 25, "abcdefghijklmnopqrstuvwxyz0123"},
        // A find text with a line break keeps it; the rest of the extract has none.
        {"ab\r\ncd", "b\r\nc", 1, "ab\r\ncd"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.text.substr(static_cast<size_t>(c.offset), c.what.size()), c.what);
        EXPECT_EQ(search::SearchSnippet(c.text, c.offset + 1, static_cast<int>(c.what.size())),
                  c.expected)
            << c.what;
    }
}

// The algorithm word for word, walking the line: the reference for the indexed version.
std::string WalkingSnippet(const std::string& T, int a, int b) {
    const auto control = [&](int i) { return static_cast<unsigned char>(T[i - 1]) < 32; };
    const int n = static_cast<int>(T.size());
    int s = 1;
    for (int i = a - 1; i >= 1; --i)
        if (control(i)) {
            s = i + 1;
            break;
        }
    int e = n;
    for (int i = a + b; i <= n; ++i)
        if (control(i)) {
            e = i - 1;
            break;
        }
    const std::string line = T.substr(s - 1, e - s + 1);
    const int m = a - s + 1;
    const std::string left = line.substr(0, m - 1);
    int k = 0;
    for (;;) {
        if (m - k < 18 - b) break;
        const size_t space = left.find(' ', k);
        if (space == std::string::npos) break;
        k = static_cast<int>(space) + 1;
    }
    const int t = k + 1;
    int g = 0;
    while (t + g <= m - 1 && line[t + g - 1] == ' ')
        ++g;
    const std::string w = line.substr(std::min<size_t>(line.size(), t + g - 1), 30);
    const auto trim = [](std::string x) {
        x.erase(0, x.find_first_not_of(' '));
        x.erase(x.find_last_not_of(' ') + 1);
        return x.find_first_not_of(' ') == std::string::npos ? std::string() : x;
    };
    if (w.size() < 30) return trim(w);
    const int p = m - t - g + 1;
    int u = 31;
    for (int i = 30; i > p; --i)
        if (w[i - 1] == ' ') {
            u = i;
            break;
        }
    return trim(w.substr(0, u - 1));
}

TEST(SearchSnippet, IndexedLookUpsGiveWhatWalkingTheLineGives) {
    std::mt19937 random(7);
    for (int round = 0; round < 400; ++round) {
        std::string text(random() % 120, ' ');
        for (char& c : text)
            c = "ab   \r\n\t"[random() % 8];
        const search::SnippetIndex index(text);
        for (int a = 1; a <= static_cast<int>(text.size()); ++a) {
            const int b = 1 + static_cast<int>(random() % 25);
            if (a + b - 1 > static_cast<int>(text.size())) continue;
            ASSERT_EQ(index.Snippet(a, b), WalkingSnippet(text, a, b))
                << "text [" << text << "] a " << a << " b " << b;
        }
    }
}

} // namespace
