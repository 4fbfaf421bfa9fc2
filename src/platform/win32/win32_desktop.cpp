// The desktop services: topmost switch, program starts, clipboard reading, pop-up menus.
#include "platform/win32/win32_desktop.h"

#include <vector>

#include "platform/errors.h"
#include "platform/menu.h"
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_form.h"
#include "platform/win32/win32_menu.h"

namespace platform::win32 {

HWND FormHwnd(Form& form) {
    auto* core = dynamic_cast<Win32FormCore*>(&form);
    return core ? core->Hwnd() : nullptr;
}

TrayIcons& Win32DesktopServices::Tray() {
    if (!tray_) tray_ = std::make_unique<Win32TrayIcons>();
    return *tray_;
}

void Win32DesktopServices::SetTopmost(Form& form, bool on) {
    HWND hwnd = FormHwnd(form);
    if (!hwnd) return;
    SetWindowPos(hwnd, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

bool Win32DesktopServices::IsTopmost(Form& form) {
    HWND hwnd = FormHwnd(form);
    return hwnd && (GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

void Win32DesktopServices::StartProgram(std::string_view commandLine) {
    std::string line = TextUpToNul(commandLine);
    if (line.find_first_not_of(" \t") == std::string::npos) throw RuntimeError(5);
    std::vector<char> buffer(line.begin(), line.end());
    buffer.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    // A console program gets a console of its own, as when started from the shell, never the
    // starter's (a console the starter was given by whoever started it).
    if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE,
                        nullptr, nullptr, &startup, &process)) {
        DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            throw RuntimeError(err::FileNotFound);
        throw RuntimeError(5);
    }
    // The program runs on its own: nothing of it is kept.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

ClipboardContents Win32DesktopServices::ReadClipboard() {
    ClipboardContents contents;
    // Another program may hold the clipboard open for a moment.
    bool open = false;
    for (int attempt = 0; attempt < 10 && !open; ++attempt) {
        open = OpenClipboard(nullptr);
        if (!open) Sleep(10);
    }
    if (!open) return contents;
    if (IsClipboardFormatAvailable(CF_TEXT)) {
        if (HANDLE data = GetClipboardData(CF_TEXT)) {
            if (const char* text = static_cast<const char*>(GlobalLock(data))) {
                // The clipboard's text ends at its first NUL or at the end of its memory.
                SIZE_T size = GlobalSize(data);
                SIZE_T length = 0;
                while (length < size && text[length])
                    ++length;
                contents.text.assign(text, length);
                contents.hasText = true;
                GlobalUnlock(data);
            }
        }
    }
    if (IsClipboardFormatAvailable(CF_BITMAP)) {
        if (HANDLE bitmap = GetClipboardData(CF_BITMAP))
            contents.bitmap =
                reinterpret_cast<BitmapHandle>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0));
    }
    CloseClipboard();
    return contents;
}

std::unique_ptr<ClipboardViewerLink>
Win32DesktopServices::JoinClipboardViewers(Form& form, std::function<void()> onChange) {
    return JoinViewerChain(form, std::move(onChange), settings_);
}

void Win32DesktopServices::PopupMenu(Form& owner, Menu& menu, std::string_view topItem,
                                     std::string_view defaultItem) {
    auto* win32Menu = dynamic_cast<Win32Menu*>(&menu);
    HWND hwnd = FormHwnd(owner);
    if (!win32Menu || !hwnd) return;
    POINT at{};
    GetCursorPos(&at);
    win32Menu->Popup(hwnd, menu.Find(topItem), at.x, at.y, menu.Find(defaultItem));
}

} // namespace platform::win32
