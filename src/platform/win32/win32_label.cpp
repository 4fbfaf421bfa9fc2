// Label: a static text that reports clicks.
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_controls.h"

namespace platform::win32 {

void Win32Label::Create(HWND parent, const ControlDef& def, HFONT font) {
    CreateChildWindow(parent, "STATIC", def, SS_LEFT | SS_NOTIFY, 0, font);
    // A label keeps its place in the tab order but never takes the focus itself.
    if (hwnd_)
        SetWindowLongPtrA(hwnd_, GWL_STYLE, GetWindowLongPtrA(hwnd_, GWL_STYLE) & ~WS_TABSTOP);
}

void Win32Label::OnCommand(int code) {
    if (code == STN_CLICKED && onClick) onClick();
}

std::string Win32Label::Caption() const {
    return WindowText(hwnd_);
}

void Win32Label::SetCaption(std::string_view caption) {
    if (hwnd_) SetWindowTextA(hwnd_, TextUpToNul(caption).c_str());
}

} // namespace platform::win32
