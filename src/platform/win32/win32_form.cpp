// What every form shares: binding windows to forms, creating controls and fonts, docking status
// bars, routing control notifications and the default and cancel buttons.
#include "platform/win32/win32_form.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "platform/win32/win32_common.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_form_kinds.h"
#include "platform/win32/win32_menu.h"
#include "platform/win32/win32_tooltips.h"

namespace platform::win32 {

thread_local Win32FormCore* Win32FormCore::creating_ = nullptr;

Win32FormCore::Win32FormCore(const FormDef& def) : def_(def), caption_(TextUpToNul(def.caption)) {}

Win32FormCore::~Win32FormCore() {
    if (menu_) menu_->RemoveUser(this);
    for (HFONT font : fonts_)
        DeleteObject(font);
}

Win32FormCore* Win32FormCore::FromHwnd(HWND hwnd) {
    return IsFormWindow(hwnd) ? FromOwnWindow(hwnd) : nullptr;
}

Win32FormCore* Win32FormCore::Owning(HWND hwnd) {
    for (; hwnd; hwnd = GetAncestor(hwnd, GA_PARENT))
        if (Win32FormCore* form = FromHwnd(hwnd)) return form;
    return nullptr;
}

void Win32FormCore::Attach(HWND hwnd) {
    if (!creating_ || creating_->hwnd_) return;
    creating_->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creating_));
}

void Win32FormCore::DestroySilently() {
    HWND hwnd = hwnd_;
    if (!hwnd) return;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    if (def_.kind == FormKind::MdiChild)
        SendMessageA(GetParent(hwnd), WM_MDIDESTROY, reinterpret_cast<WPARAM>(hwnd), 0);
    else
        DestroyWindow(hwnd);
}

LRESULT Win32FormCore::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (LRESULT held = 0; SkipHeldPaint(hwnd_, msg, held)) return held;
    QuietHeldMove(hwnd_, msg, lParam);
    NoteArrangedMove(hwnd_, msg, lParam);
    switch (msg) {
    case WM_CREATE: {
        LRESULT result = DefaultProc(msg, wParam, lParam);
        OnCreate();
        return result;
    }
    case WM_SIZE:
        return OnSizeMessage(wParam, lParam);
    case kMsgDeferredResize:
        OnSize();
        return 0;
    case WM_COMMAND:
        return OnCommand(wParam, lParam);
    case WM_INITMENUPOPUP:
        // A sub-menu is about to be drawn: the program sets its items' states first.
        OnMenuOpening(reinterpret_cast<HMENU>(wParam));
        return DefaultProc(msg, wParam, lParam);
    case WM_DRAWITEM:
        return OnDrawItem(wParam, lParam);
    case WM_MEASUREITEM:
        return OnMeasureItem(wParam, lParam);
    case WM_ACTIVATE:
        return OnActivate(wParam, lParam);
    case WM_NCACTIVATE:
        // A window activated as it shows gets its whole frame painted right after: drawing
        // the caption here as well would paint it twice.
        if (showing_) return DefaultProc(msg, wParam, -1);
        return DefaultProc(msg, wParam, lParam);
    case kMsgDeferredActivate:
        OnDeferredActivate(wParam != 0);
        return 0;
    case WM_MDIACTIVATE:
        return OnMdiActivate(wParam, lParam);
    case WM_SETFOCUS:
        return OnSetFocus(wParam, lParam);
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_QUERYENDSESSION:
        return OnQueryEndSession();
    case WM_ENTERIDLE:
        OnEnterIdle();
        return DefaultProc(msg, wParam, lParam);
    case DM_GETDEFID:
        return OnGetDefId();
    case WM_ERASEBKGND:
    case WM_PRINTCLIENT:
        // The frame's client area is all document area and bars: nothing of its own to paint,
        // however often themed bars ask it for their background.
        if (def_.kind == FormKind::MdiFrame) return msg == WM_ERASEBKGND ? 1 : 0;
        return DefaultProc(msg, wParam, lParam);
    case WM_DESTROY:
        OnDestroy();
        return DefaultProc(msg, wParam, lParam);
    case WM_NCDESTROY: {
        LRESULT result = DefaultProc(msg, wParam, lParam);
        OnNcDestroy();
        return result;
    }
    default:
        return DefaultProc(msg, wParam, lParam);
    }
}

