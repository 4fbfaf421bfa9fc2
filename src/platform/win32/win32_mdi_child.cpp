// Document windows: MDI children made through the frame's MDI client.
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_form_kinds.h"
#include "platform/win32/win32_menu.h"

namespace platform::win32 {

Win32MdiChild::~Win32MdiChild() {
    HWND hwnd = hwnd_;
    DestroySilently();
    if (frame_) {
        frame_->ChildGone(this);
        if (hwnd) frame_->UpdateShownMenu();
    }
}

bool Win32MdiChild::CreateWindowNow(HWND client) {
    RegisterFormClass(kChildClass, FormWindowProc<DefMDIChildProcA>, COLOR_BTNFACE);
    // A document window is drawn at its frame's DPI.
    if (frame_) dpi_ = frame_->Dpi();
    MDICREATESTRUCTA create{};
    create.szClass = kChildClass;
    create.szTitle = caption_.c_str();
    create.hOwner = GetModuleHandleA(nullptr);
    create.x = create.y = create.cx = create.cy = CW_USEDEFAULT;
    create.style = WS_VISIBLE | WS_CLIPCHILDREN | WS_OVERLAPPEDWINDOW;
    if (def_.width > 0 && def_.height > 0) {
        RECT r{0, 0, TwipsToPixels(def_.width, dpi_), TwipsToPixels(def_.height, dpi_)};
        AdjustWindowRectAt(r, WS_CHILD | WS_OVERLAPPEDWINDOW, false,
                           WS_EX_MDICHILD | WS_EX_WINDOWEDGE, dpi_);
        create.cx = r.right - r.left;
        create.cy = r.bottom - r.top;
    }
    Win32FormCore* outer = creating_;
    creating_ = this;
    SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create));
    creating_ = outer;
    return hwnd_ != nullptr;
}

LRESULT Win32MdiChild::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefMDIChildProcA(hwnd_, msg, wParam, lParam);
}

LRESULT Win32MdiChild::OnMdiActivate(WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<HWND>(wParam) == hwnd_) RememberFocus();
    LRESULT result = DefaultProc(WM_MDIACTIVATE, wParam, lParam);
    if (reinterpret_cast<HWND>(wParam) == hwnd_) Fire(onDeactivate);
    if (hwnd_ && reinterpret_cast<HWND>(lParam) == hwnd_) {
        if (frame_) frame_->UpdateShownMenu(this);
        Fire(onActivate);
    }
    return result;
}

bool Win32MdiChild::CloseForm(UnloadMode mode) {
    if (!hwnd_) return true;
    if (!QueryUnload(mode)) return false;
    UnloadForm();
    return true;
}

void Win32MdiChild::UnloadForm() {
    if (!hwnd_ || !RunUnload()) return;
    if (!hwnd_) return;
    Win32MdiFrame* frame = frame_; // the window's end lets go of the frame
    if (frame) frame->HoldPainting();
    SendMessageA(GetParent(hwnd_), WM_MDIDESTROY, reinterpret_cast<WPARAM>(hwnd_), 0);
    // With the last document gone, the frame's own bar comes back.
    if (frame) frame->UpdateShownMenu();
}

void Win32MdiChild::ShowMenu() {
    if (frame_) frame_->UpdateShownMenu();
}

void Win32MdiChild::SetStateNow(WindowState state) {
    HWND client = GetParent(hwnd_);
    auto self = reinterpret_cast<WPARAM>(hwnd_);
    switch (state) {
    case WindowState::Normal:
        SendMessageA(client, WM_MDIRESTORE, self, 0);
        break;
    case WindowState::Maximized:
        SendMessageA(client, WM_MDIMAXIMIZE, self, 0);
        break;
    case WindowState::Minimized:
        ShowWindow(hwnd_, SW_MINIMIZE);
        break;
    }
}

void Win32MdiChild::OnWindowGone() {
    if (frame_) frame_->ChildGone(this);
    frame_ = nullptr;
}

} // namespace platform::win32
