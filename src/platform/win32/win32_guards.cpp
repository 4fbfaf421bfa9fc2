// The scope guards' opening halves: registry keys, the clipboard with its retry, and texts in
// global blocks.
#include "platform/win32/win32_guards.h"

#include <cstring>

namespace platform::win32 {

RegistryKey RegistryKey::Open(HKEY root, const std::string& path, REGSAM access) {
    RegistryKey key;
    if (RegOpenKeyExA(root, path.c_str(), 0, access, &key.key_) != ERROR_SUCCESS)
        key.key_ = nullptr;
    return key;
}

RegistryKey RegistryKey::Create(HKEY root, const std::string& path, REGSAM access) {
    RegistryKey key;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, access, nullptr, &key.key_, nullptr) !=
        ERROR_SUCCESS)
        key.key_ = nullptr;
    return key;
}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
    if (this != &other) {
        if (key_) RegCloseKey(key_);
        key_ = std::exchange(other.key_, nullptr);
    }
    return *this;
}

std::optional<std::string> GlobalText(HGLOBAL block) {
    LockedGlobal locked(block);
    if (!locked) return std::nullopt;
    const char* text = locked.As<const char>();
    return std::string(text, strnlen(text, locked.Size()));
}

HGLOBAL GlobalCopy(const void* bytes, SIZE_T size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block) return nullptr;
    {
        LockedGlobal locked(block);
        if (locked) {
            std::memcpy(locked.As(), bytes, size);
            return block;
        }
    }
    GlobalFree(block);
    return nullptr;
}

OpenClipboardScope::OpenClipboardScope(HWND owner) {
    for (int attempt = 0; attempt < kAttempts && !open_; ++attempt) {
        if (attempt > 0) Sleep(kPauseMs);
        open_ = OpenClipboard(owner) != FALSE;
    }
}

} // namespace platform::win32
