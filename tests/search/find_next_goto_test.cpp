// Find next's choice and the go-to computations, on plain values.
#include <gtest/gtest.h>

#include "fake/fake_controls.h"
#include "search/find_next.h"
#include "search/goto_position.h"

namespace {

TEST(FindNextChoice, StrictlyForwardThenWrapsToTheFirstCheckedMatch) {
    struct Item {
        std::intptr_t data;
        bool checked;
    };
    const std::vector<Item> all{{-1, false}, {3, true},  {10, true},
                                {20, true},  {-2, true}, {-3, true}};
    std::vector<Item> tenOff = all;
    tenOff[2].checked = false;
    const std::vector<Item> noneOn{{-1, true}, {3, false}, {10, false}, {-2, true}};
    struct Case {
        std::vector<Item> items;
        int selStart;
        std::optional<std::intptr_t> expected;
    } cases[] = {
        {all, 0, 3},
        {all, 3, 10},
        {all, 10, 20},
        {all, 20, 3},
        {all, 25, 3},
        {tenOff, 3, 20},
        {noneOn, 0, std::nullopt},
        {{}, 0, std::nullopt},
    };
    for (const Case& c : cases) {
        platform::ControlDef def;
        fake::FakeListBox list(def);
        for (const Item& item : c.items) {
            int i = list.AddItem("x");
            list.SetItemData(i, item.data);
            list.SetChecked(i, item.checked);
        }
        EXPECT_EQ(search::ChooseFindNext(list, c.selStart), c.expected) << c.selStart;
    }
}

TEST(GotoComputations, LineStarts) {
    const std::string three = "ab\r\ncd\r\nef";
    EXPECT_EQ(search::LineStartOffset("", 1), 0);
    EXPECT_EQ(search::LineStartOffset(three, 1), 0);
    EXPECT_EQ(search::LineStartOffset(three, 2), 4);
    EXPECT_EQ(search::LineStartOffset(three, 3), 8);
    EXPECT_EQ(search::LineStartOffset(three, 4), std::nullopt);
    EXPECT_EQ(search::LineStartOffset(three, 2.5), std::nullopt);   // never a line number
    EXPECT_EQ(search::LineStartOffset("a\nb\rc", 2), std::nullopt); // only CR LF ends a line
    EXPECT_EQ(search::LineStartOffset("\r\n\r\n", 3), 4);
}

TEST(GotoComputations, Positions) {
    EXPECT_EQ(search::PositionOffset(10, 0), 0);
    EXPECT_EQ(search::PositionOffset(10, 10), 10);
    EXPECT_EQ(search::PositionOffset(10, 11), std::nullopt);
    EXPECT_EQ(search::PositionOffset(10, 2.5), 2); // a half goes to the even neighbour
    EXPECT_EQ(search::PositionOffset(10, 3.5), 4);
    EXPECT_EQ(search::PositionOffset(10, 3.4), 3);
    EXPECT_EQ(search::PositionOffset(10, 10.4), std::nullopt); // beyond the text
}

TEST(GotoComputations, NumbersFromTheInputBox) {
    struct Case {
        std::string answer, decimal;
        std::optional<double> expected;
    } cases[] = {
        {"12", ".", 12},
        {" 7 ", ".", 7},
        {"-3", ".", -3},
        {"+4", ".", 4},
        {"2.5", ".", 2.5},
        {"2,5", ",", 2.5},
        {"2,5", ".", std::nullopt},
        {"", ".", std::nullopt},
        {"abc", ".", std::nullopt},
        {"1.2.3", ".", std::nullopt},
        {".", ".", std::nullopt},
        {"65536", ".", 65536},
    };
    for (const Case& c : cases)
        EXPECT_EQ(search::ReadGotoNumber(c.answer, c.decimal), c.expected) << c.answer;
}

TEST(GotoComputations, LongestLineStart) {
    const auto walk = [](const std::vector<int>& lengths) {
        int total = 0;
        for (int l : lengths)
            total += l + 2;
        total -= 2;
        return search::LongestLineStart(total, [&](int offset) {
            int start = 0;
            for (int l : lengths) {
                if (offset <= start + l) return l;
                start += l + 2;
            }
            return 0;
        });
    };
    EXPECT_EQ(walk({5, 9, 9, 3}), 7);
    EXPECT_EQ(walk({0}), 0);
    EXPECT_EQ(walk({2, 3, 10}), 9); // the last line, without a break
    EXPECT_EQ(walk({4, 4}), 0);     // the first of equal lines
}

} // namespace
