// One tooltip control serving the controls of a window, or the panels of a status bar.
#pragma once
#include "platform/win32/win32_windows.h"

#include <string>
#include <string_view>

namespace platform::win32 {

class Win32Tooltips {
  public:
    explicit Win32Tooltips(HWND owner);
    ~Win32Tooltips();
    Win32Tooltips(const Win32Tooltips&) = delete;
    Win32Tooltips& operator=(const Win32Tooltips&) = delete;

    // A tip for a whole window. The window passes its mouse messages on with Relay: the
    // tooltip's own subclassing looks the window up in its properties at every message, a
    // call into the window system that makes a list of 65,535 items fill 50 times slower.
    void AddWindow(HWND hwnd, std::string_view text);
    void Relay(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    // A tip for a rectangle of a window, known by its number; an empty text removes it.
    void SetArea(HWND hwnd, UINT id, const RECT& area, std::string_view text);

  private:
    HWND tips_ = nullptr;
};

} // namespace platform::win32
