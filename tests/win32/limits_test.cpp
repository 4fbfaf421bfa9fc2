// Texts longer than a document holds, in the real program: a long clipboard text pasted by
// every way the user has, and a Replace that would grow the text past the capacity.
#include <gtest/gtest.h>

#include <functional>

#include "app/app.h"
#include "app/frame_window.h"
#include "contract/contract_harness.h"
#include "harness_support.h"
#include "platform/keys.h"
#include "search/find_dialog.h"
#include "search/search_commands.h"

using win32_test::HwndOf;
using win32_test::PressKey;

namespace {

class LimitsProgramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        app.Start();
        app.frame().form().onActivate = nullptr;
        platform.DoEvents();
    }
    platform::TextBox& Text1() { return app.ActiveDocument()->Text1(); }

    win32_test::ScriptedPlatform platform;
    app::App app{platform};
};

} // namespace

TEST_F(LimitsProgramTest, APasteLongerThanTheRoomChangesNothingWhicheverWayItComes) {
    const HWND box = HwndOf(Text1());
    const std::string longer(70000, 'c');
    OtherProgramPutsText(longer);
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"Ctrl+V", [box] { PressKey(box, 'V', platform::shift::Ctrl); }},
        {"Shift+Ins", [box] { PressKey(box, VK_INSERT, platform::shift::Shift); }},
        {"WM_PASTE", [box] { SendMessageA(box, WM_PASTE, 0, 0); }},
        // The context menu's Paste, by its access key waiting for the menu.
        {"context menu",
         [box] {
             PostMessageA(box, WM_CHAR, 'p', 1);
             SendMessageA(box, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(box), -1);
         }},
    };
    for (const auto& [name, paste] : ways) {
        Text1().SetText("before");
        Text1().SetSelStart(3);
        platform.shown.clear();
        paste();
        platform.DoEvents();
        EXPECT_TRUE(Text1().Text() == "before") << name;
        ASSERT_EQ(platform.shown.size(), 1u) << name;
        EXPECT_EQ(platform.shown[0].title, "Untitled");
        EXPECT_NE(platform.shown[0].text.find("is 70000 characters long, but this document has "
                                              "room for only 65529 more"),
                  std::string::npos);
    }
    EXPECT_TRUE(ContractPlatform().SystemClipboard().GetText() == longer);
}

TEST_F(LimitsProgramTest, AReplacePastTheCapacityChangesNothingAndSaysByHowMuch) {
    const std::string text = std::string(1000, 'a') + std::string(64000, 'x');
    Text1().SetText(text);
    search::OpenFind(app);
    auto& find = app.tools.Get<search::FindDialog>();
    find.txtFind().SetText("a");
    find.txtReplace().SetText("bb");
    find.form().Get<platform::Button>("cmdReplace").Press();
    platform.DoEvents();
    EXPECT_TRUE(Text1().Text() == text);
    ASSERT_EQ(platform.shown.size(), 1u);
    EXPECT_EQ(platform.shown[0].title, "Find & Replace...");
    EXPECT_EQ(platform.shown[0].text,
              "Replacing the 1000 checked matches would make the text 66000 characters long, "
              "465 more than a document can hold (65535).\r\nNothing was replaced.");
}
