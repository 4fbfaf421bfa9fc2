// The settings store: text values in the registry under HKEY_CURRENT_USER\Software\Scrivex.
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_desktop.h"

namespace platform::win32 {

namespace {

std::string KeyPath(std::string_view app, std::string_view section) {
    return "Software\\Scrivex\\" + TextUpToNul(app) + "\\" + TextUpToNul(section);
}

} // namespace

std::string Win32SettingsStore::Read(std::string_view app, std::string_view section,
                                     std::string_view key, std::string_view defaultValue) {
    HKEY hkey = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, KeyPath(app, section).c_str(), 0, KEY_READ, &hkey) !=
        ERROR_SUCCESS)
        return std::string(defaultValue);
    std::string value{defaultValue};
    DWORD type = 0, size = 0;
    std::string name = TextUpToNul(key);
    if (RegQueryValueExA(hkey, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        type == REG_SZ) {
        std::string buffer(size + 1, '\0');
        if (RegQueryValueExA(hkey, name.c_str(), nullptr, nullptr,
                             reinterpret_cast<BYTE*>(buffer.data()), &size) == ERROR_SUCCESS)
            value = buffer.c_str();
    }
    RegCloseKey(hkey);
    return value;
}

void Win32SettingsStore::Write(std::string_view app, std::string_view section, std::string_view key,
                               std::string_view value) {
    HKEY hkey = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, KeyPath(app, section).c_str(), 0, nullptr, 0, KEY_WRITE,
                        nullptr, &hkey, nullptr) != ERROR_SUCCESS)
        return;
    std::string text = TextUpToNul(value);
    RegSetValueExA(hkey, TextUpToNul(key).c_str(), 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(hkey);
}

void Win32SettingsStore::Delete(std::string_view app, std::string_view section,
                                std::string_view key) {
    HKEY hkey = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, KeyPath(app, section).c_str(), 0, KEY_WRITE, &hkey) !=
        ERROR_SUCCESS)
        return;
    RegDeleteValueA(hkey, TextUpToNul(key).c_str());
    RegCloseKey(hkey);
}

} // namespace platform::win32
