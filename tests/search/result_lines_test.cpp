// The lines a Find appends: the cursor marker's place, the end line, the summaries.
#include <gtest/gtest.h>

#include "fake/fake_controls.h"
#include "search/find_text.h"
#include "search/result_lines.h"

namespace {

struct Line {
    std::string text;
    std::intptr_t data;
    bool checked;
    bool operator==(const Line&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Line& l) {
    return out << "{" << l.text << ", " << l.data << ", " << l.checked << "}";
}

// The lines of a Find over a text that does not change: the matches, then the end line.
std::vector<Line> ListFor(const std::string& text, const std::string& what, int caret) {
    platform::ControlDef def;
    def.kind = platform::ControlKind::ListBox;
    fake::FakeListBox list(def);
    bool placed = false;
    const search::ResultLineInput input{text, caret, static_cast<int>(what.size())};
    const auto matches = search::FindAll(text, what, {}, search::AsciiCaseFold());
    for (int m : matches)
        search::AddResultLine(list, placed, m, input);
    search::AddResultLine(list, placed, -1, input);
    EXPECT_FALSE(placed);
    std::vector<Line> lines;
    for (int i = 0; i < list.Count(); ++i)
        lines.push_back({list.Item(i), list.ItemData(i), list.Checked(i)});
    return lines;
}

TEST(ResultLines, TheCursorMarkerStandsBeforeTheFirstMatchAtOrAfterTheCaret) {
    const Line marker0{"0\t*** Actual cursor position", -1, false};
    struct Case {
        std::string text, what;
        int caret;
        std::vector<Line> expected;
    } cases[] = {
        {"", "a", 0, {marker0, {"0\t*** Search completed", -2, false}}},
        {"a b a",
         "a",
         0,
         {marker0,
          {"0\ta b a", 0, true},
          {"4\ta b a", 4, true},
          {"5\t*** Search completed", -2, false}}},
        {"a b a",
         "a",
         4, // exactly on the second match
         {{"0\ta b a", 0, true},
          {"4\t*** Actual cursor position", -1, false},
          {"4\ta b a", 4, true},
          {"5\t*** Search completed", -2, false}}},
        {"a b a",
         "a",
         5, // behind the last match
         {{"0\ta b a", 0, true},
          {"4\ta b a", 4, true},
          {"5\t*** Actual cursor position", -1, false},
          {"5\t*** Search completed", -2, false}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ListFor(c.text, c.what, c.caret), c.expected) << c.text << " caret " << c.caret;
}

TEST(ResultLines, SummaryTexts) {
    EXPECT_EQ(search::text::FindSummary(0), "\t*** nothing found");
    EXPECT_EQ(search::text::FindSummary(1), "\t*** 1 match found");
    EXPECT_EQ(search::text::FindSummary(3), "\t*** 3 matches found");
    EXPECT_EQ(search::text::FindSummary(65535), "\t*** 65535 matches found");
    EXPECT_EQ(search::text::ReplaceSummary(0), "\t*** nothing replaced");
    EXPECT_EQ(search::text::ReplaceSummary(1), "\t*** 1 match replaced");
    EXPECT_EQ(search::text::ReplaceSummary(40000), "\t*** 40000 matches replaced");
}

} // namespace
