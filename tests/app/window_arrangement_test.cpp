// Rows and Columns: their geometry as a table, and the commands on the fake frame.
#include <gtest/gtest.h>

#include "app/window_arrangement.h"
#include "app_fixture.h"

using app::ArrangeFrame;
using app::Placement;

TEST(WindowArrangement, ShareRoundsHalvesToEvenThenCutsToWholePixels) {
    struct Case {
        int available, count, expected;
    };
    const Case cases[] = {
        {7950, 3, 2640}, // 2650 exactly, cut to 176 pixels
        {7950, 1, 7950}, // already whole pixels
        {45, 2, 15},     // 22.5 rounds to the even 22, then 15
        {75, 2, 30},     // 37.5 rounds to the even 38, then 30
        {31, 2, 15},     // 15.5 rounds to 16, then 15
        {29, 2, 0},      // 14.5 rounds to 14: less than a pixel
        {8000, 64, 120}, // 125 cut to 120
        {100, 0, 0},     // no windows: nothing to share
        {-500, 3, 0},    // a frame too small for any room
    };
    for (const Case& c : cases)
        EXPECT_EQ(app::ShareOf(c.available, c.count), c.expected)
            << c.available << " / " << c.count;
}

TEST(WindowArrangement, RowsAndColumnsPlaceInSlotOrderAndLeaveMinimisedWindows) {
    struct Case {
        const char* what;
        bool rows;
        ArrangeFrame frame;
        std::vector<bool> minimised;
        std::vector<std::optional<Placement>> expected;
    };
    const ArrangeFrame three{12000, 9000, 300, 3};
    const Case cases[] = {
        {"three rows",
         true,
         three,
         {false, false, false},
         {Placement{0, 0, 11820, 2640}, Placement{0, 2640, 11820, 2640},
          Placement{0, 5280, 11820, 2640}}},
        {"rows: the minimised window counts in the divisor and keeps its place",
         true,
         three,
         {false, true, false},
         {Placement{0, 0, 11820, 2640}, std::nullopt, Placement{0, 2640, 11820, 2640}}},
        {"three columns",
         false,
         three,
         {false, false, false},
         {Placement{0, 0, 3930, 7950}, Placement{3930, 0, 3930, 7950},
          Placement{7860, 0, 3930, 7950}}},
        {"columns with the first window minimised",
         false,
         three,
         {true, false, false},
         {std::nullopt, Placement{0, 0, 3930, 7950}, Placement{3930, 0, 3930, 7950}}},
        {"all minimised",
         true,
         three,
         {true, true, true},
         {std::nullopt, std::nullopt, std::nullopt}},
        {"a frame too small for its borders",
         true,
         {100, 500, 300, 1},
         {false},
         {Placement{0, 0, 0, 0}}},
    };
    for (const Case& c : cases) {
        auto got = c.rows ? app::RowsLayout(c.frame, c.minimised)
                          : app::ColumnsLayout(c.frame, c.minimised);
        ASSERT_EQ(got.size(), c.expected.size()) << c.what;
        for (size_t i = 0; i < got.size(); ++i) {
            ASSERT_EQ(got[i].has_value(), c.expected[i].has_value()) << c.what << " #" << i;
            if (!got[i]) continue;
            EXPECT_EQ(got[i]->left, c.expected[i]->left) << c.what << " #" << i;
            EXPECT_EQ(got[i]->top, c.expected[i]->top) << c.what << " #" << i;
            EXPECT_EQ(got[i]->width, c.expected[i]->width) << c.what << " #" << i;
            EXPECT_EQ(got[i]->height, c.expected[i]->height) << c.what << " #" << i;
        }
    }
}

class Arrangement : public AppTest {
  protected:
    void SetUp() override {
        Start();
        frame().Move(0, 0, 12000, 9000);
        frame().Get<platform::StatusBar>("StatusBar1").Move(0, 8000, 12000, 300);
    }
    core::Document& Slot(int slot) { return *app.registry.Window(slot); }
    void Tile(int index) { ASSERT_TRUE(frame().ChooseMenu("mnuWindowTile", index)); }
};

TEST_F(Arrangement, RowsRestoreMaximisedWindowsGoBySlotAndRepaintOnce) {
    app.NewDocument();
    app.NewDocument();
    // Slot 1 closes and a new window takes it: it is the newest, yet it comes first.
    Slot(1).form().Close();
    app.NewDocument();
    ASSERT_EQ(Count(), 3);
    Active()->form().SetState(platform::WindowState::Maximized);
    int repaints = frame().repaints;

    Tile(app::kRows);

    EXPECT_EQ(frame().repaints, repaints + 1);
    for (int slot = 1; slot <= 3; ++slot) {
        platform::Form& form = Slot(slot).form();
        EXPECT_EQ(form.State(), platform::WindowState::Normal) << slot;
        EXPECT_EQ(form.Top(), (slot - 1) * 2640) << slot;
        EXPECT_EQ(form.Height(), 2640) << slot;
        EXPECT_EQ(form.Left(), 0) << slot;
        EXPECT_EQ(form.Width(), 11820) << slot;
    }
}

TEST_F(Arrangement, ColumnsLeaveTheMinimisedWindowWhereItIs) {
    app.NewDocument();
    app.NewDocument();
    platform::Form& minimised = Slot(2).form();
    minimised.Move(777, 888, 999, 1111);
    minimised.SetState(platform::WindowState::Minimized);

    Tile(app::kColumns);

    EXPECT_EQ(Slot(1).form().Left(), 0);
    EXPECT_EQ(Slot(3).form().Left(), 3930);
    EXPECT_EQ(Slot(3).form().Width(), 3930);
    EXPECT_EQ(Slot(3).form().Height(), 7950);
    EXPECT_EQ(minimised.State(), platform::WindowState::Minimized);
    EXPECT_EQ(minimised.Left(), 777);
    EXPECT_EQ(minimised.Top(), 888);
}

TEST_F(Arrangement, TheSystemsArrangementsRepaintOnceAndOtherIndexesDoNothing) {
    app.NewDocument();
    app.NewDocument();
    struct Case {
        int index;
        bool sameLeft, sameTop;
    };
    for (Case c : {Case{app::kTileHorizontally, true, false},
                   Case{app::kTileVertically, false, true}, Case{app::kCascade, false, false}}) {
        int repaints = frame().repaints;
        Tile(c.index);
        EXPECT_EQ(frame().repaints, repaints + 1) << c.index;
        EXPECT_EQ(Slot(1).form().Left() == Slot(2).form().Left(), c.sameLeft) << c.index;
        EXPECT_EQ(Slot(1).form().Top() == Slot(2).form().Top(), c.sameTop) << c.index;
    }
    int repaints = frame().repaints;
    int left = Slot(1).form().Left();
    app::ArrangeWindows(app, 5, 300);
    EXPECT_EQ(frame().repaints, repaints);
    EXPECT_EQ(Slot(1).form().Left(), left);
}

TEST_F(Arrangement, NextWindowGoesThroughEveryWindowAndLeavesASingleOneActive) {
    core::Document* only = Active();
    ASSERT_TRUE(frame().PressShortcut(platform::Ctrl('D')));
    EXPECT_EQ(Active(), only);

    app.NewDocument();
    app.NewDocument();
    std::set<core::Document*> seen;
    for (int i = 0; i < 3; ++i) {
        seen.insert(Active());
        frame().PressShortcut(platform::Ctrl('D'));
    }
    EXPECT_EQ(seen.size(), 3u);
}
