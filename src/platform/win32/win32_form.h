// The Win32 side of every form (window): its controls, fonts, docked status bars and the
// decoding of its window messages; plus a template that implements platform::Form once.
#pragma once
#include "platform/win32/win32_windows.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/errors.h"
#include "platform/form.h"
#include "platform/win32/win32_control.h"

namespace platform::win32 {

class Win32Menu;
class Win32Tooltips;

class Win32FormCore {
  public:
    explicit Win32FormCore(const FormDef& def);
    virtual ~Win32FormCore();
    Win32FormCore(const Win32FormCore&) = delete;
    Win32FormCore& operator=(const Win32FormCore&) = delete;

    static Win32FormCore* FromHwnd(HWND hwnd);
    // The form of a window known to be of a form class (the window procedures).
    static Win32FormCore* FromOwnWindow(HWND hwnd) {
        return reinterpret_cast<Win32FormCore*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    }
    // The form whose window is `hwnd` or holds it.
    static Win32FormCore* Owning(HWND hwnd);

    HWND Hwnd() const { return hwnd_; }
    FormKind Kind() const { return def_.kind; }
    // The DPI the window and its controls are laid out at: twips become pixels through it.
    int Dpi() const { return dpi_; }
    // The window is to be drawn at another DPI (WM_DPICHANGED, or a document window's frame
    // moved): the controls are laid out again from their twips, with their fonts made again,
    // and the window takes `rect` (in its parent's coordinates) when one is given, otherwise
    // its client area keeps its size in twips.
    virtual void ChangeDpi(int dpi, const RECT* rect);
    bool KeyPreview() const { return def_.keyPreview; }
    virtual platform::Form& Events() = 0;

    // The window procedure's body: decodes a message and calls the handler below.
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    // Binds a new window to the form under construction (WM_NCCREATE).
    static void Attach(HWND hwnd);

    // Lays out the docked status bars; returns the height they take at the bottom (pixels).
    virtual int LayoutDocked();
    Win32Tooltips& Tooltips();
    // The menu that this window shows, or that the frame shows while it is active.
    Win32Menu* OwnMenu() const { return menu_; }
    // The menu is being destroyed: stop using it.
    virtual void ForgetMenu(Win32Menu* menu);

  protected:
    // Window creation: `creating_` points at the form while its window is being made.
    static thread_local Win32FormCore* creating_;
    // The kind's default window procedure.
    virtual LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam) = 0;

    virtual void OnCreate();
    virtual LRESULT OnSizeMessage(WPARAM wParam, LPARAM lParam);
    void OnSize();
    virtual LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    virtual bool OnMenuCommand(int id);
    // A sub-menu of the window's menu bar is about to open.
    virtual void OnMenuOpening(HMENU popup);
    virtual LRESULT OnActivate(WPARAM wParam, LPARAM lParam);
    virtual void OnDeferredActivate(bool active);
    virtual LRESULT OnMdiActivate(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnSetFocus(WPARAM wParam, LPARAM lParam);
    // Keeps the control that has the focus, to give it back when the form gets it again.
    void RememberFocus();
    virtual void OnClose();
    virtual LRESULT OnQueryEndSession();
    // A dialog or menu that this window owns waits for input.
    virtual void OnEnterIdle() {}
    virtual void OnDestroy() {}
    // The window is gone; the form's calls do nothing from now on.
    virtual void OnWindowGone() {}
    void OnNcDestroy();
    LRESULT OnDrawItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnMeasureItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetDefId();

    // Asks onQueryUnload; true when the handler let the window go.
    bool QueryUnload(UnloadMode mode);
    // Runs onUnload once; false when an unload is already under way.
    bool RunUnload();
    void CreateControls();
    Win32ControlCore* ControlById(int id) const;
    HFONT FontFor(const ControlDef& def);
    void PressButton(bool isDefault);
    // Esc in a window that behaves like a dialog.
    void PressCancel();
    void SetMenuModel(Win32Menu* menu);
    // Puts the right menu bar on show after the form's menu changed.
    virtual void ShowMenu() = 0;
    // The show command for Show(); the frame uses the program's start-up one the first time.
    virtual int ShowCommand() { return SW_SHOW; }
    // Called by Show() just before the window shows.
    virtual void BeforeShow() {}
    // Detaches the window from the form and destroys it without any events.
    void DestroySilently();
    // A new top-level window made at the system's DPI on a monitor of another: laid out anew.
    void FollowWindowDpi();

    FormDef def_;
    HWND hwnd_ = nullptr;
    std::string caption_;
    std::string tag_;
    std::vector<std::unique_ptr<Win32ControlCore>> controls_;
    int dpi_;
    std::vector<HFONT> fonts_;   // made for the controls' definitions at dpi_
    HFONT dialogFont_ = nullptr; // the captions' font at dpi_, shared (not the form's to delete)
    std::unique_ptr<Win32Tooltips> tooltips_;
    Win32Menu* menu_ = nullptr;
    bool unloading_ = false;
    HWND lastFocus_ = nullptr;
    std::optional<WindowState> pendingState_; // set while hidden, applied by Show()
    bool showing_ = false; // a hidden window being shown: its frame is about to be painted

  private:
    friend class Win32Menu;
};

// platform::Form's members on top of the Win32 side.
template <class Interface> class Win32FormBase : public Interface, public Win32FormCore {
  public:
    explicit Win32FormBase(const FormDef& def) : Win32FormCore(def) {}
    platform::Form& Events() override { return *this; }

    std::string Caption() const override { return caption_; }
    void SetCaption(std::string_view caption) override;
    std::string Tag() const override { return tag_; }
    void SetTag(std::string_view tag) override { tag_ = tag; }
    WindowState State() const override;
    void SetState(WindowState state) override;
    bool Visible() const override { return hwnd_ && IsWindowVisible(hwnd_); }
    void Show() override { ShowActivating(true); }
    void ShowWithoutFocus() override { ShowActivating(false); }
    void Hide() override;
    void SetFocus() override;
    int Left() const override;
    int Top() const override;
    int Width() const override;
    int Height() const override;
    void Move(int left, int top, int width, int height) override;
    int ScaleWidth() const override;
    int ScaleHeight() const override;
    IconHandle Icon() const override;
    void SetIcon(IconHandle icon) override;
    void SetMenu(Menu* menu) override;
    bool Close(UnloadMode mode) override { return CloseForm(mode); }
    void Unload() override { UnloadForm(); }
    bool Loaded() const override { return hwnd_ != nullptr; }
    Control& GetControl(std::string_view name) override;

  protected:
    virtual bool CloseForm(UnloadMode mode) = 0;
    virtual void UnloadForm() = 0;
    virtual void SetStateNow(WindowState state);

  private:
    void ShowActivating(bool activate);
};

// The window procedure of a form's window class: messages go to the form bound to the window,
// the rest (before it is bound and after it lets go) to the class's default procedure.
template <LRESULT(WINAPI* Default)(HWND, UINT, WPARAM, LPARAM)>
LRESULT CALLBACK FormWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) Win32FormCore::Attach(hwnd);
    LRESULT result = 0;
    RunEvent([&] {
        if (Win32FormCore* form = Win32FormCore::FromOwnWindow(hwnd))
            result = form->HandleMessage(msg, wParam, lParam);
        else
            result = Default(hwnd, msg, wParam, lParam);
    });
    return result;
}

} // namespace platform::win32
