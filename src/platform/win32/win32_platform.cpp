// The platform's factories and services, and the message loop with its key routing.
#include "platform/win32/win32_platform.h"

#include <shlobj.h>

#include <stdexcept>

#include "platform/errors.h"
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_common_dialog.h"
#include "platform/win32/win32_form_kinds.h"
#include "platform/win32/win32_input_box.h"
#include "platform/win32/win32_menu.h"

namespace platform::win32 {

std::string ArgumentsOf(std::string_view line) {
    size_t i = 0;
    if (i < line.size() && line[i] == '"') {
        size_t close = line.find('"', 1);
        i = close == std::string_view::npos ? line.size() : close + 1;
    }
    while (i < line.size() && line[i] != ' ' && line[i] != '\t')
        ++i;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
        ++i;
    return std::string(line.substr(i));
}

namespace {

// On Windows a program without a visual-styles manifest (this one) gets plain scroll bars and
// caption buttons; Wine draws them in the desktop's style through its user-interface hooks,
// at several times the cost: with 64 tiled document windows, the frame's one repaint spent
// most of its time on their 128 scroll bars. Under Wine the program takes those hooks off its
// own windows, so they are drawn plain, as on Windows. (Nothing is done on Windows.)
void DrawScrollBarsPlain() {
    auto entry = [](const char* module, const char* name) {
        HMODULE handle = GetModuleHandleA(module);
        return handle ? reinterpret_cast<void*>(GetProcAddress(handle, name)) : nullptr;
    };
    if (!entry("ntdll.dll", "wine_get_version")) return;
    if (auto unhook =
            reinterpret_cast<BOOL(WINAPI*)()>(entry("user32.dll", "UnregisterUserApiHook")))
        unhook();
}

} // namespace

Win32Platform::Win32Platform(HINSTANCE instance, int showCommand)
    : instance_(instance), showCommand_(showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_BAR_CLASSES | ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    DrawScrollBarsPlain();
}

Win32Platform::~Win32Platform() = default;

std::unique_ptr<MdiFrame> Win32Platform::CreateFrame(const FormDef& def) {
    FormDef frameDef = def;
    frameDef.kind = FormKind::MdiFrame;
    auto frame = std::make_unique<Win32MdiFrame>(frameDef, showCommand_);
    if (!frame->CreateWindowNow()) throw std::runtime_error("CreateFrame: no window");
    return frame;
}

std::unique_ptr<Form> Win32Platform::CreateForm(const FormDef& def) {
    if (def.kind == FormKind::MdiChild) {
        Win32MdiFrame* frame = Win32MdiFrame::Current();
        if (!frame) throw std::logic_error("CreateForm: a document window needs the frame");
        return frame->CreateChild(def);
    }
    if (def.kind == FormKind::MdiFrame) return CreateFrame(def);
    auto form = std::make_unique<Win32ToolForm>(def);
    if (!form->CreateWindowNow()) throw std::runtime_error("CreateForm: no window");
    return form;
}

std::unique_ptr<Menu> Win32Platform::CreateMenu(const std::vector<MenuItemDef>& tree,
                                                MenuHandler handler) {
    return std::make_unique<Win32Menu>(tree, std::move(handler));
}

Answer Win32Platform::MsgBox(std::string_view text, int style, std::string_view title) {
    // A question about one of many documents closing shows them as they are.
    if (Win32MdiFrame* frame = Win32MdiFrame::Current()) frame->ReleasePainting();
    HWND owner = GetActiveWindow();
    if (!owner)
        if (Win32MdiFrame* frame = Win32MdiFrame::Current()) owner = frame->Hwnd();
    int answer = MessageBoxA(owner, TextUpToNul(text).c_str(), TextUpToNul(title).c_str(),
                             static_cast<UINT>(style));
    return static_cast<Answer>(answer);
}

std::string Win32Platform::InputBox(std::string_view prompt, std::string_view title,
                                    std::string_view defaultText) {
    HWND owner = GetActiveWindow();
    if (!owner)
        if (Win32MdiFrame* frame = Win32MdiFrame::Current()) owner = frame->Hwnd();
    return ShowInputBox(owner, prompt, title, defaultText);
}

std::unique_ptr<CommonDialog> Win32Platform::CreateCommonDialog() {
    return std::make_unique<Win32CommonDialog>();
}

void Win32Platform::Beep() {
    MessageBeep(MB_OK);
}

std::string Win32Platform::SpecialFolder(int folder) {
    // The Windows and system folders are the system's own: asking the shell for them would
    // load it at start-up.
    char path[MAX_PATH + 1] = "";
    UINT length = 0;
    if (folder == CSIDL_WINDOWS) length = GetSystemWindowsDirectoryA(path, sizeof path);
    if (folder == CSIDL_SYSTEM) length = GetSystemDirectoryA(path, sizeof path);
    if (length > 0 && length < sizeof path) return std::string(path, length);
    return ShellFolder(folder);
}

std::string Win32Platform::ShellFolder(int folder) {
    Win32MdiFrame* frame = Win32MdiFrame::Current();
    LPITEMIDLIST items = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(frame ? frame->Hwnd() : nullptr, folder, &items)) ||
        !items)
        throw RuntimeError(err::PathNotFound);
    char path[260] = "";
    BOOL found = SHGetPathFromIDListA(items, path);
    ILFree(items); // the shell allocated the list; freeing it needs no COM
    if (!found) throw RuntimeError(err::PathNotFound);
    return std::string(path); // up to the first NUL
}

