// Creation, subclassing and geometry common to every control wrapper.
#include "platform/win32/win32_control.h"

#include "platform/errors.h"

#include "platform/win32/win32_common.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_form.h"
#include "platform/win32/win32_tooltips.h"

namespace platform::win32 {

Win32ControlCore::~Win32ControlCore() {
    Unsubclass();
}

void Win32ControlCore::Unsubclass() {
    if (!hwnd_ || !systemProc_) return;
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemProc_));
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
}

HWND Win32ControlCore::CreateChildWindow(HWND parent, const char* className, const ControlDef& def,
                                         DWORD style, DWORD exStyle, HFONT font) {
    style |= WS_CHILD | WS_CLIPSIBLINGS;
    if (def.visible) style |= WS_VISIBLE;
    if (def.tabIndex >= 0) style |= WS_TABSTOP;
    twips_ = RECT{def.left, def.top, def.left + def.width, def.top + def.height};
    const int dpi = form_.Dpi();
    hwnd_ = CreateWindowExA(exStyle, className, def.caption.c_str(), style,
                            TwipsToPixels(def.left, dpi), TwipsToPixels(def.top, dpi),
                            TwipsToPixels(def.width, dpi), PixelHeight(def.height, dpi), parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)),
                            GetModuleHandleA(nullptr), nullptr);
    if (!hwnd_) return nullptr;
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    systemProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlProc)));
    hasTooltip_ = !def.tooltip.empty();
    if (hasTooltip_) form_.Tooltips().AddWindow(hwnd_, def.tooltip);
    return hwnd_;
}

void Win32ControlCore::PlaceAt(const RECT& twips) {
    twips_ = twips;
    if (!hwnd_) return;
    const int dpi = form_.Dpi();
    MoveWindow(hwnd_, TwipsToPixels(twips.left, dpi), TwipsToPixels(twips.top, dpi),
               TwipsToPixels(twips.right - twips.left, dpi),
               PixelHeight(twips.bottom - twips.top, dpi), TRUE);
}

void Win32ControlCore::ApplyDpi(int, HFONT font) {
    if (!hwnd_) return;
    // Docked bars are placed by their form, after their new font gave them their height.
    if (!DocksAtBottom()) PlaceAt(twips_);
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

LRESULT Win32ControlCore::CallDefault(UINT msg, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(systemProc_, hwnd_, msg, wParam, lParam);
}

LRESULT CALLBACK Win32ControlCore::ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* control = reinterpret_cast<Win32ControlCore*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!control) return DefWindowProcA(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        WNDPROC systemProc = control->systemProc_;
        control->Unsubclass();
        LRESULT result = CallWindowProcA(systemProc, hwnd, msg, wParam, lParam);
        RunEvent([&] { control->OnDestroyed(); });
        return result;
    }
    LRESULT result = 0;
    RunEvent([&] { result = control->HandleOwnMessage(msg, wParam, lParam); });
    return result;
}

LRESULT Win32ControlCore::HandleOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (hasTooltip_) form_.Tooltips().Relay(hwnd_, msg, wParam, lParam);
    LRESULT result = 0;
    if (SkipHeldPaint(hwnd_, msg, result)) return result;
    QuietHeldMove(hwnd_, msg, lParam);
    if (OnOwnMessage(msg, wParam, lParam, result)) return result;
    return CallDefault(msg, wParam, lParam);
}

std::unique_ptr<Win32ControlCore> MakeControl(Win32FormCore& form, const ControlDef& def, int id) {
    switch (def.kind) {
    case ControlKind::Label:
        return std::make_unique<Win32Label>(form, id);
    case ControlKind::TextBox:
    case ControlKind::MultiLineBox:
        return std::make_unique<Win32TextBox>(form, id);
    case ControlKind::Button:
        return std::make_unique<Win32Button>(form, id);
    case ControlKind::CheckBox:
        return std::make_unique<Win32CheckBox>(form, id);
    case ControlKind::ListBox:
        return std::make_unique<Win32ListBox>(form, id);
    case ControlKind::ComboList:
        return std::make_unique<Win32ComboList>(form, id);
    case ControlKind::StatusBar:
        return std::make_unique<Win32StatusBar>(form, id);
    case ControlKind::Image:
        return std::make_unique<Win32Image>(form, id);
    case ControlKind::PictureBox:
        return std::make_unique<Win32PictureBox>(form, id);
    }
    return std::make_unique<Win32Label>(form, id);
}

template <class I> RECT Win32Control<I>::Bounds() const {
    RECT r{};
    if (!hwnd_) return r;
    GetWindowRect(hwnd_, &r);
    MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
    const int dpi = form_.Dpi();
    return RECT{PixelsToTwips(r.left, dpi), PixelsToTwips(r.top, dpi), PixelsToTwips(r.right, dpi),
                PixelsToTwips(r.bottom, dpi)};
}

template <class I> void Win32Control<I>::SetVisible(bool visible) {
    if (!hwnd_) return;
    ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
    if (DocksAtBottom()) form_.LayoutDocked();
}

template <class I> void Win32Control<I>::Move(int left, int top, int width, int height) {
    if (!hwnd_) return;
    PlaceAt(RECT{left, top, left + width, top + height});
}

template class Win32Control<Label>;
template class Win32Control<TextBox>;
template class Win32Control<Button>;
template class Win32Control<CheckBox>;
template class Win32Control<ListBox>;
template class Win32Control<ComboList>;
template class Win32Control<StatusBar>;
template class Win32Control<Image>;
template class Win32Control<PictureBox>;

} // namespace platform::win32
