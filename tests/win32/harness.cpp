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

void ContractCopyText(std::string_view text) {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    char* bytes = static_cast<char*>(GlobalLock(memory));
    memcpy(bytes, text.data(), text.size());
    bytes[text.size()] = '\0';
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
    ContractPlatform().DoEvents();
}

void ContractCopyBitmap() {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
    ReleaseDC(nullptr, screen);
    SetClipboardData(CF_BITMAP, bitmap);
    CloseClipboard();
    ContractPlatform().DoEvents();
}

void ContractMouseMove(platform::PictureBox& box, int x, int y) {
    SendMessageA(win32_test::HwndOf(box), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}
