// The MDI frame: its client area for the document windows, the menu bar on show, shortcuts,
// and closing the program.
#include <algorithm>
#include <stdexcept>

#include "platform/errors.h"
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_form_kinds.h"
#include "platform/win32/win32_menu.h"

namespace platform::win32 {

namespace {

Win32MdiFrame* current = nullptr;

// The frame's default procedure for messages no form takes (there is no client yet).
LRESULT WINAPI FrameDefault(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefFrameProcA(hwnd, nullptr, msg, wParam, lParam);
}

} // namespace

Win32MdiFrame::Win32MdiFrame(const FormDef& def, int showCommand)
    : Win32FormBase(def), showCommand_(showCommand) {
    current = this;
}

Win32MdiFrame::~Win32MdiFrame() {
    if (idleTimer_) KillTimer(nullptr, idleTimer_);
    for (Win32MdiChild* child : children_)
        child->FrameGone();
    children_.clear();
    if (shown_) shown_->SetShownIn(nullptr);
    if (hwnd_) ::SetMenu(hwnd_, nullptr);
    DestroySilently();
    if (current == this) current = nullptr;
}

Win32MdiFrame* Win32MdiFrame::Current() {
    return current;
}

bool Win32MdiFrame::CreateWindowNow() {
    RegisterFormClass(kFrameClass, FormWindowProc<FrameDefault>, COLOR_APPWORKSPACE);
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    int width = CW_USEDEFAULT, height = CW_USEDEFAULT;
    if (def_.width > 0 && def_.height > 0) {
        RECT r{0, 0, TwipsToPixels(def_.width, dpi_), TwipsToPixels(def_.height, dpi_)};
        AdjustWindowRectAt(r, style, true, 0, dpi_);
        width = r.right - r.left;
        height = r.bottom - r.top;
    }
    Win32FormCore* outer = creating_;
    creating_ = this;
    CreateWindowExA(0, kFrameClass, caption_.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT, width,
                    height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    creating_ = outer;
    FollowWindowDpi();
    return hwnd_ != nullptr;
}

void Win32MdiFrame::ChangeDpi(int dpi, const RECT* rect) {
    const int oldDpi = dpi_;
    Win32FormCore::ChangeDpi(dpi, rect);
    // The document windows keep their places in the document area, scaled; a maximised or
    // minimised one keeps the place the system gives it.
    for (Win32MdiChild* child : children_) {
        HWND hwnd = child->Hwnd();
        if (!hwnd) continue;
        RECT place;
        GetWindowRect(hwnd, &place);
        MapWindowPoints(nullptr, client_, reinterpret_cast<POINT*>(&place), 2);
        if (!IsZoomed(hwnd) && !IsIconic(hwnd))
            place = RECT{MulDiv(place.left, dpi, oldDpi), MulDiv(place.top, dpi, oldDpi),
                         MulDiv(place.right, dpi, oldDpi), MulDiv(place.bottom, dpi, oldDpi)};
        child->ChangeDpi(dpi, &place);
    }
}

void Win32MdiFrame::OnCreate() {
    CLIENTCREATESTRUCT create{};
    create.hWindowMenu = nullptr;
    create.idFirstChild = kWindowListFirst;
    client_ = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                              WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0,
                              0, 0, 0, hwnd_, nullptr, GetModuleHandleA(nullptr), &create);
    // The client area starts without scroll bars: the MDI client shows them by itself once a
    // document reaches past its edges. Made with them, it would take them away again after
    // the first paint and lay out and paint the whole frame a second time.
    ShowScrollBar(client_, SB_BOTH, FALSE);
    clientDrop_ = RegisterDropTarget(client_, [this](const DropData& data) {
        if (onDrop) onDrop(data);
    });
    Win32FormCore::OnCreate();
}

LRESULT Win32MdiFrame::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefFrameProcA(hwnd_, client_, msg, wParam, lParam);
}

LRESULT Win32MdiFrame::OnSizeMessage(WPARAM, LPARAM) {
    // Not the default: it would give the whole client area to the MDI client.
    OnSize();
    return 0;
}

