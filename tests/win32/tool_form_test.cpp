// Tool windows and their controls under real windows: key preview, dialog keys, typing into
// a text box, and the check boxes of a list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness_support.h"
#include "platform/win32/win32_common.h"

using namespace platform;
using win32_test::HwndOf;

namespace {

ControlDef Control(ControlKind kind, std::string name, int top, int tabIndex = -1) {
    ControlDef def;
    def.kind = kind;
    def.name = std::move(name);
    def.left = 120;
    def.top = top;
    def.width = 3000;
    def.height = 330;
    def.tabIndex = tabIndex;
    return def;
}

class ToolForms : public ::testing::Test {
  protected:
    void SetUp() override {
        FormDef def;
        def.kind = FormKind::Tool;
        def.name = "frmFind";
        def.caption = "Find";
        def.width = 4500;
        def.height = 4000;
        def.keyPreview = true;
        def.controls.push_back(Control(ControlKind::TextBox, "txtFind", 120, 0));
        ControlDef ok = Control(ControlKind::Button, "cmdFind", 600, 1);
        ok.caption = "&Find";
        ok.isDefault = true;
        def.controls.push_back(ok);
        ControlDef hide = Control(ControlKind::Button, "cmdHide", 1000, 2);
        hide.caption = "Hide";
        hide.isCancel = true;
        def.controls.push_back(hide);
        ControlDef list = Control(ControlKind::ListBox, "List1", 1400, 3);
        list.height = 1500;
        list.checkBoxes = true;
        def.controls.push_back(list);
        form = win32_test::Platform().CreateForm(def);
        form->Get<Button>("cmdFind").onClick = [this] { pressed.push_back("find"); };
        form->Get<Button>("cmdHide").onClick = [this] { pressed.push_back("hide"); };
        form->Show();
        text = &form->Get<TextBox>("txtFind");
        text->SetFocus();
    }
    void TearDown() override { form->Unload(); }