std::string Win32Platform::CommandLine() {
    return ArgumentsOf(GetCommandLineA());
}

NumberFormat Win32Platform::Numbers() {
    NumberFormat format;
    char text[16] = "";
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, text, sizeof text) > 1)
        format.decimal = text;
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, text, sizeof text) > 0)
        format.thousands = text;
    return format;
}

int Win32Platform::SecondsSinceMidnight() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return now.wHour * 3600 + now.wMinute * 60 + now.wSecond;
}

LocalTime Win32Platform::Now() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return LocalTimeOf(now);
}

void Win32Platform::EndProgram() {
    ExitProcess(0);
}

bool Win32Platform::PreTranslate(MSG& msg) {
    const bool keyDown = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
    if (keyDown) {
        Win32MdiFrame* frame = Win32MdiFrame::Current();
        HWND frameHwnd = frame ? frame->Hwnd() : nullptr;
        if (frameHwnd && (msg.hwnd == frameHwnd || IsChild(frameHwnd, msg.hwnd))) {
            Shortcut shortcut{static_cast<int>(msg.wParam), ShiftState()};
            // Ctrl+F10 would maximise the document; here it is bound to nothing.
            if (shortcut == Ctrl(VK_F10)) return true;
            if (frame->PressShortcut(shortcut)) return true;
        }
    }
    if (Win32FormCore* form = Win32FormCore::Owning(msg.hwnd); form && form->KeyPreview()) {
        const HWND focus = GetFocus();
        if (keyDown) Fire(form->Events().onKeyDown, static_cast<int>(msg.wParam), ShiftState());
        // A key whose handler sent the focus elsewhere (Tab from the result list to the find
        // dialog) has done its work: the dialog keys must not pull the focus back.
        if (keyDown && GetFocus() != focus) return true;
        if (msg.message == WM_CHAR) {
            int ascii = static_cast<int>(msg.wParam);
            Fire(form->Events().onKeyPress, ascii);
            if (ascii == 0) return true;
            msg.wParam = static_cast<WPARAM>(ascii);
        }
    }
    // The handlers may have closed the window: look it up again.
    HWND root = IsWindow(msg.hwnd) ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    Win32FormCore* top = Win32FormCore::FromHwnd(root);
    if (top && top->Kind() == FormKind::Tool && IsDialogMessageA(root, &msg)) return true;
    return false;
}

int Win32Platform::Run() {
    Win32MdiFrame* frame = Win32MdiFrame::Current();
    if (!frame) return 1; // the start-up failed before the frame was made
    if (!frame->EverShown()) frame->Show();
    MSG msg{};
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        Handle(msg);
    return msg.message == WM_QUIT ? static_cast<int>(msg.wParam) : 0;
}

void Win32Platform::DoEvents() {
    MSG msg{};
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Leave it for the loop that ends the program.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        Handle(msg);
    }
}

bool Win32Platform::InputWaiting() {
    // Only keys and mouse input count: paint and timer messages wait for the loop.
    return HIWORD(GetQueueStatus(QS_INPUT)) != 0;
}

void Win32Platform::Handle(MSG& msg) {
    bool used = true; // a key whose handler failed has had its turn
    RunEvent([&] { used = PreTranslate(msg); });
    if (used) return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

} // namespace platform::win32
