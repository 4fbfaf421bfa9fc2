// Everything the program needs from the windowing system: windows, menus and services.
#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clipboard.h"
#include "platform/common_dialog.h"
#include "platform/desktop_services.h"
#include "platform/file_system.h"
#include "platform/form.h"
#include "platform/locale.h"
#include "platform/menu.h"
#include "platform/printer.h"

namespace platform {

// Message box buttons, icons and options, and the answers, with the system's values.
namespace mb {
inline constexpr int OkOnly = 0;
inline constexpr int OkCancel = 1;
inline constexpr int AbortRetryIgnore = 2;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int RetryCancel = 5;
inline constexpr int Critical = 16; // the stop icon
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
inline constexpr int DefaultButton2 = 256;
inline constexpr int DefaultButton3 = 512;
inline constexpr int SystemModal = 4096;
} // namespace mb

// The user's separators for numbers.
struct NumberFormat {
    std::string decimal = ".";
    std::string thousands = ",";
};

enum class Answer { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

class Platform {
  public:
    virtual ~Platform() = default;

    virtual std::unique_ptr<MdiFrame> CreateFrame(const FormDef& def) = 0;
    virtual std::unique_ptr<Form> CreateForm(const FormDef& def) = 0;
    // A menu bar or pop-up menu; the windowing system's copy follows the model.
    virtual std::unique_ptr<Menu> CreateMenu(const std::vector<MenuItemDef>& tree,
                                             MenuHandler handler) = 0;

    virtual Answer MsgBox(std::string_view text, int style, std::string_view title) = 0;
    virtual void Beep() = 0;
    // The input box: a modal window with the prompt, the title, a one-line entry field holding
    // `defaultText`, OK and Cancel. Returns the typed text, or an empty text for Cancel.
    virtual std::string InputBox(std::string_view prompt, std::string_view title,
                                 std::string_view defaultText = "") = 0;
    virtual FileSystem& Files() = 0;
    // A common dialog for Open and Save; the frame keeps the program's one.
    virtual std::unique_ptr<CommonDialog> CreateCommonDialog() = 0;
    // The program's one printer: its current printer, its font and its print jobs.
    virtual Printer& PrinterService() = 0;
    // The path of a special folder (36 the Windows folder, 37 the system folder); throws
    // RuntimeError when the system has none.
    virtual std::string SpecialFolder(int folder) = 0;
    // The arguments the program was started with, without its own path.
    virtual std::string CommandLine() = 0;
    virtual NumberFormat Numbers() = 0;
    // The clock: whole seconds since midnight, local time.
    virtual int SecondsSinceMidnight() = 0;
    // The system clipboard, the user's locale, and the clock's local date and time.
    virtual Clipboard& SystemClipboard() = 0;
    virtual Locale& UserLocale() = 0;
    virtual LocalTime Now() = 0;
    // Lets the window events that are waiting run, then comes back.
    virtual void DoEvents() = 0;
    // Whether keys or mouse input wait to be handled: a long loop lets events run only then.
    virtual bool InputWaiting() = 0;
    // Ends the program at once: no further events, no questions.
    [[noreturn]] virtual void EndProgram() = 0;
    // The tray, topmost switch, program starts, settings store and clipboard viewer chain.
    virtual DesktopServices& Desktop() = 0;
};

} // namespace platform
