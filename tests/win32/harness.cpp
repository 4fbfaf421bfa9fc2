// The contract tests' platform under Windows: the real Win32 one, shared by all tests.
#include "contract/contract_harness.h"
#include "harness_support.h"
#include "platform/win32/win32_platform.h"

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
