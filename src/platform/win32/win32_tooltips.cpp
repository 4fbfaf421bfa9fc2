// Tooltips through the common controls' tooltip window.
#include "platform/win32/win32_tooltips.h"

namespace platform::win32 {

Win32Tooltips::Win32Tooltips(HWND owner) {
    tips_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                            WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, GetModuleHandleA(nullptr),
                            nullptr);
    if (tips_) SendMessageA(tips_, TTM_SETMAXTIPWIDTH, 0, 600);
}

Win32Tooltips::~Win32Tooltips() {
    if (tips_ && IsWindow(tips_)) DestroyWindow(tips_);
}

void Win32Tooltips::AddWindow(HWND hwnd, std::string_view text) {
    if (!tips_) return;
    std::string copy(text);
    TOOLINFOA info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND;
    info.hwnd = GetParent(hwnd);
    info.uId = reinterpret_cast<UINT_PTR>(hwnd);
    info.lpszText = copy.data();
    SendMessageA(tips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void Win32Tooltips::Relay(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!tips_ || ((msg < WM_MOUSEFIRST || msg > WM_MBUTTONDBLCLK) && msg != WM_NCMOUSEMOVE))
        return;
    MSG relayed{hwnd, msg, wParam, lParam, 0, {}};
    SendMessageA(tips_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void Win32Tooltips::SetArea(HWND hwnd, UINT id, const RECT& area, std::string_view text) {
    if (!tips_) return;
    std::string copy(text);
    TOOLINFOA info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_SUBCLASS;
    info.hwnd = hwnd;
    info.uId = id;
    SendMessageA(tips_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    if (copy.empty()) return;
    info.rect = area;
    info.lpszText = copy.data();
    SendMessageA(tips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

} // namespace platform::win32
