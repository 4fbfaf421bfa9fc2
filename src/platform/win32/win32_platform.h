// The real platform: Win32 windows, menus and services, and the program's message loop.
#pragma once
#include "platform/win32/win32_windows.h"

#include <memory>
#include <string>

#include "platform/platform.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_printer.h"

namespace platform::win32 {

// The arguments of a command line, without the program's own name (quoted or not) and the
// blanks after it; the rest as it stands.
std::string ArgumentsOf(std::string_view commandLine);

class Win32Platform : public Platform {
  public:
    // `showCommand` is how the system asked to show the program (WinMain's nShowCmd); the
    // frame's first Show uses it.
    explicit Win32Platform(HINSTANCE instance = GetModuleHandleA(nullptr),
                           int showCommand = SW_SHOWDEFAULT);
    ~Win32Platform() override;

    std::unique_ptr<MdiFrame> CreateFrame(const FormDef& def) override;
    std::unique_ptr<Form> CreateForm(const FormDef& def) override;
    std::unique_ptr<Menu> CreateMenu(const std::vector<MenuItemDef>& tree,
                                     MenuHandler handler) override;

    Answer MsgBox(std::string_view text, int style, std::string_view title) override;
    void Beep() override;
    std::string InputBox(std::string_view prompt, std::string_view title,
                         std::string_view defaultText) override;
    FileSystem& Files() override { return files_; }
    std::unique_ptr<CommonDialog> CreateCommonDialog() override;
    Printer& PrinterService() override { return printer_; }
    std::string SpecialFolder(int folder) override;
    // The shell's path of a special folder (SpecialFolder asks it for all but the Windows
    // and system folders).
    static std::string ShellFolder(int folder);
    std::string CommandLine() override;
    NumberFormat Numbers() override;
    int SecondsSinceMidnight() override;
    Clipboard& SystemClipboard() override { return clipboard_; }
    Locale& UserLocale() override { return locale_; }
    LocalTime Now() override;
    // Handles the messages waiting now, then returns.
    void DoEvents() override;
    [[noreturn]] void EndProgram() override;
    bool InputWaiting() override;
    DesktopServices& Desktop() override { return desktop_; }

    // Runs the message loop until the frame is gone; returns the program's exit code. Shows
    // the frame first if the program has not.
    int Run();
    // What the loop does to a message before dispatching it: shortcuts of the menu bar on
    // show, key preview, dialog keys in tool windows. True when the message is used up.
    static bool PreTranslate(MSG& msg);

  private:
    // One message of a loop: the shortcuts and key preview, then its window.
    static void Handle(MSG& msg);
    HINSTANCE instance_;
    int showCommand_;
    Win32FileSystem files_;
    Win32Clipboard clipboard_;
    Win32Locale locale_;
    Win32Printer printer_;
    Win32DesktopServices desktop_;
};

} // namespace platform::win32
