// The desktop services on Win32: the tray icon, the topmost switch, program starts, the
// registry as the settings store, the clipboard and its viewer chain, pop-up menus.
#pragma once
#include "platform/win32/win32_windows.h"

#include <memory>

#include "platform/desktop_services.h"

namespace platform::win32 {

// Values under HKEY_CURRENT_USER\Software\Scrivex\<app>\<section>, as text.
class Win32SettingsStore : public SettingsStore {
  public:
    std::string Read(std::string_view app, std::string_view section, std::string_view key,
                     std::string_view defaultValue) override;
    void Write(std::string_view app, std::string_view section, std::string_view key,
               std::string_view value) override;
    void Delete(std::string_view app, std::string_view section, std::string_view key) override;
};

// Shell_NotifyIconA, with a hidden top-level window that hears the shell announce a new
// taskbar ("TaskbarCreated" is broadcast to top-level windows only).
class Win32TrayIcons : public TrayIcons {
  public:
    Win32TrayIcons();
    ~Win32TrayIcons() override;
    bool Add(const TrayIconRecord& record) override;
    void Delete(const TrayIconRecord& record) override;

  private:
    static LRESULT CALLBACK ListenerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND listener_ = nullptr;
};

// Joins a form's window to the clipboard viewer chain (win32_clipboard_viewer.cpp).
std::unique_ptr<ClipboardViewerLink> JoinViewerChain(Form& form, std::function<void()> onChange,
                                                     SettingsStore& store);

class Win32DesktopServices : public DesktopServices {
  public:
    TrayIcons& Tray() override;
    void SetTopmost(Form& form, bool on) override;
    bool IsTopmost(Form& form) override;
    void StartProgram(std::string_view commandLine) override;
    SettingsStore& Settings() override { return settings_; }
    ClipboardContents ReadClipboard() override;
    std::unique_ptr<ClipboardViewerLink>
    JoinClipboardViewers(Form& form, std::function<void()> onChange) override;
    void PopupMenu(Form& owner, Menu& menu, std::string_view topItem,
                   std::string_view defaultItem) override;

  private:
    std::unique_ptr<Win32TrayIcons> tray_;
    Win32SettingsStore settings_;
};

// The window of a form made by this platform; null for others.
HWND FormHwnd(Form& form);

} // namespace platform::win32
