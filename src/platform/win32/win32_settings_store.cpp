// The settings store: text values in the registry under HKEY_CURRENT_USER\Software\Scrivex.
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_guards.h"

namespace platform::win32 {

namespace {

std::string KeyPath(std::string_view app, std::string_view section) {
    return "Software\\Scrivex\\" + TextUpToNul(app) + "\\" + TextUpToNul(section);
}

} // namespace

std::string Win32SettingsStore::Read(std::string_view app, std::string_view section,
                                     std::string_view key, std::string_view defaultValue) {
    RegistryKey hkey = RegistryKey::Open(HKEY_CURRENT_USER, KeyPath(app, section), KEY_READ);
    if (!hkey) return std::string(defaultValue);
    DWORD type = 0, size = 0;
    std::string name = TextUpToNul(key);
    if (RegQueryValueExA(hkey.get(), name.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ)
        return std::string(defaultValue);
    std::string buffer(size + 1, '\0');
    if (RegQueryValueExA(hkey.get(), name.c_str(), nullptr, nullptr,
                         reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS)
        return std::string(defaultValue);
    return buffer.c_str();
}

void Win32SettingsStore::Write(std::string_view app, std::string_view section, std::string_view key,
                               std::string_view value) {
    RegistryKey hkey = RegistryKey::Create(HKEY_CURRENT_USER, KeyPath(app, section), KEY_WRITE);
    if (!hkey) return;
    std::string text = TextUpToNul(value);
    RegSetValueExA(hkey.get(), TextUpToNul(key).c_str(), 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
}

void Win32SettingsStore::Delete(std::string_view app, std::string_view section,
                                std::string_view key) {
    RegistryKey hkey = RegistryKey::Open(HKEY_CURRENT_USER, KeyPath(app, section), KEY_WRITE);
    if (hkey) RegDeleteValueA(hkey.get(), TextUpToNul(key).c_str());
}

} // namespace platform::win32
