// Run-time errors as the program reports them: an error number and its description.
#pragma once
#include <functional>
#include <stdexcept>
#include <string>

namespace platform {

namespace err {
inline constexpr int OutOfMemory = 7;
inline constexpr int BadFileName = 52;
inline constexpr int FileNotFound = 53;
inline constexpr int DiskFull = 61;
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccess = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int NoObject = 91; // a window the statement needs is not there
inline constexpr int InvalidPropertyValue = 380;
inline constexpr int PrinterError = 482;
inline constexpr int NoFonts = 24574; // the font dialog has no fonts to list
inline constexpr int DialogCancelled = 32755;
} // namespace err

// The description that goes with a run-time error number ("File not found" for 53).
std::string ErrorDescription(int number);

class RuntimeError : public std::runtime_error {
  public:
    explicit RuntimeError(int number);
    RuntimeError(int number, const std::string& description);
    int Number() const { return number_; }
    const std::string& Description() const { return description_; }

  private:
    int number_;
    std::string description_;
};

// Entry points from the system (window procedures, the message loop) run the program's code
// through RunEvent, so that no exception crosses into the system. The program sets the guard
// that reports what escapes (and may run the handler again); without one, it is dropped.
using EventGuard = std::function<void(const std::function<void()>& handler)>;
void SetEventGuard(EventGuard guard);
void RunEvent(const std::function<void()>& handler);

} // namespace platform
