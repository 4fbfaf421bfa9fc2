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

  private:
    // The program's own window that opens the clipboard.
    HWND Owner();

    HWND owner_ = nullptr;
};

} // namespace platform::win32
