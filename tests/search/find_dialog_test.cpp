// The find dialog and the result window through the fake platform: opening, Find, Replace,
// the list's operations, Find next, and what happens when the text changes under them.
#include <gtest/gtest.h>

#include "app/app_fixture.h"
#include "core/document_flags.h"
#include "platform/keys.h"
#include "platform/messages.h"
#include "search/find_dialog.h"
#include "search/search_result_window.h"

namespace {

using platform::key::Escape;
using platform::key::Return;
using platform::key::Tab;

class SearchTest : public AppTest {
  protected:
    void SetUp() override { Start(); }
    search::FindDialog& Find() { return app.tools.Get<search::FindDialog>(); }
    search::SearchResultWindow& Results() { return app.tools.Get<search::SearchResultWindow>(); }
    fake::FakeListBox& List() { return dynamic_cast<fake::FakeListBox&>(Results().List1()); }
    fake::FakeForm& FindForm() { return dynamic_cast<fake::FakeForm&>(Find().form()); }
    fake::FakeForm& ResultForm() { return dynamic_cast<fake::FakeForm&>(Results().form()); }
    fake::FakeTextBox& Doc() { return Text1(Active()); }
    bool Menu(const char* name) { return frame().ChooseMenu(name); }

    // A document holding `text`, the caret at `caret`, searched for `what`.
    void Search(const std::string& text, const std::string& what, int caret = 0) {
        Doc().SetText(text);
        Doc().SetSelStart(caret);
        Menu("mnuSearchFind");
        Find().txtFind().SetText(what);
        FindForm().PressKey(Return);
    }
    std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        for (int i = 0; i < List().Count(); ++i)
            lines.push_back(List().Item(i));
        return lines;
    }
    int IndexOfData(std::intptr_t data) {
        for (int i = 0; i < List().Count(); ++i)
            if (List().ItemData(i) == data) return i;
        return -1;
    }
    std::pair<int, int> Selection() { return {Doc().SelStart(), Doc().SelLength()}; }
};

TEST_F(SearchTest, OpeningTakesTheSelectionAndPlacesBothWindows) {
    Doc().SetText("one two three");
    Doc().SetSelStart(4);
    Doc().SetSelLength(3);
    ASSERT_TRUE(Menu("mnuSearchFind"));
    EXPECT_EQ(Find().txtFind().Text(), "two");
    EXPECT_EQ(Find().txtFind().SelLength(), 3); // selected: typing replaces it
    EXPECT_TRUE(FindForm().Visible());
    EXPECT_EQ(fake::FocusedControl(), &Find().txtFind());
    // Centred across the document window, 600 twips below its middle (middles doubled).
    auto& child = Active()->form();
    auto middle2 = [](int start, int size) { return 2 * start + size; };
    EXPECT_NEAR(middle2(FindForm().Left(), FindForm().Width()),
                middle2(frame().Left() + child.Left(), child.Width()), 1);
    EXPECT_NEAR(middle2(FindForm().Top(), FindForm().Height()) - 2 * 600,
                middle2(frame().Top() + child.Top(), child.Height()), 1);
    EXPECT_EQ(ResultForm().Left(), FindForm().Left());
    EXPECT_EQ(ResultForm().Top(), FindForm().Top() + FindForm().Height());
    EXPECT_FALSE(ResultForm().Visible());

    // Without a selection the field keeps its text; Replace puts the focus into txtReplace.
    FindForm().PressKey(Escape);
    EXPECT_FALSE(FindForm().Visible());
    Doc().SetSelStart(0);
    ASSERT_TRUE(Menu("mnuSearchReplace"));
    EXPECT_EQ(Find().txtFind().Text(), "two");
    EXPECT_EQ(fake::FocusedControl(), &Find().txtReplace());
    // The same dialog each time.
    EXPECT_EQ(&Find(), &app.tools.Get<search::FindDialog>());
}

