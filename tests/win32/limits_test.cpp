// Texts longer than a document holds, in the real program: a paste of a long clipboard text
// by every way the user has, a Replace that would grow the text past the capacity, and the
// clipboard viewer's note on a longer text.
#include <gtest/gtest.h>

#include <functional>

#include "app/app.h"
#include "app/frame_window.h"
#include "contract/contract_harness.h"
#include "desktop/clipboard_viewer.h"
#include "harness_support.h"
#include "platform/keys.h"
#include "search/find_dialog.h"
#include "search/search_commands.h"
#include "search/search_result_window.h"

using win32_test::HwndOf;
using win32_test::PressKey;
namespace shift = platform::shift;

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
    // The context menu's Paste, chosen by its access key once the menu is up.
    auto contextMenu = [box] {
        win32_test::DialogDriver driver([](HWND menu) { PostMessageA(menu, WM_CHAR, 'p', 1); },
                                        "#32768");
        SendMessageA(box, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(box), MAKELPARAM(-1, -1));
    };
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"Ctrl+V", [box] { PressKey(box, 'V', shift::Ctrl); }},
        {"Shift+Ins", [box] { PressKey(box, VK_INSERT, shift::Shift); }},
        {"WM_PASTE", [box] { SendMessageA(box, WM_PASTE, 0, 0); }},
        {"context menu", contextMenu},
    };
    for (const auto& [name, paste] : ways) {
        SCOPED_TRACE(name);
        Text1().SetText("before");
        Text1().SetSelStart(3);
        platform.shown.clear();
        paste();
        platform.DoEvents();
        EXPECT_TRUE(Text1().Text() == "before") << name;
        if (platform.shown.size() != 1u) {
            ADD_FAILURE() << platform.shown.size() << " messages";
            continue;
        }
        EXPECT_EQ(platform.shown[0].title, "Untitled");
        EXPECT_NE(platform.shown[0].text.find("is 70000 characters long, but this document has "
                                              "room for only 65529 more"),
                  std::string::npos)
            << platform.shown[0].text;
    }
    EXPECT_TRUE(ContractPlatform().SystemClipboard().GetText() == longer);

    // A text that fits goes in whole.
    OtherProgramPutsText(std::string(65529, 'c'));
    platform.shown.clear();
    PressKey(box, VK_INSERT, shift::Shift);
    EXPECT_EQ(Text1().Text().size(), 65535u);
    EXPECT_TRUE(platform.shown.empty());
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
    EXPECT_EQ(Text1().Text(), text);
    ASSERT_EQ(platform.shown.size(), 1u);
    EXPECT_EQ(platform.shown[0].title, "Find & Replace...");
    EXPECT_EQ(platform.shown[0].text,
              "Replacing the 1000 checked matches would make the text 66000 characters long, "
              "465 more than a document can hold (65535).\r\nNothing was replaced.");
    platform::ListBox& list = app.tools.Get<search::SearchResultWindow>().List1();
    EXPECT_EQ(list.Item(list.Count() - 1), "\t*** nothing replaced");

    // Made to fit by unchecking matches, the same Replace goes through as one edit.
    for (int i = 0; i < 465; ++i)
        list.SetChecked(i + 1, false); // the first line is the cursor marker
    find.form().Get<platform::Button>("cmdReplace").Press();
    EXPECT_EQ(Text1().Text().size(), 65535u);
    EXPECT_EQ(Text1().Text().substr(0, 467), std::string(465, 'a') + "bb");
    Text1().SendMessage(WM_UNDO, 0, 0);
    EXPECT_EQ(Text1().Text(), text);
}

TEST_F(LimitsProgramTest, TheClipboardViewerSaysWhenItShowsOnlyTheFirstPart) {
    OtherProgramPutsText(std::string(100000, 'v'));
    desktop::OpenClipboardViewer(app);
    platform.DoEvents();
    auto& viewer = app.tools.Get<desktop::ClipViewWindow>();
    EXPECT_EQ(viewer.Text1().Text().size(), 65535u);
    EXPECT_EQ(viewer.form().Get<platform::Label>("Label1_0").Caption(),
              "Text on the Clipboard (the first 65535 of 100000 characters):");
    viewer.form().Hide();
}
