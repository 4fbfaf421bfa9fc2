// The find loop: overlapping matches, whole words, case, as Find lists them.
#include <gtest/gtest.h>

#include "app/app_fixture.h"
#include "platform/keys.h"
#include "search/find_dialog.h"
#include "search/find_text.h"
#include "search/search_result_window.h"

namespace {

class FindText : public AppTest {
  protected:
    // The offsets that Find lists for `what` in a document holding `text`.
    std::vector<int> Listed(const std::string& text, const std::string& what, bool whole,
                            bool matchCase) {
        Text1(Active()).SetText(text);
        platform::ListBox& list = app.tools.Get<search::SearchResultWindow>().List1();
        list.Clear();
        frame().ChooseMenu("mnuSearchFind");
        auto& find = app.tools.Get<search::FindDialog>();
        find.txtFind().SetText(what);
        find.chkWhole().SetValue(whole);
        find.chkCase().SetValue(matchCase);
        dynamic_cast<fake::FakeForm&>(find.form()).PressKey(platform::key::Return);
        std::vector<int> offsets;
        for (int i = 0; i < list.Count(); ++i)
            if (list.ItemData(i) >= 0) offsets.push_back(static_cast<int>(list.ItemData(i)));
        return offsets;
    }
};

TEST_F(FindText, ListsEveryOccurrenceByTheRules) {
    Start();
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
    for (const Case& c : cases) {
        EXPECT_EQ(Listed(c.text, c.what, c.whole, c.matchCase), c.expected)
            << c.text << " / " << c.what << " whole=" << c.whole << " case=" << c.matchCase;
    }
}

TEST(FindTextFrom, StartsAtTheGivenOffset) {
    fake::FakePlatform platform;
    const search::CaseFold& fold = platform.UserLocale().Cases().lower;
    EXPECT_EQ(search::FindFrom("abcabc", "abc", 0, true, fold), 0);
    EXPECT_EQ(search::FindFrom("abcabc", "abc", 1, true, fold), 3);
    EXPECT_EQ(search::FindFrom("abcabc", "abc", 4, true, fold), -1);
    EXPECT_EQ(search::FindFrom("abcabc", "ABC", 1, false, fold), 3);
    EXPECT_EQ(search::FindFrom("abc", "c", 3, true, fold), -1);
    EXPECT_EQ(search::FindFrom("abc", "c", 2, false, fold), 2);
}

} // namespace
