// The program's tool windows on real windows: Esc and the close box hide them, and their next
// use brings the same window back; the clipboard viewer keeps watching all the while, and
// opening it leaves the focus where it was.
#include <gtest/gtest.h>

#include "app/app.h"
#include "app/frame_window.h"
#include "contract/contract_harness.h"
#include "desktop/clipboard_viewer.h"
#include "harness_support.h"
#include "platform/keys.h"

using win32_test::HwndOf;
using win32_test::PressKey;

namespace {

class ProgramToolWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        app.Start();
        app.frame().form().onActivate = nullptr;
        win32_test::Platform().DoEvents();
    }
    void TearDown() override {
        for (core::ToolWindow* tool : app.tools.Made())
            tool->form().Hide();
    }
    void Choose(const char* item) {
        platform::Menu& menu = app.ActiveDocument()->menu();
        ASSERT_TRUE(menu.Choose(menu.Find(item))) << item;
        win32_test::Platform().DoEvents();
    }
    HWND Text1() { return HwndOf(app.ActiveDocument()->Text1()); }

    app::App app{win32_test::Platform()};
};

TEST_F(ProgramToolWindows, EscAndTheCloseBoxHideEachToolWindowAndItsNextUseShowsItAgain) {
    struct Case {
        const char* form;
        const char* command; // the menu item that shows it; none for the hidden tray window
        const char* escBox;  // where Esc is pressed (a multi-line box where the window has
                             // one); none for the tray window, which never shows
    };
    const Case cases[] = {
        {"frmCalc", "mnuTools1RowCalc", "txtMath"},
        {"frmFind", "mnuSearchFind", "txtFind"},
        {"frmSearchResult", "mnuSearchResult", "List1"},
        {"frmClipView", "mnuToolsClipboardViewer", "Text1"},
        {"frmPic", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        core::ToolWindow& tool = app.tools.Get(c.form);
        platform::Form& form = tool.form();
        HWND hwnd = HwndOf(form);
        for (const char* how : {"Esc", "close box"}) {
            SCOPED_TRACE(how);
            const bool esc = std::string(how) == "Esc";
            if (esc && !c.escBox) continue;
            if (c.command) Choose(c.command);
            if (esc) {
                HWND box = HwndOf(form.GetControl(c.escBox));
                SetFocus(box);
                PressKey(box, VK_ESCAPE);
            } else {
                SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
            }
            win32_test::Platform().DoEvents(); // what the keys and the box posted
            EXPECT_TRUE(IsWindow(hwnd));
            EXPECT_FALSE(IsWindowVisible(hwnd));
            ASSERT_EQ(app.tools.Find(c.form), &tool);
            ASSERT_TRUE(form.Loaded());
            if (!c.command) continue;
            Choose(c.command);
            EXPECT_TRUE(IsWindowVisible(hwnd));
            form.Hide();
        }
    }
    // The viewer went on watching the clipboard through all of it.
    auto& viewer = static_cast<desktop::ClipViewWindow&>(app.tools.Get("frmClipView"));
    ContractCopyText("copied after the viewer was closed");
    for (int i = 0; i < 250 && viewer.Text1().Text() != "copied after the viewer was closed"; ++i)
        win32_test::Platform().DoEvents(), Sleep(20);
    EXPECT_EQ(viewer.Text1().Text(), "copied after the viewer was closed");
}

TEST_F(ProgramToolWindows, OpeningTheClipboardViewerLeavesTheFocusInTheDocument) {
    SetFocus(Text1());
    for (int time = 0; time < 2; ++time) { // first made, then shown again
        PressKey(Text1(), platform::key::F(4), platform::shift::Shift);
        win32_test::Platform().DoEvents();
        EXPECT_TRUE(IsWindowVisible(HwndOf(app.tools.Get("frmClipView").form())));
        EXPECT_EQ(GetFocus(), Text1());
        app.tools.Get("frmClipView").form().Hide();
    }
}

} // namespace
