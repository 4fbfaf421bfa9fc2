// Run-time error numbers and their descriptions.
#include "platform/errors.h"

namespace platform {

std::string ErrorDescription(int number) {
    switch (number) {
    case err::OutOfMemory:
        return "Out of memory";
    case err::NoObject:
        return "Object variable or With block variable not set";
    case err::BadFileName:
        return "Bad file name or number";
    case err::FileNotFound:
        return "File not found";
    case err::DiskFull:
        return "Disk full";
    case err::PermissionDenied:
        return "Permission denied";
    case err::PathFileAccess:
        return "Path/File access error";
    case err::PathNotFound:
        return "Path not found";
    case err::InvalidPropertyValue:
        return "Invalid property value";
    case err::PrinterError:
        return "Printer error";
    case err::NoFonts:
        return "No fonts exist.";
    case err::DialogCancelled:
        return "Cancel was selected.";
    default:
        return "Application-defined or object-defined error";
    }
}

RuntimeError::RuntimeError(int number) : RuntimeError(number, ErrorDescription(number)) {}

RuntimeError::RuntimeError(int number, const std::string& description)
    : std::runtime_error(description), number_(number), description_(description) {}

namespace {
EventGuard& Guard() {
    static EventGuard guard;
    return guard;
}
} // namespace

void SetEventGuard(EventGuard guard) {
    Guard() = std::move(guard);
}

void RunEvent(const std::function<void()>& handler) {
    try {
        if (Guard())
            Guard()(handler);
        else
            handler();
    } catch (...) {
        // Nothing may unwind into the system's code; the guard has reported what it could.
    }
}

} // namespace platform
