// Helpers for the Wine tests.
#include "harness_support.h"

#include "contract/contract_harness.h"
#include "platform/keys.h"

namespace win32_test {

platform::win32::Win32Platform& Platform() {
    return dynamic_cast<platform::win32::Win32Platform&>(ContractPlatform());
}

HeldKeys::HeldKeys(int shiftBits) {
    GetKeyboardState(saved_);
    BYTE state[256];
    GetKeyboardState(state);
    auto hold = [&](int vk, bool down) { state[vk] = down ? 0x80 : 0; };
    hold(VK_SHIFT, shiftBits & platform::shift::Shift);
    hold(VK_CONTROL, shiftBits & platform::shift::Ctrl);
    hold(VK_MENU, shiftBits & platform::shift::Alt);
    SetKeyboardState(state);
}

HeldKeys::~HeldKeys() { SetKeyboardState(saved_); }

bool PressKey(HWND target, int key, int shiftBits) {
    HeldKeys held(shiftBits);
    MSG msg{};
    msg.hwnd = target;
    msg.message = (shiftBits & platform::shift::Alt) ? WM_SYSKEYDOWN : WM_KEYDOWN;
    msg.wParam = static_cast<WPARAM>(key);
    msg.lParam = 1;
    if (platform::win32::Win32Platform::PreTranslate(msg)) return true;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return false;
}

} // namespace win32_test
