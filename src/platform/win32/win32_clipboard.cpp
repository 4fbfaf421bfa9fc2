// Clipboard text: opened with a retry, always closed again, never left half written.
#include "platform/win32/win32_clipboard.h"

#include <cstring>
#include <string>

namespace platform::win32 {

namespace {

// Closes the clipboard when the operation ends, however it ends.
struct OpenClipboardScope {
    ~OpenClipboardScope() { CloseClipboard(); }
};

} // namespace

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

bool Win32Clipboard::Open() {
    HWND owner = Owner();
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (attempt > 0) Sleep(pauseMs);
        if (OpenClipboard(owner)) return true;
    }
    return false;
}

bool Win32Clipboard::Clear() {
    if (!Open()) return false;
    OpenClipboardScope scope;
    return EmptyClipboard() != FALSE;
}

bool Win32Clipboard::SetText(std::string_view text) {
    // The copy is ready before the clipboard is touched: a failure leaves it as it was.
    std::string bytes(text.substr(0, text.find('\0')));
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
    if (!memory) return false;
    if (void* p = GlobalLock(memory)) {
        std::memcpy(p, bytes.c_str(), bytes.size() + 1);
        GlobalUnlock(memory);
    } else {
        GlobalFree(memory);
        return false;
    }
    if (!Open()) {
        GlobalFree(memory);
        return false;
    }
    OpenClipboardScope scope;
    if (!EmptyClipboard() || !SetClipboardData(CF_TEXT, memory)) {
        GlobalFree(memory);
        return false;
    }
    return true; // the system owns the memory now
}

std::optional<std::string> Win32Clipboard::GetText() {
    if (!Open()) return std::nullopt;
    OpenClipboardScope scope;
    // No text (a picture only, or nothing) is an empty text.
    HANDLE data = GetClipboardData(CF_TEXT);
    if (!data) return std::string();
    const char* p = static_cast<const char*>(GlobalLock(data));
    if (!p) return std::string();
    // Another program's text need not end in a NUL: read no further than its memory.
    size_t size = GlobalSize(data);
    std::string text(p, strnlen(p, size));
    GlobalUnlock(data);
    return text;
}

} // namespace platform::win32