    // Sends a message through the program's loop handling, as it would come from the queue.
    void Post(HWND hwnd, UINT message, WPARAM wParam) {
        MSG msg{hwnd, message, wParam, 1, 0, {}};
        if (win32::Win32Platform::PreTranslate(msg)) return;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    void TypeChar(HWND hwnd, char c) { Post(hwnd, WM_CHAR, static_cast<unsigned char>(c)); }

    std::unique_ptr<Form> form;
    TextBox* text = nullptr;
    std::vector<std::string> pressed;
};

TEST_F(ToolForms, StartHiddenAndShowOnRequest) {
    FormDef def;
    def.kind = FormKind::Tool;
    def.caption = "Hidden";
    auto hidden = win32_test::Platform().CreateForm(def);
    EXPECT_TRUE(hidden->Loaded());
    EXPECT_FALSE(hidden->Visible());
    EXPECT_EQ(GetWindow(HwndOf(*hidden), GW_OWNER), nullptr);
    hidden->Show();
    EXPECT_TRUE(hidden->Visible());
    hidden->Hide();
    EXPECT_FALSE(hidden->Visible());
    hidden->Unload();
    EXPECT_FALSE(hidden->Loaded());
    hidden->Show(); // safe after the window is gone
    EXPECT_FALSE(hidden->Visible());
}

TEST_F(ToolForms, ClientSizeFollowsTheDefinitionInTwips) {
    EXPECT_NEAR(form->ScaleWidth(), 4500, 15);
    EXPECT_NEAR(form->ScaleHeight(), 4000, 15);
    auto& find = form->Get<Button>("cmdFind");
    EXPECT_NEAR(find.Top(), 600, 15);
    EXPECT_NEAR(find.Width(), 3000, 15);
    EXPECT_EQ(win32::TwipsToPixels(1440, win32::SystemDpi()),
              GetDeviceCaps(GetDC(nullptr), LOGPIXELSX));
}

TEST_F(ToolForms, EnterAndEscPressTheDefaultAndCancelButtons) {
    HWND box = HwndOf(*text);
    Post(box, WM_KEYDOWN, VK_RETURN);
    Post(box, WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(pressed, (std::vector<std::string>{"find", "hide"}));
}

TEST_F(ToolForms, KeyPreviewSeesKeysFirstAndCanSwallowThem) {
    std::vector<int> downs;
    form->onKeyDown = [&](int key, int) { downs.push_back(key); };
    form->onKeyPress = [](int& ascii) {
        if (ascii == 'x') ascii = 0;   // swallowed
        if (ascii == 'a') ascii = 'b'; // replaced
    };
    int changes = 0;
    text->onChange = [&] { ++changes; };
    HWND box = HwndOf(*text);
    Post(box, WM_KEYDOWN, 'A');
    for (char c : std::string("axc"))
        TypeChar(box, c);
    EXPECT_EQ(downs, std::vector<int>{'A'});
    EXPECT_EQ(text->Text(), "bc");
    EXPECT_EQ(changes, 2); // one per typed character that arrived
}

TEST_F(ToolForms, WithoutKeyPreviewTheFormSeesNoKeys) {
    FormDef def;
    def.kind = FormKind::Tool;
    def.controls.push_back(Control(ControlKind::TextBox, "txtMath", 120, 0));
    auto plain = win32_test::Platform().CreateForm(def);
    int seen = 0;
    plain->onKeyDown = [&](int, int) { ++seen; };
    plain->onKeyPress = [&](int&) { ++seen; };
    plain->Show();
    auto& box = plain->Get<TextBox>("txtMath");
    box.SetFocus();
    Post(HwndOf(box), WM_KEYDOWN, VK_LEFT);
    TypeChar(HwndOf(box), 'x');
    EXPECT_EQ(seen, 0);
    EXPECT_EQ(box.Text(), "x");
    plain->Unload();
}

TEST_F(ToolForms, EscReachesTheKeyPreviewAsACharacterOnlyWithoutACancelButton) {
    std::vector<int> presses;
    form->onKeyPress = [&](int& ascii) { presses.push_back(ascii); };
    Post(HwndOf(*text), WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(pressed, std::vector<std::string>{"hide"});
    EXPECT_TRUE(presses.empty());

    FormDef def;
    def.kind = FormKind::Tool;
    def.width = 3000;
    def.height = 1500;
    def.keyPreview = true;
    def.controls.push_back(Control(ControlKind::TextBox, "txtMath", 120, 0));
    ControlDef label = Control(ControlKind::Label, "Label1", 600, 1);
    label.caption = "Expression :";
    def.controls.push_back(label);
    auto calc = win32_test::Platform().CreateForm(def);
    calc->onKeyPress = [&](int& ascii) { presses.push_back(ascii); };
    calc->Show();
    auto& math = calc->Get<TextBox>("txtMath");
    math.SetFocus();
    Post(HwndOf(math), WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(presses, std::vector<int>{27});
    // A label keeps its place in the tab order but Tab passes it by.
    EXPECT_FALSE(GetWindowLongPtrA(HwndOf(calc->Get<Label>("Label1")), GWL_STYLE) & WS_TABSTOP);
    Post(HwndOf(math), WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(GetFocus(), HwndOf(math));
    calc->Unload();
}

TEST_F(ToolForms, TextBoxReportsKeyReleasesAndCompletedClicks) {
    std::vector<std::string> events;
    text->onKeyUp = [&](int key, int) { events.push_back("up" + std::to_string(key)); };
    text->onClick = [&] { events.push_back("click"); };
    HWND box = HwndOf(*text);
    SendMessageA(box, WM_KEYUP, VK_RIGHT, 0);
    SendMessageA(box, WM_LBUTTONUP, 0, MAKELPARAM(5, 5)); // no press before: not a click
    SendMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(box, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(events, (std::vector<std::string>{"up" + std::to_string(VK_RIGHT), "click"}));
}

TEST_F(ToolForms, ListCheckBoxesSwitchOnSpaceAndOnAClickOnTheBox) {
    auto& list = form->Get<ListBox>("List1");
    for (int i = 0; i < 3; ++i)
        list.AddItem("line " + std::to_string(i));
    win32_test::Platform().DoEvents(); // drawing comes back on
    std::vector<int> switched;
    list.onItemCheck = [&](int index) { switched.push_back(index); };
    HWND hwnd = HwndOf(list);
    list.SetListIndex(1);
    SendMessageA(hwnd, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(list.Checked(1));
    RECT item;
    SendMessageA(hwnd, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
    int y = (item.top + item.bottom) / 2;
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(item.left + 3, y));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(item.left + 3, y));
    EXPECT_TRUE(list.Checked(2));
    // A click on the text selects without switching.
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(item.right - 5, y));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(item.right - 5, y));
    EXPECT_TRUE(list.Checked(2));
    EXPECT_EQ(list.ListIndex(), 2);
    EXPECT_EQ(switched, (std::vector<int>{1, 2}));
    // Program changes are not the user's: no event.
    list.SetChecked(0, true);
    EXPECT_EQ(switched.size(), 2u);
}

// How fast a long list fills is measured by the search benchmark (bench/win32/search_bench).
TEST_F(ToolForms, LongListsKeepEveryItem) {
    auto& list = form->Get<ListBox>("List1");
    for (int i = 0; i < 30000; ++i)
        list.AddItem("match line " + std::to_string(i));
    EXPECT_EQ(list.Count(), 30000);
    EXPECT_EQ(list.Item(29999), "match line 29999");
}

} // namespace