int Win32MdiFrame::LayoutDocked() {
    int docked = Win32FormCore::LayoutDocked();
    if (client_ && hwnd_) {
        RECT r;
        GetClientRect(hwnd_, &r);
        MoveWindow(client_, 0, 0, r.right, std::max<int>(0, r.bottom - docked), TRUE);
    }
    return docked;
}

void Win32MdiFrame::BeforeShow() {
    if (everShown_) return;
    everShown_ = true;
    if (barPending_) UpdateShownMenu();
}

int Win32MdiFrame::ShowCommand() {
    int command = showCommand_;
    showCommand_ = SW_SHOW; // the program's own show command is for the first show only
    return command;
}

void Win32MdiFrame::RunWhenIdle(std::function<void()> task) {
    idleTasks_.push_back(std::move(task));
    // A timer's message comes only when no other message waits, paint messages included; the
    // modal loops of message boxes and menus hand it on as well.
    if (!idleTimer_) idleTimer_ = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, IdleTimerProc);
}

void CALLBACK Win32MdiFrame::IdleTimerProc(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    Win32MdiFrame* frame = Current();
    if (!frame || frame->idleTimer_ != timer) return;
    frame->idleTimer_ = 0;
    std::vector<std::function<void()>> tasks;
    tasks.swap(frame->idleTasks_);
    for (const auto& task : tasks)
        RunEvent(task);
}

std::unique_ptr<Form> Win32MdiFrame::CreateChild(const FormDef& def) {
    if (!hwnd_) throw std::logic_error("CreateChild: the frame is closed");
    FormDef childDef = def;
    childDef.kind = FormKind::MdiChild;
    auto child = std::make_unique<Win32MdiChild>(childDef, this);
    children_.push_back(child.get());
    if (!child->CreateWindowNow(client_)) {
        ChildGone(child.get());
        throw std::runtime_error("CreateChild: the system made no window");
    }
    return child;
}

Win32MdiChild* Win32MdiFrame::ActiveChildWindow() const {
    if (!client_) return nullptr;
    auto active = reinterpret_cast<HWND>(SendMessageA(client_, WM_MDIGETACTIVE, 0, 0));
    for (Win32MdiChild* child : children_)
        if (active && child->Hwnd() == active) return child;
    return nullptr;
}

Form* Win32MdiFrame::ActiveChild() const {
    return ActiveChildWindow();
}

Menu* Win32MdiFrame::ShownMenu() const {
    return shown_;
}

void Win32MdiFrame::UpdateShownMenu() {
    UpdateShownMenu(ActiveChildWindow());
}

void Win32MdiFrame::UpdateShownMenu(Win32MdiChild* active) {
    if (!hwnd_ || !client_) return;
    // Each bar put on the frame lays it out and paints it: while documents close in a row, the
    // bar is put right once at the end.
    if (paintingHeld_) {
        barPending_ = true;
        return;
    }
    Win32Menu* wanted = active && active->OwnMenu() ? active->OwnMenu() : menu_;
    if (!everShown_) {
        shown_ = wanted;
        barPending_ = true;
        return;
    }
    if (wanted == shown_ && !barPending_ && (!wanted || GetMenu(hwnd_) == wanted->Bar())) return;
    barPending_ = false;
    if (shown_) shown_->SetShownIn(nullptr);
    shown_ = wanted;
    if (wanted) {
        SendMessageA(client_, WM_MDISETMENU, reinterpret_cast<WPARAM>(wanted->Bar()),
                     reinterpret_cast<LPARAM>(wanted->WindowList()));
        // The client moves its list of documents from the old window menu to the new one, but
        // the first window menu it learns gets none: the first document would be missing.
        if (wanted->WindowList()) SendMessageA(client_, WM_MDIREFRESHMENU, 0, 0);
        wanted->SetShownIn(hwnd_);
    } else {
        ::SetMenu(hwnd_, nullptr);
    }
    // Setting the bar has already laid out the frame; a hidden frame has nothing to redraw, and
    // measuring the bar again would only cost start-up time.
    if (IsWindowVisible(hwnd_)) DrawMenuBar(hwnd_);
}