TEST_F(SearchTest, FindListsMatchesMarkerEndAndSummaryThenTheListIsValid) {
    Search("cat concat cat", "CAT", 5);
    EXPECT_EQ(Lines(),
              (std::vector<std::string>{"0\tcat concat cat", "5\t*** Actual cursor position",
                                        "7\tcat concat cat", "11\tcat concat cat",
                                        "14\t*** Search completed", "\t*** 3 matches found"}));
    EXPECT_EQ(List().ListIndex(), 5);
    EXPECT_EQ(List().ItemData(5), -3);
    EXPECT_TRUE(List().Checked(0));
    EXPECT_FALSE(List().Checked(1));
    EXPECT_TRUE(app.search.resultsValid);
    EXPECT_EQ(app.search.findText, "CAT");
    EXPECT_TRUE(ResultForm().Visible());
    EXPECT_TRUE(FindForm().Visible()); // the dialog stays open

    Find().chkWhole().SetValue(true);
    Find().chkCase().SetValue(true);
    FindForm().PressKey(Return);
    EXPECT_EQ(Lines().back(), "\t*** nothing found");
    FindForm().Get<platform::Label>("Label2").onClick(); // the label switches its box
    EXPECT_FALSE(Find().chkCase().Value());
    FindForm().PressKey(Return);
    EXPECT_EQ(Lines().back(), "\t*** 2 matches found");
}

TEST_F(SearchTest, FindGuards) {
    Search("abc abc", "abc");
    const auto before = Lines();
    // An empty field: the dialog closes and nothing else changes.
    Find().txtFind().SetText("");
    FindForm().PressKey(Return);
    EXPECT_FALSE(FindForm().Visible());
    EXPECT_EQ(Lines(), before);
    EXPECT_TRUE(app.search.resultsValid);
    EXPECT_EQ(platform.beeps, 0);
    // No document: a beep, the dialog hidden.
    FindForm().Show();
    Find().txtFind().SetText("abc");
    Active()->form().Unload();
    ASSERT_EQ(Count(), 0);
    FindForm().Get<platform::Button>("cmdFind").Press();
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_FALSE(FindForm().Visible());
    FindForm().Show();
    FindForm().Get<platform::Button>("cmdReplace").Press();
    EXPECT_EQ(platform.beeps, 2);
    EXPECT_FALSE(FindForm().Visible());
}

TEST_F(SearchTest, ReplaceChangesCheckedMatchesFromTheEndAndLeavesTheListStale) {
    Search("a.a.a", "a");
    List().UserToggle(IndexOfData(2)); // the middle one off
    Find().txtReplace().SetText("xyz");
    Find().form().Get<platform::Button>("cmdReplace").Press();
    EXPECT_EQ(Doc().Text(), "xyz.a.xyz");
    EXPECT_EQ(Selection(), (std::pair<int, int>{3, 0})); // after the first replacement
    EXPECT_TRUE(core::HasFlag(Doc(), core::flag::Modified));
    EXPECT_EQ(Lines().back(), "\t*** 2 matches replaced");
    EXPECT_EQ(List().ItemData(List().ListIndex()), -4);
    EXPECT_FALSE(app.search.resultsValid);
    // Undo right after brings the text back as it was.
    Doc().SendMessage(platform::msg::WM_UNDO, 0, 0);
    EXPECT_EQ(Doc().Text(), "a.a.a");

    // Stale now: Replace runs a new Find first, which checks every match again.
    Find().txtReplace().SetText("");
    Find().form().Get<platform::Button>("cmdReplace").Press();
    EXPECT_EQ(Doc().Text(), "..");
    EXPECT_EQ(Lines().back(), "\t*** 3 matches replaced");
}

TEST_F(SearchTest, ReplaceWithNothingCheckedOrAnEmptyFieldChangesNothing) {
    Search("abab", "ab");
    List().UserToggle(IndexOfData(-3)); // the summary line switches every match off...
    List().UserToggle(IndexOfData(-3));
    EXPECT_FALSE(List().Checked(IndexOfData(0)));
    EXPECT_TRUE(List().Checked(IndexOfData(-1)) == false);
    const int changes = Doc().changeCount;
    Find().form().Get<platform::Button>("cmdReplace").Press();
    EXPECT_EQ(Doc().Text(), "abab");
    EXPECT_EQ(Lines().back(), "\t*** nothing replaced");
    EXPECT_EQ(Doc().changeCount, changes);

    // A list of an earlier text, and a Find that stops at an empty field: nothing replaced.
    Doc().SetText("zzzzzzzzzzzz");
    Find().txtFind().SetText("");
    Find().form().Get<platform::Button>("cmdReplace").Press();
    EXPECT_EQ(Doc().Text(), "zzzzzzzzzzzz");
    EXPECT_EQ(Lines().back(), "\t*** nothing replaced"); // the list as it was
}

