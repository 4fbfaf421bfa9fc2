// Tool windows: modeless top-level windows that behave like dialogs.
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_form_kinds.h"
#include "platform/win32/win32_menu.h"

namespace platform::win32 {

bool Win32ToolForm::CreateWindowNow() {
    RegisterFormClass(kToolClass, FormWindowProc<DefWindowProcA>, COLOR_BTNFACE);
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    const DWORD exStyle = WS_EX_CONTROLPARENT;
    int width = CW_USEDEFAULT, height = CW_USEDEFAULT;
    if (def_.width > 0 && def_.height > 0) {
        RECT r{0, 0, TwipsToPixels(def_.width, dpi_), TwipsToPixels(def_.height, dpi_)};
        AdjustWindowRectAt(r, style, false, exStyle, dpi_);
        width = r.right - r.left;
        height = r.bottom - r.top;
    }
    Win32FormCore* outer = creating_;
    creating_ = this;
    CreateWindowExA(exStyle, kToolClass, caption_.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                    width, height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    creating_ = outer;
    FollowWindowDpi();
    return hwnd_ != nullptr;
}

LRESULT Win32ToolForm::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd_, msg, wParam, lParam);
}

LRESULT Win32ToolForm::OnActivate(WPARAM wParam, LPARAM lParam) {
    PostMessageA(hwnd_, kMsgDeferredActivate, LOWORD(wParam) != WA_INACTIVE, 0);
    // The focus comes back, through WM_SETFOCUS, to the control that had it.
    if (LOWORD(wParam) == WA_INACTIVE) RememberFocus();
    return DefaultProc(WM_ACTIVATE, wParam, lParam);
}

bool Win32ToolForm::CloseForm(UnloadMode mode) {
    if (!hwnd_) return true;
    if (!QueryUnload(mode)) return false;
    UnloadForm();
    return true;
}

void Win32ToolForm::UnloadForm() {
    if (!hwnd_ || !RunUnload()) return;
    if (hwnd_) DestroyWindow(hwnd_);
}

void Win32ToolForm::OnClose() {
    // The close box, and Esc in a multi-line box (the edit control asks its parent to close),
    // hide the window as its hide button does; the program keeps the window, its texts and
    // its settings until it ends.
    Hide();
}

void Win32ToolForm::OnDestroy() {
    // The menu belongs to its model, not to the window.
    if (menu_ && GetMenu(hwnd_) == menu_->Bar()) {
        ::SetMenu(hwnd_, nullptr);
        menu_->SetShownIn(nullptr);
    }
}

void Win32ToolForm::ShowMenu() {
    if (!hwnd_) return;
    ::SetMenu(hwnd_, menu_ ? menu_->Bar() : nullptr);
    if (menu_) menu_->SetShownIn(hwnd_);
}

} // namespace platform::win32
