// Units, keyboard state, window text, the program icon and the forms' window classes.
#include "platform/win32/win32_common.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/keys.h"
#include "platform/win32/win32_guards.h"
#include "platform/win32/win32_resources.h"

namespace platform::win32 {

namespace {

// The system's per-monitor functions, where it has them (Windows 10 1607 and later).
template <class Function> Function User32Function(const char* name) {
    static HMODULE user32 = GetModuleHandleA("user32.dll");
    if (!user32) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

} // namespace

int SystemDpi() {
    static const int dpi = [] {
        int value = 0;
        if (HDC dc = GetDC(nullptr)) {
            value = GetDeviceCaps(dc, LOGPIXELSY);
            ReleaseDC(nullptr, dc);
        }
        return value > 0 ? value : 96;
    }();
    return dpi;
}

int WindowDpi(HWND hwnd) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto get = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    const int dpi = get && hwnd ? static_cast<int>(get(hwnd)) : 0;
    return dpi > 0 ? dpi : SystemDpi();
}

int SystemMetricAt(int index, int dpi) {
    using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
    static const auto get = User32Function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    if (get) return get(index, static_cast<UINT>(dpi));
    return MulDiv(GetSystemMetrics(index), dpi, SystemDpi());
}

void AdjustWindowRectAt(RECT& rect, DWORD style, bool menu, DWORD exStyle, int dpi) {
    using AdjustFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjust = User32Function<AdjustFn>("AdjustWindowRectExForDpi");
    if (!adjust || !adjust(&rect, style, menu, exStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&rect, style, menu, exStyle);
}

namespace {
HWND heldArea = nullptr;
} // namespace

void HoldPaintInside(HWND area) {
    heldArea = area;
}

void ReleasePaint() {
    heldArea = nullptr;
}

void QuietHeldMove(HWND hwnd, UINT msg, LPARAM lParam) {
    if (!heldArea || msg != WM_WINDOWPOSCHANGING || !IsChild(heldArea, hwnd)) return;
    reinterpret_cast<WINDOWPOS*>(lParam)->flags |= SWP_NOREDRAW | SWP_NOCOPYBITS;
}

namespace {
HWND arrangedArea = nullptr;
std::vector<ArrangedMove> arrangedMoves;
} // namespace

void BeginArrangingInside(HWND area) {
    arrangedArea = area;
    arrangedMoves.clear();
}

std::vector<ArrangedMove> TakeArrangedMoves() {
    arrangedArea = nullptr;
    return std::move(arrangedMoves);
}

void NoteArrangedMove(HWND hwnd, UINT msg, LPARAM lParam) {
    if (!arrangedArea || msg != WM_WINDOWPOSCHANGING || GetParent(hwnd) != arrangedArea) return;
    auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
    constexpr UINT kept = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER;
    if ((pos->flags & kept) == kept) return;
    arrangedMoves.push_back(
        {hwnd, pos->hwndInsertAfter, pos->x, pos->y, pos->cx, pos->cy, pos->flags & kept});
    pos->flags |= kept | SWP_NOREDRAW | SWP_NOCOPYBITS | SWP_NOACTIVATE;
    pos->flags &= ~SWP_FRAMECHANGED;
}

bool SkipHeldPaint(HWND hwnd, UINT msg, LRESULT& result) {
    if (!heldArea) return false;
    if (msg != WM_PAINT && msg != WM_NCPAINT && msg != WM_ERASEBKGND) return false;
    if (!IsChild(heldArea, hwnd)) return false;
    if (msg == WM_PAINT) ValidateRect(hwnd, nullptr);
    result = msg == WM_ERASEBKGND ? 1 : 0;
    return true;
}

int ShiftState() {
    int state = 0;
    if (GetKeyState(VK_SHIFT) < 0) state |= shift::Shift;
    if (GetKeyState(VK_CONTROL) < 0) state |= shift::Ctrl;
    if (GetKeyState(VK_MENU) < 0) state |= shift::Alt;
    return state;
}

HICON AppIcon(bool small) {
    int size = GetSystemMetrics(small ? SM_CXSMICON : SM_CXICON);
    HANDLE icon = LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_SCRIVEX), IMAGE_ICON,
                             size, size, LR_DEFAULTCOLOR | LR_SHARED);
    if (!icon) return LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    return static_cast<HICON>(icon);
}

namespace {
ATOM formClasses[3] = {};
}

void NoteFormClass(ATOM atom) {
    for (ATOM& slot : formClasses)
        if (!slot || slot == atom) {
            slot = atom;
            return;
        }
}

void RegisterFormClass(const char* name, WNDPROC proc, int backgroundColor) {
    static std::vector<std::string> registered;
    if (std::find(registered.begin(), registered.end(), name) != registered.end()) return;
    registered.emplace_back(name);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hIcon = AppIcon(false);
    wc.hIconSm = AppIcon(true);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(backgroundColor + 1));
    wc.lpszClassName = name;
    NoteFormClass(RegisterClassExA(&wc));
}

bool IsFormWindow(HWND hwnd) {
    if (!hwnd) return false;
    auto atom = static_cast<ATOM>(GetClassLongPtrA(hwnd, GCW_ATOM));
    for (ATOM slot : formClasses)
        if (slot && slot == atom) return true;
    return false;
}

std::string WindowText(HWND hwnd) {
    if (!hwnd) return {};
    int length = GetWindowTextLengthA(hwnd);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int got = GetWindowTextA(hwnd, text.data(), length + 1);
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

} // namespace platform::win32
