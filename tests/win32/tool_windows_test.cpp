// The program's tool windows on real windows: Esc and the close box hide them and their next
// use shows the same window again; the clipboard viewer keeps watching all the while, and
// opening it leaves the focus in the document.
#include <gtest/gtest.h>

#include "app/app.h"
#include "app/frame_window.h"
#include "contract/contract_harness.h"
#include "desktop/clipboard_viewer.h"
#include "harness_support.h"
#include "platform/keys.h"

using win32_test::HwndOf;
using win32_test::PressKey;

TEST(ProgramToolWindows, EscAndTheCloseBoxHideEachToolWindowAndItsNextUseShowsItAgain) {
    app::App app{win32_test::Platform()};
    app.Start();
    app.frame().form().onActivate = nullptr;
    platform::Menu& menu = app.ActiveDocument()->menu();
    struct Case {
        const char* form;
        const char* command; // none for the tray window, which never shows
        const char* escBox;  // a multi-line box where the window has one
    };
    const Case cases[] = {
        {"frmCalc", "mnuTools1RowCalc", "txtMath"},
        {"frmFind", "mnuSearchFind", "txtFind"},
        {"frmSearchResult", "mnuSearchResult", "List1"},
        {"frmClipView", "mnuToolsClipboardViewer", "Text1"},
        {"frmPic", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        core::ToolWindow& tool = app.tools.Get(c.form);
        HWND hwnd = HwndOf(tool.form());
        for (bool esc : {true, false}) {
            SCOPED_TRACE(std::string(c.form) + (esc ? " Esc" : " close box"));
            if (esc && !c.escBox) continue;
            if (c.command) menu.Choose(menu.Find(c.command));
            if (esc) {
                HWND box = HwndOf(tool.form().GetControl(c.escBox));
                SetFocus(box);
                PressKey(box, VK_ESCAPE);
            } else {
                SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
            }
            win32_test::Platform().DoEvents(); // what the key and the box posted
            ASSERT_TRUE(IsWindow(hwnd));
            EXPECT_FALSE(IsWindowVisible(hwnd));
            ASSERT_EQ(app.tools.Find(c.form), &tool);
            if (c.command) menu.Choose(menu.Find(c.command));
            EXPECT_EQ(IsWindowVisible(hwnd) != FALSE, c.command != nullptr);
            tool.form().Hide();
        }
    }
    // The viewer went on watching the clipboard through all of it.
    ContractCopyText("copied after the viewer was closed");
    auto& viewer = static_cast<desktop::ClipViewWindow&>(app.tools.Get("frmClipView"));
    EXPECT_EQ(viewer.Text1().Text(), "copied after the viewer was closed");

    // Opening the viewer leaves the focus where the user types.
    HWND text1 = HwndOf(app.ActiveDocument()->Text1());
    SetFocus(text1);
    PressKey(text1, platform::key::F(4), platform::shift::Shift);
    EXPECT_TRUE(IsWindowVisible(HwndOf(viewer.form())));
    EXPECT_EQ(GetFocus(), text1);
}
