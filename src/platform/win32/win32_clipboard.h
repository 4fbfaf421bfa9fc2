// The system clipboard through the Win32 clipboard functions, as ANSI text (CF_TEXT).
#pragma once
#include "platform/win32/win32_windows.h"

#include "platform/clipboard.h"

namespace platform::win32 {

class Win32Clipboard : public Clipboard {
  public:
    ~Win32Clipboard() override;
    bool Clear() override;
    bool SetText(std::string_view text) override;
    std::optional<std::string> GetText() override;

    // How often and how long to try while another program holds the clipboard open.
    int attempts = 10;
    DWORD pauseMs = 20;

  private:
    // Opens the clipboard for this program's own window, trying again for a short while.
    bool Open();
    HWND Owner();

    HWND owner_ = nullptr;
};

} // namespace platform::win32
