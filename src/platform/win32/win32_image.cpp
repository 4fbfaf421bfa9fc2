// Image: a static control that shows an icon drawn to its own size and reports clicks.
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_controls.h"

namespace platform::win32 {

void Win32Image::Create(HWND parent, const ControlDef& def, HFONT font) {
    // The caption of an icon static names a resource to load: an image starts empty.
    ControlDef empty = def;
    empty.caption.clear();
    CreateChildWindow(parent, "STATIC", empty, SS_ICON | SS_REALSIZECONTROL | SS_NOTIFY, 0, font);
    if (hwnd_)
        SetWindowLongPtrA(hwnd_, GWL_STYLE, GetWindowLongPtrA(hwnd_, GWL_STYLE) & ~WS_TABSTOP);
}

void Win32Image::OnCommand(int code) {
    if (code == STN_CLICKED && onClick) onClick();
}

IconHandle Win32Image::Picture() const {
    return hwnd_ ? static_cast<IconHandle>(SendMessageA(hwnd_, STM_GETICON, 0, 0)) : 0;
}

void Win32Image::SetPicture(IconHandle icon) {
    if (hwnd_) SendMessageA(hwnd_, STM_SETICON, static_cast<WPARAM>(icon), 0);
}

} // namespace platform::win32
