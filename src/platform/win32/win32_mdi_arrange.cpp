// The frame's arrangements of its document windows: the MDI client's tile and cascade, its
// next window, and holding its painting while many windows move.
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_form_kinds.h"

namespace platform::win32 {

void Win32MdiFrame::ActivateNextChild() {
    if (!hwnd_) return;
    // The client area is the frame's child at the top left of its client rectangle.
    HWND client = ChildWindowFromPoint(hwnd_, POINT{0, 0});
    if (client && client != hwnd_) SendMessageA(client, WM_MDINEXT, 0, 0);
}

// The program's own moves: the document area is taken off the screen for them (WM_SETREDRAW),
// which spares the system all the work of visible windows, then painted once.
void Win32MdiFrame::HoldRedraw(bool hold) {
    if (!client_ || hold == redrawHeld_) return;
    redrawHeld_ = hold;
    SendMessageA(client_, WM_SETREDRAW, hold ? FALSE : TRUE, 0);
    if (!hold)
        RedrawWindow(client_, nullptr, nullptr,
                     RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

// The system's arrangements skip windows that are off the screen, so the document area stays
// on it while the system works out where each window goes; the moves themselves are written
// down rather than made (a visible window's move costs the system many times a hidden one's),
// then made with the area held, and the area is painted once.
void Win32MdiFrame::Arrange(Arrangement arrangement) {
    if (!client_) return;
    const bool held = redrawHeld_;
    if (held) SendMessageA(client_, WM_SETREDRAW, TRUE, 0);
    HoldPaintInside(client_);
    BeginArrangingInside(client_);
    switch (arrangement) {
    case Arrangement::Cascade:
        SendMessageA(client_, WM_MDICASCADE, 0, 0);
        break;
    case Arrangement::TileHorizontal:
        SendMessageA(client_, WM_MDITILE, MDITILE_HORIZONTAL, 0);
        break;
    case Arrangement::TileVertical:
        SendMessageA(client_, WM_MDITILE, MDITILE_VERTICAL, 0);
        break;
    }
    const std::vector<ArrangedMove> moves = TakeArrangedMoves();
    ReleasePaint();
    SendMessageA(client_, WM_SETREDRAW, FALSE, 0);
    for (const ArrangedMove& m : moves)
        SetWindowPos(m.hwnd, m.insertAfter, m.x, m.y, m.cx, m.cy,
                     m.flags | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS);
    if (held) return;
    SendMessageA(client_, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(client_, nullptr, nullptr,
                 RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

} // namespace platform::win32
