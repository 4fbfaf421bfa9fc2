// The editing commands in the program on real windows: the Edit menu's grey items, the real
// clipboard shared with other programs, a paste too long to fit, case and lines on a full
// text, the inserts.
#include <gtest/gtest.h>

#include <functional>

#include "app/app.h"
#include "app/frame_window.h"
#include "contract/contract_harness.h"
#include "harness_support.h"
#include "platform/keys.h"

using win32_test::HwndOf;
using win32_test::PressKey;
namespace shift = platform::shift;

namespace {

class EditProgramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        app.Start();
        app.frame().form().onActivate = nullptr;
        win32_test::Platform().DoEvents();
    }
    core::Document& Doc() { return *app.ActiveDocument(); }
    platform::TextBox& Text1() { return Doc().Text1(); }
    HWND Frame() { return HwndOf(app.frame().form()); }
    void Select(int start, int length) {
        Text1().SetSelStart(start);
        Text1().SetSelLength(length);
    }
    void OpenEditMenu() { OpenMenuAsUser(app.frame().form(), Doc().menu(), "mnuEdit"); }
    // Whether the frame's bar shows an item of the Edit menu grey, by its position there.
    bool Grey(int position) {
        HMENU bar = GetMenu(Frame());
        for (int i = 0; i < GetMenuItemCount(bar); ++i) {
            char text[32] = "";
            GetMenuStringA(bar, i, text, sizeof text, MF_BYPOSITION);
            if (std::string(text) == "&Edit")
                return GetMenuState(GetSubMenu(bar, i), position, MF_BYPOSITION) & MF_GRAYED;
        }
        ADD_FAILURE() << "no Edit menu";
        return false;
    }
    bool Choose(const char* item) { return Doc().menu().Choose(Doc().menu().Find(item)); }

    app::App app{win32_test::Platform()};
};

// Positions in the Edit menu: Undo, Delete, -, Cut, Copy, Paste, -, Change case, Truncate.
constexpr int kCut = 3, kCopy = 4, kPaste = 5, kChangeCase = 7, kTruncate = 8;

} // namespace

TEST_F(EditProgramTest, TheEditMenuGreysItsSelectionItemsAndTheirShortcutsAsItOpens) {
    Text1().SetText("hello world");
    Select(0, 0);
    OpenEditMenu();
    for (int item : {kCut, kCopy, kChangeCase, kTruncate})
        EXPECT_TRUE(Grey(item)) << item;
    EXPECT_FALSE(Grey(kPaste));
    // Selected now, but the menu has not been opened again: Ctrl+X and Ctrl+C do nothing.
    OtherProgramPutsText("before");
    Select(0, 5);
    PressKey(HwndOf(Text1()), 'X', shift::Ctrl);
    PressKey(HwndOf(Text1()), 'C', shift::Ctrl);
    EXPECT_EQ(Text1().Text(), "hello world");
    EXPECT_EQ(ContractPlatform().SystemClipboard().GetText(), "before");
    OpenEditMenu();
    for (int item : {kCut, kCopy, kChangeCase, kTruncate})
        EXPECT_FALSE(Grey(item)) << item;
    PressKey(HwndOf(Text1()), 'X', shift::Ctrl);
    EXPECT_EQ(Text1().Text(), " world");
    EXPECT_EQ(ContractPlatform().SystemClipboard().GetText(), "hello");
}

TEST_F(EditProgramTest, CutCopyAndPasteGoThroughTheSystemClipboard) {
    Text1().SetText("one two");
    Select(4, 3);
    ASSERT_TRUE(Choose("mnuEditCopy"));
    EXPECT_EQ(ContractPlatform().SystemClipboard().GetText(), "two");
    Select(0, 0);
    Choose("mnuEditPaste");
    EXPECT_EQ(Text1().Text(), "twoone two");
    EXPECT_EQ(Text1().SelStart(), 3);
    OtherProgramPutsText("X\r\nY");
    Select(3, 3);
    Choose("mnuEditPaste");
    EXPECT_EQ(Text1().Text(), "twoX\r\nY two");
    // A picture only: the selection goes.
    OtherProgramPutsPicture();
    Select(0, 3);
    Choose("mnuEditPaste");
    EXPECT_EQ(Text1().Text(), "X\r\nY two");
    // Held by another program: nothing changes.
    OtherProgramPutsText("theirs");
    OtherProgramHoldsClipboard(false);
    Select(0, 1);
    Choose("mnuEditCut");
    Choose("mnuEditPaste");
    OtherProgramReleasesClipboard();
    EXPECT_EQ(Text1().Text(), "X\r\nY two");
    EXPECT_EQ(ContractPlatform().SystemClipboard().GetText(), "theirs");
}

