// The find loop on plain strings: overlapping matches, whole words, case.
#include <gtest/gtest.h>

#include "fake/fake_platform.h"
#include "search/find_text.h"

namespace {

search::CaseFold LocaleFold() {
    fake::FakePlatform platform;
    return platform.UserLocale().Cases().lower;
}

TEST(FindText, ListsEveryOccurrenceByTheRules) {
    struct Case {
        std::string text, what;
        bool whole, matchCase;
        std::vector<int> expected;
    } cases[] = {
        {"aaaa", "aa", false, false, {0, 1, 2}},
        {"cat concat cat_x (cat) 9cat", "cat", true, false, {0, 11, 18}},
        {"cat concat cat_x (cat) 9cat", "cat", false, false, {0, 7, 11, 18, 24}},
        {"cat", "cat", true, false, {0}},               // the text's start and end are boundaries
        {"a cat", "cat", true, false, {2}},             // ends the text
        {"cats", "cat", true, false, {}},               // a letter after it
        {"\xE9t\xE9 cat\xE9", "cat", true, false, {4}}, // accented letters are boundaries
        {"CAT cat Cat", "CAT", false, false, {0, 4, 8}},
        {"CAT cat Cat", "CAT", false, true, {0}},
        {"x\r\ny\r\n", "\r\n", false, false, {1, 4}},
        {"", "a", false, false, {}},
        {"abc", "", false, false, {}},
        {"ab", "abc", false, false, {}},
        {"catcat", "cat", true, false, {}}, // each half touches the other
        {"aAaA", "aa", false, false, {0, 1, 2}},
        {"\xC9T\xC9 \xE9t\xE9", "\xE9t\xE9", false, false, {0, 4}}, // the locale folds accents
        {"\xC9T\xC9 \xE9t\xE9", "\xE9t\xE9", false, true, {4}},
    };
    const search::CaseFold fold = LocaleFold();
    for (const Case& c : cases) {
        EXPECT_EQ(search::FindAll(c.text, c.what, {c.whole, c.matchCase}, fold), c.expected)
            << c.text << " / " << c.what << " whole=" << c.whole << " case=" << c.matchCase;
    }
}

TEST(FindText, FindFromStartsAtTheGivenOffset) {
    const search::CaseFold fold = search::AsciiCaseFold();
    EXPECT_EQ(search::FindFrom("abcabc", "abc", 0, true, fold), 0);
    EXPECT_EQ(search::FindFrom("abcabc", "abc", 1, true, fold), 3);
    EXPECT_EQ(search::FindFrom("abcabc", "abc", 4, true, fold), -1);
    EXPECT_EQ(search::FindFrom("abcabc", "ABC", 1, false, fold), 3);
    EXPECT_EQ(search::FindFrom("abc", "c", 3, true, fold), -1);
    EXPECT_EQ(search::FindFrom("abc", "c", 2, false, fold), 2);
}

} // namespace
