// The input box: a modal dialog with a prompt, a one-line entry field, OK and Cancel.
#pragma once
#include "platform/win32/win32_windows.h"

#include <string>
#include <string_view>

namespace platform::win32 {

// Control IDs of the input box, for the tests that drive it.
inline constexpr int kInputBoxPrompt = 100;
inline constexpr int kInputBoxEntry = 101;

// Shows the box over `owner` until OK or Cancel; the typed text, or an empty text for Cancel.
std::string ShowInputBox(HWND owner, std::string_view prompt, std::string_view title,
                         std::string_view defaultText);

} // namespace platform::win32