TEST_F(EditProgramTest, CaseAndTruncateOnAFullTextOfEveryByte) {
    std::string text;
    while (text.size() < 65535)
        for (int c = 1; c < 256 && text.size() < 65535; ++c)
            text += static_cast<char>(c);
    for (const char* item : {"mnuEditCaseUpperCase", "mnuEditCaseCapitalize",
                             "mnuEditCaseCrackzCase", "mnuEditTruncateLines"}) {
        Text1().SetText(text);
        PressKey(HwndOf(Text1()), 'A', shift::Ctrl);
        ASSERT_EQ(Text1().SelLength(), 65535);
        ASSERT_TRUE(Choose(item)) << item;
        EXPECT_EQ(Text1().Text().size(), 65535u) << item;
        EXPECT_EQ(Text1().SelStart(), 65535) << item;
    }
    Text1().SetText("caf\xE9  \r\nNa\xEFve ");
    PressKey(HwndOf(Text1()), 'A', shift::Ctrl);
    Choose("mnuEditCaseUpperCase");
    EXPECT_EQ(Text1().Text(), "CAF\xC9  \r\nNA\xCFVE ");
    PressKey(HwndOf(Text1()), 'A', shift::Ctrl);
    Choose("mnuEditTruncateLines");
    EXPECT_EQ(Text1().Text(), "CAF\xC9\r\nNA\xCFVE");
}

TEST_F(EditProgramTest, InsertsWriteTheSystemsDateAndTime) {
    platform::Locale& locale = ContractPlatform().UserLocale();
    Text1().SetText("");
    platform::LocalTime before = ContractPlatform().Now();
    PressKey(HwndOf(Text1()), platform::key::F(7));
    EXPECT_EQ(Text1().Text(), locale.ShortDate(before));
    Text1().SetText("");
    PressKey(HwndOf(Text1()), platform::key::F(5));
    std::string now = Text1().Text();
    std::string date = locale.LongDate(before) + " (" + locale.DatePicture(before, "dddd") + ") ";
    EXPECT_EQ(now.substr(0, date.size()), date);
    ASSERT_EQ(now.size(), date.size() + 8) << now;
    EXPECT_EQ(now[date.size() + 2], ':');
    EXPECT_EQ(now[date.size() + 5], ':');
}

// A clipboard text longer than a document has room for, pasted by the edit control's own ways
// (each sends it WM_PASTE; Shift+Ins: the contract tests), goes through the program's Paste,
// which refuses it (its message: the host tests).
TEST(EditProgramLimits, APasteLongerThanTheRoomChangesNothingWhicheverWayItComes) {
    win32_test::ScriptedPlatform platform;
    app::App app{platform};
    app.Start();
    app.frame().form().onActivate = nullptr;
    platform::TextBox& text1 = app.ActiveDocument()->Text1();
    const HWND box = HwndOf(text1);
    OtherProgramPutsText(std::string(70000, 'c'));
    const std::function<void()> ways[] = {
        [box] { PressKey(box, 'V', shift::Ctrl); },
        // The context menu's Paste, by its access key waiting for the menu.
        [box] {
            PostMessageA(box, WM_CHAR, 'p', 1);
            SendMessageA(box, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(box), -1);
        },
    };
    for (const auto& paste : ways) {
        SCOPED_TRACE(&paste - ways);
        text1.SetText("before");
        platform.shown.clear();
        paste();
        platform.DoEvents();
        EXPECT_TRUE(text1.Text() == "before");
        EXPECT_EQ(platform.shown.size(), 1u);
    }
}
