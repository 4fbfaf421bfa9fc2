// ComboList: a drop-down list to pick one item; picking runs onClick.
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_controls.h"

namespace platform::win32 {

void Win32ComboList::Create(HWND parent, const ControlDef& def, HFONT font) {
    // The window's height includes the dropped-down list.
    int height = TwipsToPixelsY(def.height) + 200;
    CreateChildWindow(parent, "COMBOBOX", def, CBS_DROPDOWNLIST | WS_VSCROLL, 0, font, height);
    for (const auto& item : def.items)
        AddItem(item);
}

void Win32ComboList::OnCommand(int code) {
    if (code == CBN_SELCHANGE && onClick) onClick();
}

void Win32ComboList::AddItem(std::string_view text) {
    if (hwnd_)
        SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(TextUpToNul(text).c_str()));
}

int Win32ComboList::Count() const {
    return hwnd_ ? static_cast<int>(SendMessageA(hwnd_, CB_GETCOUNT, 0, 0)) : 0;
}

int Win32ComboList::ListIndex() const {
    return hwnd_ ? static_cast<int>(SendMessageA(hwnd_, CB_GETCURSEL, 0, 0)) : -1;
}

void Win32ComboList::SetListIndex(int index) {
    if (!hwnd_) return;
    SendMessageA(hwnd_, CB_SETCURSEL, index, 0);
    if (onClick) onClick();
}

} // namespace platform::win32
