// Picture box: a static control that shows a bitmap it owns, and reports mouse moves with the
// position in pixels (the tray's callback message arrives this way too).
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_guards.h"

namespace platform::win32 {

Win32PictureBox::~Win32PictureBox() {
    if (picture_) DeleteObject(reinterpret_cast<HBITMAP>(picture_));
}

void Win32PictureBox::Create(HWND parent, const ControlDef& def, HFONT font) {
    ControlDef empty = def;
    empty.caption.clear();
    // Clipped by its siblings: a control laid over the box (a button in its corner) shows.
    CreateChildWindow(parent, "STATIC", empty, SS_NOTIFY | WS_CLIPSIBLINGS, WS_EX_CLIENTEDGE, font);
    if (hwnd_)
        SetWindowLongPtrA(hwnd_, GWL_STYLE, GetWindowLongPtrA(hwnd_, GWL_STYLE) & ~WS_TABSTOP);
}

bool Win32PictureBox::OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_ERASEBKGND) {
        result = 1; // WM_PAINT fills the whole box
        return true;
    }
    if (msg == WM_PAINT) {
        Paint();
        result = 0;
        return true;
    }

    if (msg != WM_MOUSEMOVE || !onMouseMove) return false;
    int button = 0;
    if (wParam & MK_LBUTTON) button |= 1;
    if (wParam & MK_RBUTTON) button |= 2;
    if (wParam & MK_MBUTTON) button |= 4;
    onMouseMove(button, ShiftState(), static_cast<short>(LOWORD(lParam)),
                static_cast<short>(HIWORD(lParam)));
    result = 0;
    return true;
}

void Win32PictureBox::SetPicture(BitmapHandle bitmap) {
    if (bitmap == picture_) return;
    BitmapHandle old = picture_;
    picture_ = bitmap;
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
    if (old) DeleteObject(reinterpret_cast<HBITMAP>(old));
}

// The picture at the box's top left corner, at its own size and clipped by the box; the rest
// in the window colour.
void Win32PictureBox::Paint() {
    {
        PaintDC dc(hwnd_);
        RECT client{};
        GetClientRect(hwnd_, &client);
        FillRect(dc.get(), &client, GetSysColorBrush(COLOR_BTNFACE));
        if (picture_) {
            auto bitmap = reinterpret_cast<HBITMAP>(picture_);
            BITMAP info{};
            GetObjectA(bitmap, sizeof info, &info);
            OwnedDC memory(CreateCompatibleDC(dc.get()));
            SelectedObject selected(memory.get(), bitmap);
            BitBlt(dc.get(), 0, 0, info.bmWidth, info.bmHeight, memory.get(), 0, 0, SRCCOPY);
        }
    }
    // The form orders its controls by tab order once they are all made; the box then goes
    // under the others, so that what lies over it is seen and clicked.
    if (!sentToBottom_) {
        sentToBottom_ = true;
        SetWindowPos(hwnd_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

} // namespace platform::win32
