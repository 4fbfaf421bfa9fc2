// CheckBox: a check box that switches itself when clicked.
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_controls.h"

namespace platform::win32 {

void Win32CheckBox::Create(HWND parent, const ControlDef& def, HFONT font) {
    CreateChildWindow(parent, "BUTTON", def, BS_AUTOCHECKBOX, 0, font);
}

void Win32CheckBox::OnCommand(int code) {
    if (code == BN_CLICKED && onClick) onClick();
}

bool Win32CheckBox::Value() const {
    return hwnd_ && SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32CheckBox::SetValue(bool checked) {
    if (!hwnd_ || Value() == checked) return;
    SendMessageA(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (onClick) onClick();
}

} // namespace platform::win32
