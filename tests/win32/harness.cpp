// The contract tests' platform under Windows: the real Win32 one, shared by all tests.
#include "contract/contract_harness.h"
#include "harness_support.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_printer.h"

platform::Platform& ContractPlatform() {
    static platform::win32::Win32Platform platform;
    return platform;
}

std::string ContractFolder() {
    return win32_test::TempFolder("scrivex-contract");
}

void QueueTyping(platform::TextBox& box, std::string_view text) {
    HWND hwnd = win32_test::HwndOf(box);
    for (char c : text)
        PostMessageA(hwnd, WM_CHAR, static_cast<unsigned char>(c), 1);
}

namespace {
std::shared_ptr<void> PressInDialog(int button) {
    return std::make_shared<win32_test::DialogDriver>(
        [button](HWND dialog) { PostMessageA(dialog, WM_COMMAND, button, 0); });
}
} // namespace

std::shared_ptr<void> AnswerFontDialog(bool ok) {
    return PressInDialog(ok ? IDOK : IDCANCEL);
}

std::shared_ptr<void> AnswerPrinterDialog(bool ok) {
    return PressInDialog(ok ? IDOK : IDCANCEL);
}

bool ContractHasPrinter() {
    return !platform::win32::DefaultPrinterName().empty();
}
