// Clipboard text: opened with a retry, always closed again, never left half written.
#include "platform/win32/win32_clipboard.h"

#include <string>

#include "platform/win32/win32_guards.h"

namespace platform::win32 {

Win32Clipboard::~Win32Clipboard() {
    if (owner_) DestroyWindow(owner_);
}

HWND Win32Clipboard::Owner() {
    // Emptying the clipboard makes the opening window its owner; with no window, the system
    // refuses the data that follows. A message-only window of our own serves.
    if (!owner_)
        owner_ = CreateWindowExA(0, "STATIC", "ScrivexClipboard", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    return owner_;
}

bool Win32Clipboard::Clear() {
    OpenClipboardScope clipboard(Owner());
    return clipboard.IsOpen() && EmptyClipboard() != FALSE;
}

bool Win32Clipboard::SetText(std::string_view text) {
    // The copy is ready before the clipboard is touched: a failure leaves it as it was.
    std::string bytes(text.substr(0, text.find('\0')));
    HGLOBAL memory = GlobalCopy(bytes.c_str(), bytes.size() + 1);
    if (!memory) return false;
    OpenClipboardScope clipboard(Owner());
    if (!clipboard.IsOpen() || !EmptyClipboard() || !SetClipboardData(CF_TEXT, memory)) {
        GlobalFree(memory);
        return false;
    }
    return true; // the system owns the memory now
}

std::optional<std::string> Win32Clipboard::GetText() {
    OpenClipboardScope clipboard(Owner());
    if (!clipboard.IsOpen()) return std::nullopt;
    // No text (a picture only, or nothing) is an empty text.
    HANDLE data = GetClipboardData(CF_TEXT);
    if (!data) return std::string();
    return GlobalText(data).value_or(std::string());
}

} // namespace platform::win32
