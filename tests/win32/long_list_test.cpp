// The result list's real control past 65,535 items, keys that move the focus to another
// window, and input waiting in the queue.
#include <gtest/gtest.h>

#include <string>

#include "harness_support.h"

using namespace platform;
using win32_test::HwndOf;

namespace {

class LongListWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        FormDef def;
        def.kind = FormKind::Tool;
        def.name = "frmSearchResult";
        def.width = 4935;
        def.height = 2610;
        def.keyPreview = true;
        ControlDef list;
        list.kind = ControlKind::ListBox;
        list.name = "List1";
        list.width = 4935;
        list.height = 2610;
        list.tabIndex = 0;
        list.checkBoxes = true;
        def.controls.push_back(list);
        form = win32_test::Platform().CreateForm(def);
        FormDef other;
        other.kind = FormKind::Tool;
        other.name = "frmFind";
        other.width = 3000;
        other.height = 1000;
        ControlDef box;
        box.kind = ControlKind::TextBox;
        box.name = "txtFind";
        box.width = 2000;
        box.height = 330;
        box.tabIndex = 0;
        other.controls.push_back(box);
        dialog = win32_test::Platform().CreateForm(other);
    }
    void TearDown() override {
        form->Unload();
        dialog->Unload();
    }
    std::unique_ptr<Form> form, dialog;
};

TEST_F(LongListWindows, AClickOnABoxPast65535SwitchesThatItem) {
    auto& list = form->Get<ListBox>("List1");
    for (int i = 0; i < 70000; ++i)
        list.AddItem(std::to_string(i));
    form->Show();
    win32_test::Platform().DoEvents();
    std::vector<int> switched;
    list.onItemCheck = [&](int index) { switched.push_back(index); };
    HWND hwnd = HwndOf(list);
    SendMessageA(hwnd, LB_SETTOPINDEX, 69990, 0);
    RECT item;
    ASSERT_NE(SendMessageA(hwnd, LB_GETITEMRECT, 69992, reinterpret_cast<LPARAM>(&item)), LB_ERR);
    const int y = (item.top + item.bottom) / 2;
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(item.left + 3, y));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(item.left + 3, y));
    EXPECT_EQ(switched, std::vector<int>{69992});
    EXPECT_TRUE(list.Checked(69992));
    EXPECT_FALSE(list.Checked(69992 - 65536));
    // Space switches the current item, far down too.
    list.SetListIndex(69999);
    SendMessageA(hwnd, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(list.Checked(69999));
}

TEST_F(LongListWindows, AKeyThatSentTheFocusToAnotherWindowStaysThere) {
    auto& list = form->Get<ListBox>("List1");
    list.AddItem("0\tline");
    form->Show();
    dialog->Show();
    TextBox& txtFind = dialog->Get<TextBox>("txtFind");
    form->onKeyDown = [&](int key, int) {
        if (key == VK_TAB) txtFind.SetFocus();
    };
    list.SetFocus();
    ASSERT_EQ(GetFocus(), HwndOf(list));
    EXPECT_TRUE(win32_test::PressKey(HwndOf(list), VK_TAB));
    EXPECT_EQ(GetFocus(), HwndOf(txtFind));
}

TEST_F(LongListWindows, KeysFromTheKeyboardCountAsWaitingInput) {
    form->Show();
    form->Get<ListBox>("List1").SetFocus();
    win32_test::Platform().DoEvents();
    EXPECT_FALSE(win32_test::Platform().InputWaiting());
    INPUT key[2] = {};
    key[0].type = key[1].type = INPUT_KEYBOARD;
    key[0].ki.wVk = key[1].ki.wVk = VK_DOWN;
    key[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ASSERT_EQ(SendInput(2, key, sizeof(INPUT)), 2u);
    // The keys reach this thread's queue once the system has passed them on.
    bool waiting = false;
    for (int i = 0; i < 50 && !waiting; ++i) {
        waiting = win32_test::Platform().InputWaiting();
        if (!waiting) Sleep(10);
    }
    EXPECT_TRUE(waiting);
    win32_test::Platform().DoEvents();
    EXPECT_FALSE(win32_test::Platform().InputWaiting());
}

} // namespace

namespace {

// Whether `upper` lies above `lower` among the top-level windows.
bool Above(HWND upper, HWND lower) {
    for (HWND h = GetWindow(upper, GW_HWNDNEXT); h; h = GetWindow(h, GW_HWNDNEXT))
        if (h == lower) return true;
    return false;
}

TEST_F(LongListWindows, ShowingAVisibleToolWindowBringsItToTheFront) {
    form->Show();
    dialog->Show();
    // The order of the first showing is the system's affair (a late activation from the
    // desktop may still reorder them): put the dialog in front by hand.
    win32_test::Platform().DoEvents();
    BringWindowToTop(HwndOf(*dialog));
    ASSERT_TRUE(Above(HwndOf(*dialog), HwndOf(*form)));
    form->Show();
    EXPECT_TRUE(Above(HwndOf(*form), HwndOf(*dialog)));
}

} // namespace