void Win32MdiFrame::ForgetMenu(Win32Menu* menu) {
    if (shown_ == menu) {
        // The bar is going away: take it off the window first.
        if (hwnd_ && GetMenu(hwnd_) == menu->Bar()) ::SetMenu(hwnd_, nullptr);
        shown_ = nullptr;
    }
    for (Win32MdiChild* child : children_)
        child->ForgetMenu(menu);
    Win32FormCore::ForgetMenu(menu);
    UpdateShownMenu();
}

void Win32MdiFrame::BeginUpdate() {
    ++updates_;
}

void Win32MdiFrame::EndUpdate() {
    if (updates_ > 0 && --updates_ == 0) ReleasePainting();
}

void Win32MdiFrame::HoldPainting() {
    // Each document that goes would otherwise have the documents below it painted, and the
    // next one activated, shown on top and painted, only to go as well.
    if (updates_ == 0 || paintingHeld_ || !client_) return;
    paintingHeld_ = true;
    SendMessageA(client_, WM_SETREDRAW, FALSE, 0);
}

void Win32MdiFrame::ReleasePainting() {
    if (!paintingHeld_) return;
    paintingHeld_ = false;
    if (!client_) return;
    SendMessageA(client_, WM_SETREDRAW, TRUE, 0);
    UpdateShownMenu();
    RedrawWindow(client_, nullptr, nullptr,
                 RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Win32MdiFrame::ChildGone(Win32MdiChild* child) {
    children_.erase(std::remove(children_.begin(), children_.end(), child), children_.end());
}

bool Win32MdiFrame::OnMenuCommand(int id) {
    return shown_ && shown_->ChooseReported(id);
}

void Win32MdiFrame::OnMenuOpening(HMENU popup) {
    if (shown_) shown_->OpeningReported(popup);
}

bool Win32MdiFrame::PressShortcut(Shortcut shortcut) {
    if (!shown_) return false;
    int command = shown_->FindShortcut(shortcut);
    if (command < 0) return false;
    // A disabled item swallows its key and does nothing.
    shown_->Choose(command);
    return true;
}

LRESULT Win32MdiFrame::OnQueryEndSession() {
    return CloseForm(UnloadMode::WindowsShutdown) ? TRUE : FALSE;
}

bool Win32MdiFrame::CloseForm(UnloadMode mode) {
    if (!hwnd_) return true;
    if (!QueryUnload(mode)) return false;
    // Every document is asked first; one refusal keeps everything open.
    UnloadMode childMode = mode == UnloadMode::WindowsShutdown ? UnloadMode::WindowsShutdown
                                                               : UnloadMode::FrameClosing;
    auto known = [this](Win32MdiChild* child) {
        return std::find(children_.begin(), children_.end(), child) != children_.end();
    };
    std::vector<Win32MdiChild*> children = children_;
    for (Win32MdiChild* child : children)
        if (known(child) && !child->AskUnload(childMode)) return false;
    UnloadForm();
    return true;
}

void Win32MdiFrame::UnloadForm() {
    if (!hwnd_) return;
    FrameUpdate update(*this); // the documents go without painting; then the frame goes
    auto known = [this](Win32MdiChild* child) {
        return std::find(children_.begin(), children_.end(), child) != children_.end();
    };
    std::vector<Win32MdiChild*> children = children_;
    for (Win32MdiChild* child : children)
        if (known(child)) child->UnloadForm();
    if (!hwnd_ || !RunUnload()) return;
    if (hwnd_) DestroyWindow(hwnd_);
}

void Win32MdiFrame::OnDestroy() {
    clientDrop_.reset(); // while the client window still exists
    // The bars belong to their models, not to the window.
    if (shown_) shown_->SetShownIn(nullptr);
    ::SetMenu(hwnd_, nullptr);
    shown_ = nullptr;
}

void Win32MdiFrame::OnWindowGone() {
    client_ = nullptr;
    PostQuitMessage(0);
}

} // namespace platform::win32