TEST_F(SearchTest, ReplaceGivesWhatReplacingOneByOneGives) {
    // Overlapping matches, a longer and a shorter replacement, some unchecked.
    const std::string text = "aaaa aa.aaa\r\naa";
    for (const std::string with : {"", "b", "aaa"}) {
        Search(text, "aa", 3);
        for (int i = 0; i < List().Count(); i += 3)
            if (List().ItemData(i) >= 0) List().UserToggle(i);
        std::vector<std::intptr_t> offsets;
        for (int i = List().Count() - 1; i >= 0; --i)
            if (List().Checked(i) && List().ItemData(i) >= 0) offsets.push_back(List().ItemData(i));
        // The same edits made one by one in a text box of the same kind.
        platform::ControlDef def;
        def.kind = platform::ControlKind::MultiLineBox;
        fake::FakeTextBox other(def, true);
        other.SetText(text);
        for (auto offset : offsets) {
            other.SetSelStart(static_cast<int>(offset));
            other.SetSelLength(2);
            other.SetSelText(with);
        }
        const auto expected = std::make_tuple(other.Text(), other.SelStart(), other.SelLength());
        Find().txtReplace().SetText(with);
        Find().form().Get<platform::Button>("cmdReplace").Press();
        EXPECT_EQ(std::make_tuple(Doc().Text(), Doc().SelStart(), Doc().SelLength()), expected)
            << with;
    }
}

TEST_F(SearchTest, AReplacePastTheCapacityChangesNothingAndSaysByHowMuch) {
    const int capacity = platform::kMultiLineCapacity;
    struct Case {
        std::string text, what, with;
        int over; // characters past the capacity; 0 or less: it fits
    } cases[] = {
        {std::string(1000, 'a') + std::string(64000, 'x'), "a", "bb", 465},
        {std::string(capacity, 'a'), "a", "bb", capacity},
        {std::string(535, 'a') + std::string(64465, 'x'), "a", "bb", 0}, // exactly full
        {std::string(capacity, 'a'), "aa", "aaa", capacity - 1},         // overlapping matches
    };
    for (const Case& c : cases) {
        Search(c.text, c.what);
        const std::string before = Doc().Text();
        const int changes = Doc().changeCount;
        platform.messages.clear();
        Find().txtReplace().SetText(c.with);
        Find().form().Get<platform::Button>("cmdReplace").Press();
        if (c.over <= 0) {
            EXPECT_EQ(Doc().Text().size(), static_cast<size_t>(capacity + c.over)) << c.with;
            EXPECT_TRUE(platform.messages.empty());
            continue;
        }
        EXPECT_TRUE(Doc().Text() == before) << c.with;
        EXPECT_EQ(Doc().changeCount, changes); // not even marked modified
        EXPECT_EQ(Lines().back(), "\t*** nothing replaced");
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].title, "Find & Replace...");
        EXPECT_NE(platform.messages[0].text.find(std::to_string(capacity + c.over) +
                                                 " characters long, " + std::to_string(c.over)),
                  std::string::npos);
    }
}

TEST_F(SearchTest, OpenLineByKindOfLine) {
    Search("ab ab", "ab", 2);
    // Lines: 0 match, 2 marker, 3 match, end 5, summary.
    ASSERT_EQ(List().Count(), 5);
    List().DoubleClick(2);
    EXPECT_EQ(Selection(), (std::pair<int, int>{3, 2}));
    EXPECT_FALSE(List().Checked(2)); // inverted
    ResultForm().PressKey(Return);   // Enter: the same
    EXPECT_TRUE(List().Checked(2));
    List().DoubleClick(1); // the marker: its check mark only
    EXPECT_EQ(Selection(), (std::pair<int, int>{3, 2}));
    EXPECT_TRUE(List().Checked(1));
    List().DoubleClick(3); // the end line: caret at the end
    EXPECT_EQ(Selection(), (std::pair<int, int>{5, 0}));
    EXPECT_TRUE(List().Checked(3));
    List().DoubleClick(4); // the summary: nothing but the status
    EXPECT_EQ(Selection(), (std::pair<int, int>{5, 0}));
    EXPECT_FALSE(List().Checked(4));
    EXPECT_TRUE(ResultForm().Visible());

    // A stale list: nothing at all.
    Doc().Type("x");
    const auto selection = Selection();
    List().DoubleClick(0);
    EXPECT_EQ(Selection(), selection);
    EXPECT_TRUE(List().Checked(0));
    // No document: a beep and the window hidden.
    Active()->form().Unload();
    List().DoubleClick(0);
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_FALSE(ResultForm().Visible());
}

TEST_F(SearchTest, TheFindSummaryLineSwitchesEveryMatchLine) {
    Search("x x x", "x", 2);
    const int summary = IndexOfData(-3);
    List().UserToggle(summary); // on
    for (int i = 0; i < List().Count(); ++i)
        EXPECT_EQ(List().Checked(i), List().ItemData(i) >= 0 || i == summary) << i;
    List().UserToggle(summary); // off
    for (int i = 0; i < List().Count(); ++i)
        EXPECT_FALSE(List().Checked(i)) << i;
}

