// Small helpers shared by the Win32 wrappers: units, strings, the window classes and the icon.
#pragma once
#include "platform/win32/win32_windows.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform::win32 {

// Twips (1/1440 inch) and pixels, through the screen's logical resolution.
int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);
int PixelsToTwipsX(int pixels);
int PixelsToTwipsY(int pixels);
int ScreenDpiY();

// The shift:: bits of the keyboard state right now.
int ShiftState();

// The program icon from the resources, or the system's default application icon.
HICON AppIcon(bool small);

// The text of a window.
std::string WindowText(HWND hwnd);
// A string_view as a C string: text after an embedded NUL is dropped, as the system would.
inline std::string TextUpToNul(std::string_view text) {
    return std::string(text).c_str();
}

// Runs an event handler through a copy, so that the handler may replace or destroy the
// object that holds it.
template <class Handler, class... Args> void Fire(const Handler& handler, Args&&... args) {
    if (!handler) return;
    Handler copy = handler;
    copy(std::forward<Args>(args)...);
}

// The window classes of the forms, each registered when its first window is made; a form
// window carries its form in GWLP_USERDATA.
void NoteFormClass(ATOM atom);
bool IsFormWindow(HWND hwnd);
// Registers a form window class with the program's icon, the arrow cursor and a system colour
// as background, once; later calls do nothing.
void RegisterFormClass(const char* name, WNDPROC proc, int backgroundColor);
inline constexpr const char* kFrameClass = "ScrivexFrame";
inline constexpr const char* kChildClass = "ScrivexDocument";
inline constexpr const char* kToolClass = "ScrivexTool";

// Command numbers: menu items are reported as kMenuCommandBase + their number in the tree; the
// frame's window list starts at kWindowListFirst; controls carry IDs from kFirstControlId.
inline constexpr int kMenuCommandBase = 0x1000;
inline constexpr int kWindowListFirst = 0xFF00;
inline constexpr int kFirstControlId = 100;

// While the frame arranges its document windows, the windows inside `area` (the frame's
// document area) skip their paints and frames; the frame repaints them all once at the end.
void HoldPaintInside(HWND area);
void ReleasePaint();
// A paint message to a window inside the held area: used up (with its result) while held.
bool SkipHeldPaint(HWND hwnd, UINT msg, LRESULT& result);
// A window inside the held area (a document window or one of its controls) moves without
// drawing or invalidating anything while held: the area is painted once when all have moved.
void QuietHeldMove(HWND hwnd, UINT msg, LPARAM lParam);
// The system's own arrangements move each visible window in turn, and a visible window's move
// costs the system far more than a hidden one's. While `area` is being arranged, the moves of
// its own windows are written down and not made; the frame makes them all afterwards with the
// area held (TakeArrangedMoves), so the windows end where the system put them.
struct ArrangedMove {
    HWND hwnd;
    HWND insertAfter;
    int x, y, cx, cy;
    UINT flags;
};
void BeginArrangingInside(HWND area);
std::vector<ArrangedMove> TakeArrangedMoves();
// A move of a window of the area being arranged: written down and taken out of the message.
void NoteArrangedMove(HWND hwnd, UINT msg, LPARAM lParam);

// Private messages.
inline constexpr UINT kMsgDeferredActivate = WM_APP + 1; // wParam: TRUE activate, FALSE deactivate
inline constexpr UINT kMsgListRedraw = WM_APP + 2;       // a list box turns drawing back on
inline constexpr UINT kMsgDeferredResize = WM_APP + 3;   // a new form reports its first size

} // namespace platform::win32
