// Helpers for the Wine tests.
#include "harness_support.h"

#include "contract/contract_harness.h"
#include "platform/keys.h"

namespace win32_test {

platform::win32::Win32Platform& Platform() {
    return dynamic_cast<platform::win32::Win32Platform&>(ContractPlatform());
}

HeldKeys::HeldKeys(int shiftBits) {
    GetKeyboardState(saved_);
    BYTE state[256];
    GetKeyboardState(state);
    auto hold = [&](int vk, bool down) { state[vk] = down ? 0x80 : 0; };
    hold(VK_SHIFT, shiftBits & platform::shift::Shift);
    hold(VK_CONTROL, shiftBits & platform::shift::Ctrl);
    hold(VK_MENU, shiftBits & platform::shift::Alt);
    SetKeyboardState(state);
}

HeldKeys::~HeldKeys() {
    SetKeyboardState(saved_);
}

bool PressKey(HWND target, int key, int shiftBits) {
    HeldKeys held(shiftBits);
    MSG msg{};
    msg.hwnd = target;
    msg.message = (shiftBits & platform::shift::Alt) ? WM_SYSKEYDOWN : WM_KEYDOWN;
    msg.wParam = static_cast<WPARAM>(key);
    msg.lParam = 1;
    if (platform::win32::Win32Platform::PreTranslate(msg)) return true;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return false;
}

platform::Answer ScriptedPlatform::MsgBox(std::string_view text, int style,
                                          std::string_view title) {
    shown.push_back({std::string(text), std::string(title), style});
    using platform::Answer;
    if (!answers.empty()) {
        Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    switch (style & 7) {
    case 2:
        return Answer::Abort;
    case 3:
    case 4:
        return (style & 0x300) ? Answer::No : Answer::Yes;
    default:
        return Answer::Ok;
    }
}

void ScriptedPlatform::EndProgram() {
    throw ProgramEnded{};
}

namespace {
BOOL CALLBACK FindDialog(HWND hwnd, LPARAM result) {
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    char cls[32] = "";
    GetClassNameA(hwnd, cls, sizeof cls);
    if (process == GetCurrentProcessId() && std::string(cls) == "#32770" && IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND*>(result) = hwnd;
        return FALSE;
    }
    return TRUE;
}
} // namespace

DialogDriver::DialogDriver(std::function<void(HWND)> act) : act_(std::move(act)) {
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

DialogDriver::~DialogDriver() {
    WaitForSingleObject(thread_, 20000);
    CloseHandle(thread_);
}

DWORD WINAPI DialogDriver::Run(void* self) {
    auto* driver = static_cast<DialogDriver*>(self);
    for (int i = 0; i < 1000; ++i) {
        HWND dialog = nullptr;
        EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&dialog));
        if (dialog) {
            // It has come up once its thread takes messages again: a message sent to it is
            // answered only from the dialog's message loop, after its set-up.
            DWORD_PTR answer = 0;
            SendMessageTimeoutA(dialog, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &answer);
            char caption[256] = "";
            GetWindowTextA(dialog, caption, sizeof caption);
            driver->caption_ = caption;
            driver->act_(dialog);
            return 0;
        }
        Sleep(10);
    }
    return 1;
}

std::string TempFolder(const std::string& name) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + name + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string path = folder + found.cFileName;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    return folder;
}

std::string ReadFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    ::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

} // namespace win32_test