void Win32FormCore::OnCreate() {
    CreateControls();
    // The program attaches its handlers after the window exists: report the first size then.
    PostMessageA(hwnd_, kMsgDeferredResize, 0, 0);
}

void Win32FormCore::CreateControls() {
    controls_.clear();
    for (size_t i = 0; i < def_.controls.size(); ++i)
        controls_.push_back(
            MakeControl(*this, def_.controls[i], kFirstControlId + static_cast<int>(i)));
    for (size_t i = 0; i < controls_.size(); ++i)
        controls_[i]->Create(hwnd_, def_.controls[i], FontFor(def_.controls[i]));

    // Tab moves through the controls in their tab order, which is their z-order.
    std::vector<size_t> order;
    for (size_t i = 0; i < controls_.size(); ++i)
        if (def_.controls[i].tabIndex >= 0 && controls_[i]->Hwnd()) order.push_back(i);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return def_.controls[a].tabIndex < def_.controls[b].tabIndex;
    });
    for (size_t i : order)
        SetWindowPos(controls_[i]->Hwnd(), HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    LayoutDocked();
}

namespace {

HFONT CreateNamedFont(const FontDef& f, int charset) {
    const int height = -static_cast<int>(std::lround(f.points * ScreenDpiY() / 72.0));
    return CreateFontA(height, 0, 0, 0, f.weight, f.italic, FALSE, FALSE,
                       static_cast<BYTE>(charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, f.name.c_str());
}

// Whether the system gave the font of that name, not a stand-in of the wanted character set.
bool HasFace(HFONT font, const std::string& name) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    char face[LF_FACESIZE] = "";
    GetTextFaceA(dc, LF_FACESIZE, face);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return lstrcmpiA(face, name.c_str()) == 0;
}

} // namespace

HFONT CreateScreenFont(const FontDef& f) {
    HFONT font = CreateNamedFont(f, f.charset);
    // A system without the named face in that character set would give some other face of
    // the set; the named face in the system's own set keeps the look the window was made for.
    if (font && !HasFace(font, f.name)) {
        HFONT named = CreateNamedFont(f, DEFAULT_CHARSET);
        if (named && HasFace(named, f.name)) {
            DeleteObject(font);
            font = named;
        } else if (named) {
            DeleteObject(named);
        }
    }
    return font;
}

HFONT Win32FormCore::FontFor(const ControlDef& def) {
    if (!def.font) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    HFONT font = CreateScreenFont(*def.font);
    if (!font) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    fonts_.push_back(font);
    return font;
}

Win32ControlCore* Win32FormCore::ControlById(int id) const {
    int index = id - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(controls_.size())) return nullptr;
    return controls_[index].get();
}

Win32Tooltips& Win32FormCore::Tooltips() {
    if (!tooltips_) tooltips_ = std::make_unique<Win32Tooltips>(hwnd_);
    return *tooltips_;
}

int Win32FormCore::LayoutDocked() {
    int height = 0;
    for (auto& control : controls_) {
        HWND hwnd = control->Hwnd();
        if (!control->DocksAtBottom() || !hwnd ||
            !(GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_VISIBLE))
            continue;
        control->OnParentSize();
        RECT r;
        GetWindowRect(hwnd, &r);
        height += r.bottom - r.top;
    }
    return height;
}

void Win32FormCore::OnSize() {
    if (!hwnd_) return;
    LayoutDocked();
    Fire(Events().onResize);
}

LRESULT Win32FormCore::OnSizeMessage(WPARAM wParam, LPARAM lParam) {
    LRESULT result = DefaultProc(WM_SIZE, wParam, lParam);
    OnSize();
    return result;
}

