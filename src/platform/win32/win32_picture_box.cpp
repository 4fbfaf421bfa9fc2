// Picture box: a static control that shows a bitmap it owns, and reports mouse moves with the
// position in pixels (the tray's callback message arrives this way too).
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_controls.h"

namespace platform::win32 {

Win32PictureBox::~Win32PictureBox() {
    if (picture_) DeleteObject(reinterpret_cast<HBITMAP>(picture_));
}

void Win32PictureBox::Create(HWND parent, const ControlDef& def, HFONT font) {
    ControlDef empty = def;
    empty.caption.clear();
    CreateChildWindow(parent, "STATIC", empty, SS_BITMAP | SS_NOTIFY, WS_EX_CLIENTEDGE, font);
    if (hwnd_)
        SetWindowLongPtrA(hwnd_, GWL_STYLE, GetWindowLongPtrA(hwnd_, GWL_STYLE) & ~WS_TABSTOP);
}

bool Win32PictureBox::OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
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
    if (hwnd_) {
        // A bitmap static sizes itself to its bitmap: the box keeps its own size and shows the
        // picture's top left corner.
        RECT r{};
        GetWindowRect(hwnd_, &r);
        SendMessageA(hwnd_, STM_SETIMAGE, IMAGE_BITMAP, static_cast<LPARAM>(bitmap));
        SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(hwnd_, nullptr, TRUE);
    }
    if (old) DeleteObject(reinterpret_cast<HBITMAP>(old));
}

} // namespace platform::win32
