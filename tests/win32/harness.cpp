// The contract tests' platform under Windows: the real Win32 one, shared by all tests.
#include "contract/contract_harness.h"
#include "harness_support.h"
#include "platform/keys.h"
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_input_box.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_printer.h"

#include <cctype>
#include <cstring>
#include <utility>

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

void PasteAsUser(platform::TextBox& box) {
    win32_test::PressKey(win32_test::HwndOf(box), VK_INSERT, platform::shift::Shift);
}

// ---- the clipboard as another program uses it: a thread with a window of its own ----

namespace {

struct ClipboardHolder {
    HANDLE opened = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    DWORD holdMs = INFINITE;
    HANDLE thread = nullptr;
};
ClipboardHolder* holder = nullptr;

HWND OwnWindow() {
    return CreateWindowExA(0, "STATIC", "other program", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

// Waits for another thread while answering the messages it sends this one: emptying the
// clipboard sends its owner (this thread's window) a message and waits for the answer.
void WaitAnswering(HANDLE handle, DWORD ms = 5000) {
    DWORD start = GetTickCount();
    while (MsgWaitForMultipleObjects(1, &handle, FALSE, ms, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        if (GetTickCount() - start > ms) return;
    }
}

// Runs `put` with the clipboard opened and emptied by another thread's window.
template <class Put> void OnOtherThread(Put put) {
    auto run = [](void* p) -> DWORD {
        HWND own = OwnWindow();
        if (OpenClipboard(own)) {
            EmptyClipboard();
            (*static_cast<Put*>(p))();
            CloseClipboard();
        }
        DestroyWindow(own);
        return 0;
    };
    HANDLE thread = CreateThread(nullptr, 0, run, &put, 0, nullptr);
    WaitAnswering(thread);
    CloseHandle(thread);
}

} // namespace

void OtherProgramPutsText(std::string_view text) {
    std::string bytes(text);
    OnOtherThread([&bytes] {
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
        memcpy(GlobalLock(memory), bytes.c_str(), bytes.size() + 1);
        GlobalUnlock(memory);
        SetClipboardData(CF_TEXT, memory);
    });
}

void OtherProgramPutsPicture() {
    OnOtherThread([] {
        DWORD pixel = 0x00FF0000;
        SetClipboardData(CF_BITMAP, CreateBitmap(1, 1, 1, 32, &pixel));
    });
}

bool ClipboardHoldsPicture() {
    return IsClipboardFormatAvailable(CF_BITMAP) != FALSE;
}

void OtherProgramHoldsClipboard(bool briefly) {
    holder = new ClipboardHolder;
    holder->holdMs = briefly ? 60 : INFINITE;
    holder->thread = CreateThread(
        nullptr, 0,
        [](void* p) -> DWORD {
            auto* h = static_cast<ClipboardHolder*>(p);
            HWND own = OwnWindow();
            OpenClipboard(own);
            SetEvent(h->opened);
            WaitForSingleObject(h->release, h->holdMs);
            CloseClipboard();
            DestroyWindow(own);
            return 0;
        },
        holder, 0, nullptr);
    WaitAnswering(holder->opened);
}

void OtherProgramReleasesClipboard() {
    if (!holder) return;
    SetEvent(holder->release);
    WaitAnswering(holder->thread);
    CloseHandle(holder->thread);
    CloseHandle(holder->opened);
    CloseHandle(holder->release);
    delete holder;
    holder = nullptr;
}

// ---- menus as the user opens them ----

void OpenMenuAsUser(platform::MdiFrame& frame, platform::Menu& menu, std::string_view item) {
    int id = menu.Find(item);
    if (id < 0) return;
    const std::string& caption = menu.Items()[id].def.caption;
    size_t amp = caption.find('&');
    if (amp == std::string::npos || amp + 1 >= caption.size()) return;
    HWND hwnd = win32_test::HwndOf(frame);
    SetForegroundWindow(hwnd);
    // The menu's own loop runs until a timer closes it again.
    UINT_PTR timer = SetTimer(nullptr, 0, 150, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
    SendMessageA(hwnd, WM_SYSCOMMAND, SC_KEYMENU,
                 std::tolower(static_cast<unsigned char>(caption[amp + 1])));
    KillTimer(nullptr, timer);
    // Closing the menu leaves a message behind that would close the next one at once.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

void PressShortcutAsUser(platform::MdiFrame& frame, platform::Shortcut shortcut) {
    win32_test::PressKey(win32_test::HwndOf(frame), shortcut.key, shortcut.mods);
}

void CloseBoxAsUser(platform::Form& form) {
    SendMessageA(win32_test::HwndOf(form), WM_SYSCOMMAND, SC_CLOSE, 0);
    ContractPlatform().DoEvents();
}

void TakeBackQuit() {
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
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

// ---- clicks, lock keys and pop-up menus as the user makes them ----

void DoubleClickAsUser(platform::ListBox& list, int index) {
    HWND hwnd = win32_test::HwndOf(list);
    RECT item{};
    SendMessageA(hwnd, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    // On the text, clear of a check box.
    LPARAM at = MAKELPARAM(item.right - 5, (item.top + item.bottom) / 2);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        SendMessageA(hwnd, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
}

void SwitchLockKeyAsUser(platform::StatusBar&, platform::PanelStyle key, bool on) {
    using platform::PanelStyle;
    const int vk = key == PanelStyle::Insert ? VK_INSERT
                   : key == PanelStyle::Caps ? VK_CAPITAL
                   : key == PanelStyle::Num  ? VK_NUMLOCK
                                             : VK_SCROLL;
    BYTE state[256];
    GetKeyboardState(state);
    state[vk] = static_cast<BYTE>(on ? state[vk] | 1 : state[vk] & ~1);
    SetKeyboardState(state);
}

namespace {
// The access key still to type in the next pop-up menu; 0 once typed.
char popupKey = 0;
} // namespace

std::shared_ptr<void> ChooseInNextPopup(platform::Menu& menu, std::string_view item) {
    const std::string& caption = menu.Items()[menu.Find(item)].def.caption;
    popupKey = caption[caption.find('&') + 1];
    // The pop-up menu's own loop runs the timer: the first tick with the menu up types the
    // key; the next closes a menu that is still up (the item could not be chosen).
    UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
        HWND popup = FindWindowA("#32768", nullptr);
        if (!popup || !IsWindowVisible(popup)) return;
        if (popupKey)
            PostMessageA(popup, WM_CHAR, static_cast<unsigned char>(std::exchange(popupKey, 0)), 1);
        else
            EndMenu();
    });
    return std::shared_ptr<void>(nullptr, [timer](void*) { KillTimer(nullptr, timer); });
}