LRESULT Win32FormCore::OnCommand(WPARAM wParam, LPARAM lParam) {
    int id = LOWORD(wParam);
    if (lParam) {
        if (Win32ControlCore* control = ControlById(id)) {
            if (control->Hwnd() == reinterpret_cast<HWND>(lParam)) {
                control->OnCommand(HIWORD(wParam));
                return 0;
            }
        }
    } else {
        // Enter and Esc in a window that behaves like a dialog.
        if (id == IDOK) return PressButton(true), 0;
        if (id == IDCANCEL) return PressCancel(), 0;
        if (OnMenuCommand(id)) return 0;
    }
    return DefaultProc(WM_COMMAND, wParam, lParam);
}

bool Win32FormCore::OnMenuCommand(int id) {
    return menu_ && menu_->ChooseReported(id);
}

void Win32FormCore::OnMenuOpening(HMENU popup) {
    if (menu_) menu_->OpeningReported(popup);
}

void Win32FormCore::PressButton(bool isDefault) {
    for (auto& control : controls_) {
        auto* button = dynamic_cast<Win32Button*>(control.get());
        if (!button || !(isDefault ? button->IsDefault() : button->IsCancel())) continue;
        if (button->Hwnd() && !IsWindowEnabled(button->Hwnd())) return;
        button->Press();
        return;
    }
}

void Win32FormCore::PressCancel() {
    for (auto& control : controls_) {
        auto* button = dynamic_cast<Win32Button*>(control.get());
        if (button && button->IsCancel()) return PressButton(false);
    }
    // The dialog manager took the key and left no character: the key preview gets it as one.
    if (def_.keyPreview) {
        int ascii = VK_ESCAPE;
        Fire(Events().onKeyPress, ascii);
    }
}

LRESULT Win32FormCore::OnGetDefId() {
    for (auto& control : controls_) {
        auto* button = dynamic_cast<Win32Button*>(control.get());
        if (button && button->IsDefault()) return MAKELRESULT(button->Id(), DC_HASDEFID);
    }
    return 0;
}

LRESULT Win32FormCore::OnDrawItem(WPARAM wParam, LPARAM lParam) {
    auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    Win32ControlCore* control = ControlById(static_cast<int>(wParam));
    if (control && control->OnDrawItem(*item)) return TRUE;
    return DefaultProc(WM_DRAWITEM, wParam, lParam);
}

LRESULT Win32FormCore::OnMeasureItem(WPARAM wParam, LPARAM lParam) {
    auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    Win32ControlCore* control = ControlById(static_cast<int>(wParam));
    if (control && control->OnMeasureItem(*item)) return TRUE;
    return DefaultProc(WM_MEASUREITEM, wParam, lParam);
}

LRESULT Win32FormCore::OnActivate(WPARAM wParam, LPARAM lParam) {
    // Reported later, outside the activation: a handler may show a message box.
    PostMessageA(hwnd_, kMsgDeferredActivate, LOWORD(wParam) != WA_INACTIVE, 0);
    return DefaultProc(WM_ACTIVATE, wParam, lParam);
}

void Win32FormCore::OnDeferredActivate(bool active) {
    if (!hwnd_) return;
    Fire(active ? Events().onActivate : Events().onDeactivate);
}

LRESULT Win32FormCore::OnMdiActivate(WPARAM wParam, LPARAM lParam) {
    return DefaultProc(WM_MDIACTIVATE, wParam, lParam);
}

