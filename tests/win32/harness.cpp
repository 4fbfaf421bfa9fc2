// The contract tests' platform under Windows: the real Win32 one, shared by all tests.
#include "contract/contract_harness.h"
#include "harness_support.h"
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_input_box.h"
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

std::string AnswerInputBox(std::string_view prompt, std::string_view title,
                           std::string_view defaultText, std::optional<std::string> typed,
                           InputBoxSeen& seen) {
    using namespace platform::win32;
    std::string answer;
    {
        win32_test::DialogDriver driver([&](HWND dialog) {
            seen.prompt = WindowText(GetDlgItem(dialog, kInputBoxPrompt));
            seen.entry = WindowText(GetDlgItem(dialog, kInputBoxEntry));
            if (typed) SetDlgItemTextA(dialog, kInputBoxEntry, typed->c_str());
            PostMessageA(dialog, WM_COMMAND, typed ? IDOK : IDCANCEL, 0);
        });
        answer = ContractPlatform().InputBox(prompt, title, defaultText);
        seen.title = driver.Caption();
    }
    return answer;
}
