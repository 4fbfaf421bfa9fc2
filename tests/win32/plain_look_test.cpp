// Under Wine the program's scroll bars are drawn plain, as Windows draws them for a program
// without a visual-styles manifest: an arrow button has the raised 3-D edge with the dark
// shadow at its bottom right, which the desktop style's flat buttons lack.
#include <gtest/gtest.h>

#include "contract/contract_harness.h"
#include "harness_support.h"

using namespace platform;
using win32_test::HwndOf;

namespace {

bool UnderWine() {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

TEST(PlainLook, ScrollBarArrowsHaveTheRaisedEdge) {
    if (!UnderWine()) GTEST_SKIP() << "Windows draws them so by itself";
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
    EXPECT_EQ(pixel, GetSysColor(COLOR_3DDKSHADOW)) << std::hex << pixel;
    form->Unload();
}

} // namespace
