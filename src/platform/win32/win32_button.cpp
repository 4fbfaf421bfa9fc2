// Button: a push button, possibly the window's default (Enter) or cancel (Esc) button.
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_controls.h"

namespace platform::win32 {

void Win32Button::Create(HWND parent, const ControlDef& def, HFONT font) {
    isDefault_ = def.isDefault;
    isCancel_ = def.isCancel;
    CreateChildWindow(parent, "BUTTON", def, def.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, 0,
                      font);
}

void Win32Button::OnCommand(int code) {
    if (code == BN_CLICKED) Press();
}

std::string Win32Button::Caption() const {
    return WindowText(hwnd_);
}

void Win32Button::Press() {
    if (onClick) onClick();
}

} // namespace platform::win32