TEST_F(SearchTest, WindowKeysAndShowingTheList) {
    Search("abc", "b");
    ResultForm().Hide();
    ASSERT_TRUE(Menu("mnuSearchResult"));
    EXPECT_TRUE(ResultForm().Visible());
    EXPECT_EQ(List().Count(), 4); // untouched
    Results().List1().SetFocus();
    ResultForm().PressKey(Tab);
    EXPECT_EQ(fake::FocusedControl(), &Find().txtFind());
    ResultForm().PressKey(Escape);
    EXPECT_FALSE(ResultForm().Visible());
    EXPECT_FALSE(FindForm().Visible());
}

TEST_F(SearchTest, FindNextWalksTheCheckedMatchesAndWraps) {
    Search("...ab.....ab........ab", "ab");
    const std::vector<std::pair<int, int>> walk{{3, 2}, {10, 2}, {20, 2}, {3, 2}};
    for (auto expected : walk) {
        ASSERT_TRUE(frame().PressShortcut(platform::Plain(platform::key::F(3))));
        EXPECT_EQ(Selection(), expected);
    }
    List().UserToggle(IndexOfData(10));
    Menu("mnuSearchFindNext");
    EXPECT_EQ(Selection(), (std::pair<int, int>{20, 2}));
    for (int d : {3, 20})
        List().UserToggle(IndexOfData(d));
    Doc().SetSelStart(0);
    Menu("mnuSearchFindNext");
    EXPECT_EQ(Selection(), (std::pair<int, int>{0, 0})); // nothing checked: nothing moves
    List().UserToggle(IndexOfData(3));
    Doc().Type("z"); // any edit: Find next does nothing until the next Find
    const auto selection = Selection();
    Menu("mnuSearchFindNext");
    EXPECT_EQ(Selection(), selection);
}

TEST_F(SearchTest, TypingWhileFindRunsLeavesTheListStale) {
    // The user types into the document while the list fills: the offsets listed before and
    // after the edit belong to different texts, so the list must not be taken as valid.
    Doc().SetText("ab ab ab ab");
    Doc().SetSelStart(0);
    Menu("mnuSearchFind");
    Find().txtFind().SetText("ab");
    fake::FakeTextBox& doc = Doc();
    platform.pendingEvents.push_back([&doc] { doc.Type("zz"); });
    FindForm().PressKey(Return);
    EXPECT_GE(platform.doEventsCalls, 1);
    EXPECT_EQ(doc.Text(), "zzab ab ab ab");
    EXPECT_FALSE(app.search.resultsValid);
    // Neither Find next nor Replace acts on the mixed offsets.
    doc.SetSelStart(0);
    Menu("mnuSearchFindNext");
    EXPECT_EQ(doc.SelLength(), 0);
    // Replace makes a new Find first, on the text as it is now.
    Find().txtReplace().SetText("X");
    Find().form().Get<platform::Button>("cmdReplace").Press();
    EXPECT_EQ(doc.Text(), "zzX X X X");
}

TEST_F(SearchTest, FindPressedAgainWhileFindRunsLeavesOneWholeList) {
    Doc().SetText("ab ab ab ab ab");
    Menu("mnuSearchFind");
    Find().txtFind().SetText("ab");
    platform.pendingEvents.push_back([this] {
        Find().txtFind().SetText("b");
        FindForm().PressKey(Return);
    });
    FindForm().PressKey(Return);
    // The second Find's list alone: no line twice, one summary, valid.
    EXPECT_EQ(Lines(),
              (std::vector<std::string>{"0\t*** Actual cursor position", "1\tab ab ab ab ab",
                                        "4\tab ab ab ab ab", "7\tab ab ab ab ab",
                                        "10\tab ab ab ab ab", "13\tab ab ab ab ab",
                                        "14\t*** Search completed", "\t*** 5 matches found"}));
    EXPECT_TRUE(app.search.resultsValid);
    EXPECT_EQ(app.search.findText, "b");
    // Replace acts on that list only.
    Find().txtReplace().SetText("c");
    Find().form().Get<platform::Button>("cmdReplace").Press();
    EXPECT_EQ(Doc().Text(), "ac ac ac ac ac");
}

