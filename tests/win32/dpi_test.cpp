// The windows at the DPIs of today's screens: a form's pixels are its twips at the screen's
// DPI; after the system says a window is drawn at another DPI, every control of every tool
// window takes its twips at that DPI, every caption still shows whole and the text fields'
// font scales; a document laid out again keeps its text and caret.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/app.h"
#include "app/frame_window.h"
#include "calc/calculator_window.h"
#include "desktop/clipboard_viewer.h"
#include "desktop/tray_window.h"
#include "harness_support.h"
#include "platform/win32/win32_common.h"
#include "search/find_dialog.h"
#include "search/search_result_window.h"

using namespace platform;
using win32::SystemDpi;
using win32::TwipsToPixels;
using win32_test::HwndOf;

namespace {

// The DPI the scripts made the test prefix with, or the screen's.
int ExpectedDpi() {
    const char* dpi = std::getenv("SCRIVEX_TEST_DPI");
    return dpi ? std::atoi(dpi) : SystemDpi();
}

// What the system sends a top-level window moved to a monitor of another scale: the new DPI
// and the window's rectangle scaled to it.
void SendDpiChanged(HWND window, int dpi, int fromDpi) {
    RECT r;
    GetWindowRect(window, &r);
    RECT suggested{r.left, r.top, r.left + MulDiv(r.right - r.left, dpi, fromDpi),
                   r.top + MulDiv(r.bottom - r.top, dpi, fromDpi)};
    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

RECT PlaceInParent(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEXTMETRICA MetricsOf(HWND control) {
    HDC dc = GetDC(control);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return metrics;
}

int EmOf(HWND control) {
    TEXTMETRICA metrics = MetricsOf(control);
    return metrics.tmHeight - metrics.tmInternalLeading;
}

// Whether a label's caption is drawn on one line inside it, as the static control draws it.
bool ShowsWhole(HWND label) {
    const std::string text = win32::WindowText(label);
    RECT client;
    GetClientRect(label, &client);
    HDC dc = GetDC(label);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    RECT needed{0, 0, client.right, 0};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &needed,
              DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    return needed.right <= client.right && needed.bottom <= metrics.tmHeight &&
           metrics.tmHeight <= client.bottom;
}

} // namespace

TEST(Dpi, FormsAndControlsMeasureTheirTwipsAtTheScreenDpi) {
    const int dpi = SystemDpi();
    ASSERT_EQ(dpi, ExpectedDpi());
    const FormDef def = search::FindFormDef();
    auto form = win32_test::Platform().CreateForm(def);
    HWND hwnd = HwndOf(*form);
    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, MulDiv(def.width, dpi, 1440));
    EXPECT_EQ(client.bottom, MulDiv(def.height, dpi, 1440));
    for (const ControlDef& c : def.controls) {
        RECT r = PlaceInParent(HwndOf(form->GetControl(c.name)));
        EXPECT_EQ(r.left, MulDiv(c.left, dpi, 1440)) << c.name;
        EXPECT_EQ(r.top, MulDiv(c.top, dpi, 1440)) << c.name;
        EXPECT_EQ(r.right - r.left, MulDiv(c.width, dpi, 1440)) << c.name;
        EXPECT_EQ(r.bottom - r.top, MulDiv(c.height, dpi, 1440)) << c.name;
    }
    form->Unload();
}

TEST(Dpi, ToolWindowsKeepTheirTwipsAndWholeCaptionsAtEveryDpi) {
    const struct {
        const char* name;
        FormDef def;
    } windows[] = {
        {"find dialog", search::FindFormDef()},    {"result list", search::SearchResultFormDef()},
        {"calculator", calc::CalculatorFormDef()}, {"clipboard viewer", desktop::ClipViewFormDef()},
        {"tray window", desktop::TrayFormDef()},
    };
    for (const auto& window : windows) {
        auto form = win32_test::Platform().CreateForm(window.def);
        HWND hwnd = HwndOf(*form);
        int from = SystemDpi();
        for (int dpi : {96, 120, 144, 168, 192, 240}) {
            SendDpiChanged(hwnd, dpi, from);
            from = dpi;
            const std::string where = std::string(window.name) + " at " + std::to_string(dpi);
            for (const ControlDef& c : window.def.controls) {
                HWND control = HwndOf(form->GetControl(c.name));
                RECT r = PlaceInParent(control);
                EXPECT_EQ(r.left, MulDiv(c.left, dpi, 1440)) << where << ' ' << c.name;
                EXPECT_EQ(r.top, MulDiv(c.top, dpi, 1440)) << where << ' ' << c.name;
                EXPECT_EQ(r.right - r.left, MulDiv(c.width, dpi, 1440)) << where << ' ' << c.name;
                if (c.kind == ControlKind::Label) {
                    EXPECT_TRUE(ShowsWhole(control)) << where << ' ' << c.caption;
                }
                // The text fields' 9 points, drawn at this DPI (within a bitmap face's step).
                const int em = MulDiv(9, dpi, 72);
                if (c.font) {
                    EXPECT_NEAR(EmOf(control), em, em / 8 + 1) << where << ' ' << c.name;
                }
                // The captions' font: at most 8 points, at least 6, whatever the DPI.
                if (!c.font && !c.caption.empty()) {
                    EXPECT_LE(EmOf(control), MulDiv(8, dpi, 72) + 1) << where << ' ' << c.name;
                    EXPECT_GE(EmOf(control), MulDiv(6, dpi, 72)) << where << ' ' << c.name;
                }
            }
        }
        form->Unload();
    }
}

TEST(Dpi, ADocumentLaidOutAgainKeepsItsTextAndCaret) {
    app::App app{win32_test::Platform()};
    app.Start();
    app.frame().form().onActivate = nullptr;
    win32_test::Platform().DoEvents();
    core::Document* doc = app.ActiveDocument();
    ASSERT_NE(doc, nullptr);
    TextBox& text1 = doc->Text1();
    text1.SetText("first line\r\nsecond line");
    text1.SetSelStart(14);
    HWND frame = HwndOf(app.frame().form());
    HWND edit = HwndOf(text1);
    const int start = SystemDpi();
    for (int dpi : {start * 2, start}) {
        SendDpiChanged(frame, dpi, dpi == start ? start * 2 : start);
        win32_test::Platform().DoEvents();
        EXPECT_EQ(text1.Text(), "first line\r\nsecond line") << dpi;
        EXPECT_EQ(text1.SelStart(), 14) << dpi;
        EXPECT_NEAR(EmOf(edit), MulDiv(9, dpi, 72), MulDiv(9, dpi, 72) / 8 + 1) << dpi;
        // The edit control fills the document window down to its status bar.
        RECT client, box;
        GetClientRect(HwndOf(doc->form()), &client);
        GetWindowRect(edit, &box);
        EXPECT_EQ(box.right - box.left, client.right) << dpi;
    }
    // The caret is where it was: typing goes in there.
    SendMessageA(edit, WM_CHAR, 'X', 1);
    EXPECT_EQ(text1.Text(), "first line\r\nseXcond line");
}