void Win32FormCore::RememberFocus() {
    HWND focus = GetFocus();
    if (hwnd_ && focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
}

LRESULT Win32FormCore::OnSetFocus(WPARAM wParam, LPARAM lParam) {
    LRESULT result = DefaultProc(WM_SETFOCUS, wParam, lParam);
    // The form passes the focus on to its control that had it last, or its first control
    // in tab order.
    if (!hwnd_ || GetFocus() != hwnd_) return result;
    HWND target = lastFocus_ && IsWindow(lastFocus_) && IsChild(hwnd_, lastFocus_) &&
                          IsWindowVisible(lastFocus_) && IsWindowEnabled(lastFocus_)
                      ? lastFocus_
                      : nullptr;
    if (!target) target = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    if (!target) {
        for (auto& control : controls_) {
            HWND h = control->Hwnd();
            if (h && !control->DocksAtBottom() && IsWindowVisible(h) && IsWindowEnabled(h) &&
                !dynamic_cast<Win32Label*>(control.get())) {
                target = h;
                break;
            }
        }
    }
    if (target) SetFocus(target);
    return result;
}

void Win32FormCore::OnClose() {
    Events().Close(UnloadMode::ControlMenu);
}

LRESULT Win32FormCore::OnQueryEndSession() {
    return TRUE;
}

void Win32FormCore::OnNcDestroy() {
    if (hwnd_) SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    tooltips_.reset();
    OnWindowGone();
}

bool Win32FormCore::QueryUnload(UnloadMode mode) {
    bool cancel = false;
    Fire(Events().onQueryUnload, mode, cancel);
    return !cancel;
}

bool Win32FormCore::RunUnload() {
    if (unloading_) return false;
    unloading_ = true;
    Fire(Events().onUnload);
    return true;
}

void Win32FormCore::SetMenuModel(Win32Menu* menu) {
    if (menu_ == menu) return;
    if (menu_) menu_->RemoveUser(this);
    menu_ = menu;
    if (menu_) menu_->AddUser(this);
}

void Win32FormCore::ForgetMenu(Win32Menu* menu) {
    if (menu_ != menu) return;
    menu_->RemoveUser(this);
    menu_ = nullptr;
    ShowMenu();
}

// ---- platform::Form on top of the core ----

namespace {

HWND ParentOf(HWND hwnd) {
    return (GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD) ? GetParent(hwnd) : nullptr;
}

RECT WindowBounds(HWND hwnd) {
    RECT r{};
    if (!hwnd) return r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, ParentOf(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

} // namespace

template <class I> void Win32FormBase<I>::SetCaption(std::string_view caption) {
    std::string text = TextUpToNul(caption);
    // Saving under the same name sets the same caption: repainting the title for it would
    // cost more than the save.
    if (hwnd_ && text == caption_) return;
    caption_ = std::move(text);
    if (!hwnd_) return;
    if (def_.kind != FormKind::MdiChild) {
        SetWindowTextA(hwnd_, caption_.c_str());
        return;
    }
    // A maximised document's name shows in the frame's title, and the system would paint that
    // title twice for it: once for the document and once for the frame. The document takes its
    // text without the frame's part; the frame then gets its own title once, to which it adds
    // the maximised document's name.
    DefWindowProcA(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(caption_.c_str()));
    HWND client = GetParent(hwnd_);
    Win32MdiFrame* frame = Win32MdiFrame::Current();
    if (IsZoomed(hwnd_) && frame && frame->Client() == client)
        SendMessageA(frame->Hwnd(), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(frame->Caption().c_str()));
    // The Window menu lists the documents' captions: bring it up to date. The bar itself
    // shows none of them and needs no redrawing.
    SendMessageA(client, WM_MDIREFRESHMENU, 0, 0);
}

template <class I> WindowState Win32FormBase<I>::State() const {
    if (!hwnd_) return WindowState::Normal;
    if (pendingState_ && !IsWindowVisible(hwnd_)) return *pendingState_;
    if (IsIconic(hwnd_)) return WindowState::Minimized;
    if (IsZoomed(hwnd_)) return WindowState::Maximized;
    return WindowState::Normal;
}

template <class I> void Win32FormBase<I>::SetState(WindowState state) {
    if (!hwnd_) return;
    if (!IsWindowVisible(hwnd_) && def_.kind != FormKind::MdiChild) {
        pendingState_ = state;
        return;
    }
    SetStateNow(state);
}

template <class I> void Win32FormBase<I>::SetStateNow(WindowState state) {
    switch (state) {
    case WindowState::Normal:
        ShowWindow(hwnd_, SW_RESTORE);
        break;
    case WindowState::Minimized:
        ShowWindow(hwnd_, SW_MINIMIZE);
        break;
    case WindowState::Maximized:
        ShowWindow(hwnd_, SW_MAXIMIZE);
        break;
    }
}

template <class I> void Win32FormBase<I>::Show() {
    if (!hwnd_) return;
    BeforeShow();
    showing_ = !IsWindowVisible(hwnd_);
    const bool wasVisible = !showing_;
    ShowWindow(hwnd_, ShowCommand());
    showing_ = false;
    // Showing a tool window that is already up brings it in front of the others, where the
    // user can see it (it may lie behind the frame).
    if (wasVisible && this->Kind() == FormKind::Tool) BringWindowToTop(hwnd_);
    if (pendingState_) {
        WindowState state = *pendingState_;
        pendingState_.reset();
        SetStateNow(state);
    }
    UpdateWindow(hwnd_);
}

template <class I> void Win32FormBase<I>::SetFocus() {
    if (!hwnd_) return;
    // A document window is activated by its frame's client; others by the system.
    HWND parent = GetParent(hwnd_);
    if (GetWindowLongPtrA(hwnd_, GWL_EXSTYLE) & WS_EX_MDICHILD)
        ::SendMessageA(parent, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hwnd_), 0);
    else
        SetActiveWindow(hwnd_);
}

template <class I> void Win32FormBase<I>::Hide() {
    if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

template <class I> int Win32FormBase<I>::Left() const {
    return PixelsToTwipsX(WindowBounds(hwnd_).left);
}
template <class I> int Win32FormBase<I>::Top() const {
    return PixelsToTwipsY(WindowBounds(hwnd_).top);
}
template <class I> int Win32FormBase<I>::Width() const {
    RECT r = WindowBounds(hwnd_);
    return PixelsToTwipsX(r.right - r.left);
}
template <class I> int Win32FormBase<I>::Height() const {
    RECT r = WindowBounds(hwnd_);
    return PixelsToTwipsY(r.bottom - r.top);
}

template <class I> void Win32FormBase<I>::Move(int left, int top, int width, int height) {
    if (!hwnd_) return;
    MoveWindow(hwnd_, TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(width),
               TwipsToPixelsY(height), TRUE);
}

template <class I> int Win32FormBase<I>::ScaleWidth() const {
    RECT r{};
    if (hwnd_) GetClientRect(hwnd_, &r);
    return PixelsToTwipsX(r.right);
}

template <class I> int Win32FormBase<I>::ScaleHeight() const {
    RECT r{};
    if (hwnd_) GetClientRect(hwnd_, &r);
    return PixelsToTwipsY(r.bottom);
}

template <class I> IconHandle Win32FormBase<I>::Icon() const {
    if (!hwnd_) return 0;
    LRESULT icon = SendMessageA(hwnd_, WM_GETICON, ICON_BIG, 0);
    if (!icon) return static_cast<IconHandle>(GetClassLongPtrA(hwnd_, GCLP_HICON));
    return static_cast<IconHandle>(icon);
}

template <class I> void Win32FormBase<I>::SetIcon(IconHandle icon) {
    if (!hwnd_) return;
    SendMessageA(hwnd_, WM_SETICON, ICON_BIG, static_cast<LPARAM>(icon));
    SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, static_cast<LPARAM>(icon));
}

template <class I> void Win32FormBase<I>::SetMenu(Menu* menu) {
    auto* model = dynamic_cast<Win32Menu*>(menu);
    if (menu && !model) throw std::invalid_argument("SetMenu: not a menu of this platform");
    SetMenuModel(model);
    if (hwnd_) ShowMenu();
}

template <class I> Control& Win32FormBase<I>::GetControl(std::string_view name) {
    for (size_t i = 0; i < controls_.size(); ++i)
        if (def_.controls[i].name == name) return controls_[i]->Public();
    throw std::out_of_range("no control " + std::string(name) + " on " + def_.name);
}

template class Win32FormBase<Form>;
template class Win32FormBase<MdiFrame>;

} // namespace platform::win32