TEST_F(SearchTest, FindNextWaitsWhileTheListIsRebuilt) {
    Search("ab ab ab", "ab");
    ASSERT_TRUE(app.search.resultsValid);
    Doc().SetSelStart(0);
    std::pair<int, int> during{-1, -1};
    platform.pendingEvents.push_back([this, &during] {
        Menu("mnuSearchFindNext");
        during = Selection();
    });
    FindForm().PressKey(Return);
    EXPECT_EQ(during, (std::pair<int, int>{0, 0}));
    EXPECT_TRUE(app.search.resultsValid); // nothing changed the text: the new list holds
}

TEST_F(SearchTest, EventsRunOnlyWhenInputWaits) {
    Search(std::string(100, 'a'), "a");
    EXPECT_EQ(platform.doEventsCalls, 0);
    EXPECT_EQ(List().Count(), 103);
}

TEST_F(SearchTest, ListsPast32767ItemsKeepEveryMatchReachable) {
    const std::string text(65535, 'a');
    Search(text, "a", 65535);
    ASSERT_EQ(List().Count(), 65535 + 3);
    EXPECT_EQ(Lines().back(), "\t*** 65535 matches found");
    EXPECT_EQ(List().ItemData(65534), 65534);
    EXPECT_TRUE(List().Checked(40000));
    // Find next reaches the matches past 32,767 and wraps from the last.
    Doc().SetSelStart(40000);
    Menu("mnuSearchFindNext");
    EXPECT_EQ(Selection(), (std::pair<int, int>{40001, 1}));
    Doc().SetSelStart(65534);
    Menu("mnuSearchFindNext");
    EXPECT_EQ(Selection(), (std::pair<int, int>{0, 1}));
    // Opened, unchecked and replaced.
    List().DoubleClick(50000);
    EXPECT_EQ(Selection(), (std::pair<int, int>{50000, 1}));
    EXPECT_FALSE(List().Checked(50000));
    List().UserToggle(0);
    Find().txtReplace().SetText("b");
    Find().form().Get<platform::Button>("cmdReplace").Press();
    std::string expected(65535, 'b');
    expected[0] = 'a';
    expected[50000] = 'a';
    EXPECT_EQ(Doc().Text(), expected);
    EXPECT_EQ(Lines().back(), "\t*** 65533 matches replaced");
}

TEST_F(SearchTest, GotoCommands) {
    Doc().SetText("ab\r\ncd\r\nef");
    struct Case {
        const char* menu;
        std::optional<std::string> answer;
        int caret; // expected caret, starting from 1
        int beeps;
        bool asked;
    } cases[] = {
        {"mnuSearchGotoLine", "3", 8, 0, true},
        {"mnuSearchGotoLine", "1", 0, 0, true},
        {"mnuSearchGotoLine", "4", 1, 1, true},
        {"mnuSearchGotoLine", "0", 1, 0, true},
        {"mnuSearchGotoLine", "65536", 1, 0, true},
        {"mnuSearchGotoLine", "x", 1, 0, true},
        {"mnuSearchGotoLine", std::nullopt, 1, 0, true},
        {"mnuSearchGotoPos", "10", 10, 0, true},
        {"mnuSearchGotoPos", "11", 1, 1, true},
        {"mnuSearchGotoPos", "0", 0, 0, true},
        {"mnuSearchGotoPos", "-1", 1, 0, true},
        {"mnuSearchGotolongestColumn", std::nullopt, 0, 0, false},
    };
    for (const Case& c : cases) {
        Doc().SetSelStart(1);
        const int beeps = platform.beeps;
        const size_t asked = platform.inputs.size();
        platform.inputAnswers = {c.answer};
        ASSERT_TRUE(Menu(c.menu));
        EXPECT_EQ(Doc().SelStart(), c.caret) << c.menu << " " << c.answer.value_or("-");
        EXPECT_EQ(platform.beeps - beeps, c.beeps) << c.menu << " " << c.answer.value_or("-");
        EXPECT_EQ(platform.inputs.size() - asked, c.asked ? 1u : 0u);
    }
    EXPECT_EQ(platform.inputs[0].title, "Scrivex");
    EXPECT_EQ(platform.inputs[0].prompt, "Insert a value of line to GoTo :\r\n\r\n(1 - 65535)");
    EXPECT_EQ(platform.inputs[7].prompt, "Insert a value of position to GoTo :\r\n\r\n(0 - 65535)");
    Doc().SetText("12345\r\n123456789\r\n123456789\r\n123");
    Menu("mnuSearchGotolongestColumn");
    EXPECT_EQ(Doc().SelStart(), 7);
}

} // namespace
