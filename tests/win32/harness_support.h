// Helpers for the tests that look at real windows: the shared platform, keyboard state and
// window lookups.
#pragma once
#include "platform/win32/win32_form.h"
#include "platform/win32/win32_platform.h"

namespace win32_test {

platform::win32::Win32Platform& Platform();

// The window of a form made by the Win32 platform.
inline HWND HwndOf(platform::Form& form) {
    return dynamic_cast<platform::win32::Win32FormCore&>(form).Hwnd();
}
inline HWND HwndOf(platform::Control& control) {
    return dynamic_cast<platform::win32::Win32ControlCore&>(control).Hwnd();
}

// Holds modifier keys down in the thread's keyboard state, as a user would.
class HeldKeys {
  public:
    explicit HeldKeys(int shiftBits);
    ~HeldKeys();

  private:
    BYTE saved_[256];
};

// Runs a key press through the program's message handling, as the message loop would.
// Returns whether the message was used up before reaching the window.
bool PressKey(HWND target, int key, int shiftBits = 0);

} // namespace win32_test
