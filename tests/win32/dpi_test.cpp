// The windows at the DPIs of today's screens: a tool window's pixels are its twips at the
// screen's DPI and, after the system says it is drawn at another DPI, at that one, with every
// label whole and the text fields' font scaled; a document laid out again keeps its text and
// caret.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/app.h"
#include "app/frame_window.h"
#include "calc/calculator_window.h"
#include "desktop/clipboard_viewer.h"
#include "desktop/tray_window.h"
#include "harness_support.h"
#include "search/find_dialog.h"
#include "search/search_result_window.h"

using namespace platform;
using platform::win32::SystemDpi;
using win32_test::HwndOf;

namespace {

// What the system sends a window moved to a monitor of another scale.
void SendDpiChanged(HWND window, int dpi, int fromDpi) {
    RECT r;
    GetWindowRect(window, &r);
    r.right = r.left + MulDiv(r.right - r.left, dpi, fromDpi);
    r.bottom = r.top + MulDiv(r.bottom - r.top, dpi, fromDpi);
    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&r));
}

// A control's font's metrics, and the room its caption takes drawn as a label draws it.
TEXTMETRICA FontOf(HWND hwnd, const std::string& caption = "", RECT* room = nullptr) {
    HDC dc = GetDC(hwnd);
    SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(hwnd, WM_GETFONT, 0, 0)));
    TEXTMETRICA font{};
    GetTextMetricsA(dc, &font);
    if (room) DrawTextA(dc, caption.c_str(), -1, room, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    ReleaseDC(hwnd, dc);
    return font;
}

// The text fields' 9 points at a DPI, within a bitmap face's step.
void ExpectTextFont(HWND hwnd, int dpi, const std::string& where) {
    const TEXTMETRICA font = FontOf(hwnd);
    const int em = MulDiv(9, dpi, 72);
    EXPECT_NEAR(font.tmHeight - font.tmInternalLeading, em, em / 8 + 1) << where;
}

// Each control of the definition at its twips x DPI / 1440; the labels' captions on one line.
void ExpectLaidOut(Form& form, const FormDef& def, int dpi, const std::string& where) {
    for (const ControlDef& c : def.controls) {
        HWND hwnd = HwndOf(form.GetControl(c.name));
        RECT r, client;
        GetWindowRect(hwnd, &r);
        MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
        // A drop-down list's closed height is the system's.
        const int height =
            c.kind == ControlKind::ComboList ? r.bottom - r.top : MulDiv(c.height, dpi, 1440);
        EXPECT_EQ(std::make_tuple(r.left, r.top, r.right - r.left, r.bottom - r.top),
                  std::make_tuple(MulDiv(c.left, dpi, 1440), MulDiv(c.top, dpi, 1440),
                                  MulDiv(c.width, dpi, 1440), height))
            << where << c.name;
        if (c.font) {
            ExpectTextFont(hwnd, dpi, where + c.name);
        }
        if (c.kind != ControlKind::Label) continue;
        GetClientRect(hwnd, &client);
        RECT text = client;
        const int line = FontOf(hwnd, c.caption, &text).tmHeight;
        EXPECT_TRUE(text.right <= client.right && text.bottom <= line && line <= client.bottom)
            << where << c.caption;
    }
}

} // namespace

TEST(Dpi, ToolWindowsMeasureTheirTwipsAtTheScreenDpiAndAfterEachChange) {
    const char* expected = std::getenv("SCRIVEX_TEST_DPI"); // set where the prefix has one
    ASSERT_EQ(SystemDpi(), expected ? std::atoi(expected) : SystemDpi());
    for (const FormDef& def :
         {search::FindFormDef(), search::SearchResultFormDef(), calc::CalculatorFormDef(),
          desktop::ClipViewFormDef(), desktop::TrayFormDef()}) {
        auto form = win32_test::Platform().CreateForm(def);
        RECT client; // (the tray window, never shown, is smaller than a window can be)
        GetClientRect(HwndOf(*form), &client);
        if (def.name != desktop::TrayWindow::kFormName) {
            EXPECT_EQ(client.right, MulDiv(def.width, SystemDpi(), 1440)) << def.name;
            EXPECT_EQ(client.bottom, MulDiv(def.height, SystemDpi(), 1440)) << def.name;
        }
        int from = SystemDpi();
        for (int dpi : {from, 96, 120, 144, 168, 192, 240}) {
            SendDpiChanged(HwndOf(*form), dpi, from);
            ExpectLaidOut(*form, def, from = dpi, def.name + " at " + std::to_string(dpi) + ": ");
        }
        form->Unload();
    }
}

TEST(Dpi, ADocumentLaidOutAgainKeepsItsTextAndCaret) {
    app::App app{win32_test::Platform()};
    app.Start();
    app.frame().form().onActivate = nullptr;
    core::Document* doc = app.ActiveDocument();
    ASSERT_NE(doc, nullptr);
    doc->Text1().SetText("first line\r\nsecond line");
    doc->Text1().SetSelStart(14);
    HWND edit = HwndOf(doc->Text1());
    const int start = SystemDpi();
    for (int dpi : {start * 2, start}) {
        SendDpiChanged(HwndOf(app.frame().form()), dpi, dpi == start ? start * 2 : start);
        win32_test::Platform().DoEvents();
        EXPECT_EQ(doc->Text1().Text(), "first line\r\nsecond line") << dpi;
        EXPECT_EQ(doc->Text1().SelStart(), 14) << dpi;
        ExpectTextFont(edit, dpi, "document");
    }
    SendMessageA(edit, WM_CHAR, 'X', 1); // typing goes in where the caret was
    EXPECT_EQ(doc->Text1().Text(), "first line\r\nseXcond line");
}
