// Helpers for the tests that look at real windows: the shared platform, keyboard state and
// window lookups.
#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/win32/win32_form.h"
#include "platform/win32/win32_platform.h"

namespace win32_test {

platform::win32::Win32Platform& Platform();

// The window of a form made by the Win32 platform.
inline HWND HwndOf(platform::Form& form) {
    return dynamic_cast<platform::win32::Win32FormCore&>(form).Hwnd();
}
inline HWND HwndOf(platform::Control& control) {
    return dynamic_cast<platform::win32::Win32ControlCore&>(control).Hwnd();
}

// Holds modifier keys down in the thread's keyboard state, as a user would.
class HeldKeys {
  public:
    explicit HeldKeys(int shiftBits);
    ~HeldKeys();

  private:
    BYTE saved_[256];
};

// Runs a key press through the program's message handling, as the message loop would.
// Returns whether the message was used up before reaching the window.
bool PressKey(HWND target, int key, int shiftBits = 0);

// The real platform with message boxes answered from a script instead of by a user; every
// box shown is kept. With no answer left, the default button is taken.
class ScriptedPlatform : public platform::win32::Win32Platform {
  public:
    struct Shown {
        std::string text, title;
        int style;
    };
    platform::Answer MsgBox(std::string_view text, int style, std::string_view title) override;
    [[noreturn]] void EndProgram() override;
    std::string CommandLine() override { return commandLine; }

    std::deque<platform::Answer> answers;
    std::vector<Shown> shown;
    std::string commandLine;
};

// Thrown by ScriptedPlatform::EndProgram instead of ending the test program.
struct ProgramEnded {};

// Waits on a thread of its own for a dialog window of this process to come up, tells what it
// shows (its caption) and acts on it: `act` gets the dialog's window.
class DialogDriver {
  public:
    explicit DialogDriver(std::function<void(HWND dialog)> act);
    ~DialogDriver();
    std::string Caption() const { return caption_; }

  private:
    static DWORD WINAPI Run(void* self);
    std::function<void(HWND)> act_;
    std::string caption_;
    HANDLE thread_ = nullptr;
};

// A fresh, empty folder under the temporary folder, with a backslash at the end.
std::string TempFolder(const std::string& name);
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

} // namespace win32_test
