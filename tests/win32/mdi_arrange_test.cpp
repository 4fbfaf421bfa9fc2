// The frame's tile and cascade make the system's moves after the system has worked them out:
// the windows must end exactly where the system's own arrangement puts them, from every
// starting state, and the document area must be on the screen again afterwards.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "harness_support.h"

using namespace platform;
using win32_test::HwndOf;

namespace {

struct Start {
    const char* name;
    WindowState states[4];
};

struct Shape {
    RECT rect;
    WindowState state;
    bool operator==(const Shape& o) const { return EqualRect(&rect, &o.rect) && state == o.state; }
};

std::string Describe(const std::vector<Shape>& shapes) {
    std::string s;
    for (const Shape& shape : shapes) {
        char text[80];
        std::snprintf(text, sizeof text, "(%ld,%ld %ld,%ld %d) ", shape.rect.left, shape.rect.top,
                      shape.rect.right, shape.rect.bottom, static_cast<int>(shape.state));
        s += text;
    }
    return s;
}

class MdiArrangement : public ::testing::Test {
  protected:
    void SetUp() override {
        FormDef def;
        def.kind = FormKind::MdiFrame;
        def.name = "MDIArrange";
        def.width = 9000;
        def.height = 6000;
        frame = win32_test::Platform().CreateFrame(def);
        frame->Show();
        for (int i = 0; i < 4; ++i) {
            FormDef child;
            child.kind = FormKind::MdiChild;
            child.name = "Form1";
            child.caption = "Child " + std::to_string(i + 1);
            ControlDef box;
            box.kind = ControlKind::MultiLineBox;
            box.name = "Text1";
            box.width = 2000;
            box.height = 1000;
            child.controls.push_back(box);
            children.push_back(frame->CreateChild(child));
        }
        win32_test::Platform().DoEvents();
    }
    void TearDown() override {
        children.clear();
        frame.reset();
    }
    HWND Client() { return GetParent(HwndOf(*children[0])); }

    // The same scattered places and states before each arrangement.
    void Scatter(const Start& start) {
        for (size_t i = 0; i < children.size(); ++i) {
            children[i]->SetState(WindowState::Normal);
            children[i]->Move(300 * static_cast<int>(i), 200 * static_cast<int>(i),
                              3000 + 150 * static_cast<int>(i), 2000);
        }
        for (size_t i = 0; i < children.size(); ++i)
            if (start.states[i] != WindowState::Normal) children[i]->SetState(start.states[i]);
        win32_test::Platform().DoEvents();
    }
    std::vector<Shape> Shapes() {
        std::vector<Shape> shapes;
        for (auto& child : children) {
            RECT r;
            GetWindowRect(HwndOf(*child), &r);
            MapWindowPoints(nullptr, Client(), reinterpret_cast<POINT*>(&r), 2);
            shapes.push_back({r, child->State()});
        }
        return shapes;
    }

    std::unique_ptr<MdiFrame> frame;
    std::vector<std::unique_ptr<Form>> children;
};

TEST_F(MdiArrangement, EndsWhereTheSystemsOwnArrangementPutsTheWindows) {
    const WindowState N = WindowState::Normal, X = WindowState::Maximized,
                      M = WindowState::Minimized;
    const Start starts[] = {
        {"all normal", {N, N, N, N}},
        {"the last one maximised", {N, N, N, X}},
        {"one minimised", {N, M, N, N}},
        {"one minimised, the last maximised", {M, N, N, X}},
    };
    struct Kind {
        const char* name;
        Arrangement arrangement;
        UINT message;
        WPARAM wParam;
    };
    const Kind kinds[] = {
        {"tile horizontally", Arrangement::TileHorizontal, WM_MDITILE, MDITILE_HORIZONTAL},
        {"tile vertically", Arrangement::TileVertical, WM_MDITILE, MDITILE_VERTICAL},
        {"cascade", Arrangement::Cascade, WM_MDICASCADE, 0},
    };
    for (const Kind& kind : kinds) {
        for (const Start& start : starts) {
            SCOPED_TRACE(std::string(kind.name) + ", " + start.name);
            Scatter(start);
            SendMessageA(Client(), kind.message, kind.wParam, 0);
            win32_test::Platform().DoEvents();
            const std::vector<Shape> bySystem = Shapes();

            Scatter(start);
            frame->Arrange(kind.arrangement);
            EXPECT_TRUE(IsWindowVisible(Client()));
            win32_test::Platform().DoEvents();
            const std::vector<Shape> byFrame = Shapes();
            EXPECT_EQ(byFrame, bySystem)
                << "frame:  " << Describe(byFrame) << "\nsystem: " << Describe(bySystem);
        }
    }
}

TEST_F(MdiArrangement, WhileTheFrameHoldsItsPaintingTheAreaStaysHeld) {
    const Start start{
        "all normal",
        {WindowState::Normal, WindowState::Normal, WindowState::Normal, WindowState::Normal}};
    Scatter(start);
    SendMessageA(Client(), WM_MDITILE, MDITILE_VERTICAL, 0);
    const std::vector<Shape> bySystem = Shapes();

    Scatter(start);
    frame->HoldRedraw(true);
    frame->Arrange(Arrangement::TileVertical);
    EXPECT_FALSE(IsWindowVisible(Client()));
    frame->HoldRedraw(false);
    EXPECT_TRUE(IsWindowVisible(Client()));
    EXPECT_EQ(Shapes(), bySystem);
}

} // namespace
