// The frame's own arrangements and its next window, on the fake and on real windows.
#include <gtest/gtest.h>

#include <set>

#include "contract/contract_harness.h"

class MdiArrangeContract : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::FormDef def;
        def.kind = platform::FormKind::MdiFrame;
        def.name = "MDIContract";
        def.width = 9000;
        def.height = 6000;
        frame = ContractPlatform().CreateFrame(def);
        frame->Show();
    }
    // The frame goes without closing: a closed frame ends the program's message loop.
    void TearDown() override {
        children.clear();
        frame.reset();
    }
    platform::Form& AddChild() {
        platform::FormDef def;
        def.kind = platform::FormKind::MdiChild;
        def.name = "Form1";
        def.caption = "Child " + std::to_string(children.size() + 1);
        children.push_back(frame->CreateChild(def));
        ContractPlatform().DoEvents();
        return *children.back();
    }
    platform::Form& Child(int i) { return *children.at(i); }

    std::unique_ptr<platform::MdiFrame> frame;
    std::vector<std::unique_ptr<platform::Form>> children;
};

TEST_F(MdiArrangeContract, TilingStacksOrSetsSideBySideAndCascadeStaggers) {
    for (int i = 0; i < 3; ++i)
        AddChild();
    Child(0).SetState(platform::WindowState::Maximized);

    frame->Arrange(platform::Arrangement::TileHorizontal);
    std::set<int> tops, lefts;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Child(i).State(), platform::WindowState::Normal) << i;
        EXPECT_EQ(Child(i).Left(), Child(0).Left()) << i;
        EXPECT_EQ(Child(i).Width(), Child(0).Width()) << i;
        tops.insert(Child(i).Top());
    }
    EXPECT_EQ(tops.size(), 3u);

    frame->Arrange(platform::Arrangement::TileVertical);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Child(i).Top(), Child(0).Top()) << i;
        EXPECT_EQ(Child(i).Height(), Child(0).Height()) << i;
        lefts.insert(Child(i).Left());
    }
    EXPECT_EQ(lefts.size(), 3u);

    frame->Arrange(platform::Arrangement::Cascade);
    tops.clear(), lefts.clear();
    for (int i = 0; i < 3; ++i) {
        tops.insert(Child(i).Top());
        lefts.insert(Child(i).Left());
    }
    EXPECT_EQ(tops.size(), 3u);
    EXPECT_EQ(lefts.size(), 3u);
}

TEST_F(MdiArrangeContract, AMinimisedWindowStaysMinimisedThroughTiling) {
    AddChild();
    AddChild();
    Child(0).SetState(platform::WindowState::Minimized);
    frame->Arrange(platform::Arrangement::TileHorizontal);
    EXPECT_EQ(Child(0).State(), platform::WindowState::Minimized);
    EXPECT_EQ(Child(1).State(), platform::WindowState::Normal);
}

TEST_F(MdiArrangeContract, NextChildCyclesThroughAllAndHoldingRedrawKeepsMoves) {
    platform::Form& only = AddChild();
    frame->ActivateNextChild();
    EXPECT_EQ(frame->ActiveChild(), &only);

    AddChild();
    AddChild();
    std::vector<platform::Form*> visited;
    for (int i = 0; i < 4; ++i) {
        visited.push_back(frame->ActiveChild());
        frame->ActivateNextChild();
        ContractPlatform().DoEvents();
    }
    EXPECT_EQ(std::set<platform::Form*>(visited.begin(), visited.begin() + 3).size(), 3u);
    EXPECT_EQ(visited[3], visited[0]);

    frame->HoldRedraw(true);
    Child(1).SetState(platform::WindowState::Normal);
    Child(1).Move(150, 300, 3000, 1500);
    frame->HoldRedraw(false);
    EXPECT_EQ(Child(1).Left(), 150);
    EXPECT_EQ(Child(1).Top(), 300);
    EXPECT_EQ(Child(1).Height(), 1500);
}
