// The program's scroll bars take the desktop's visual style, under Wine as on Windows, where
// even a program without a manifest gets them so: an arrow button lacks the raised 3-D edge
// with the dark shadow at its bottom right that the plain look draws.
#include <gtest/gtest.h>

#include "contract/contract_harness.h"
#include "harness_support.h"

using namespace platform;
using win32_test::HwndOf;

namespace {

// Whether the desktop draws in a visual style (uxtheme's IsThemeActive).
bool StyleActive() {
    HMODULE theme = LoadLibraryA("uxtheme.dll");
    auto active = theme ? reinterpret_cast<BOOL(WINAPI*)()>(
                              reinterpret_cast<void*>(GetProcAddress(theme, "IsThemeActive")))
                        : nullptr;
    return active && active();
}

TEST(StyledLook, ScrollBarArrowsTakeTheDesktopStyle) {
    if (!StyleActive()) GTEST_SKIP() << "the desktop draws without a visual style";
    auto form = win32_test::Platform().CreateForm(
        OneControlForm(ControlKind::MultiLineBox, "Text1", 4000, 3000));
    form->Show();
    win32_test::Platform().DoEvents();
    HWND edit = HwndOf(form->Get<TextBox>("Text1"));
    UpdateWindow(edit);

    // The bar's place from the system; its arrow buttons are square.
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetScrollBarInfo(edit, OBJID_VSCROLL, &info));
    RECT window;
    GetWindowRect(edit, &window);
    const int arrow = GetSystemMetrics(SM_CYVSCROLL);
    // The up arrow's bottom right pixel, in the window's own coordinates.
    const int x = info.rcScrollBar.right - 1 - window.left;
    const int y = info.rcScrollBar.top + arrow - 1 - window.top;
    HDC dc = GetWindowDC(edit);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(edit, dc);
    EXPECT_NE(pixel, GetSysColor(COLOR_3DDKSHADOW)) << std::hex << pixel;
    form->Unload();
}

} // namespace
