// The three kinds of form: the MDI frame, its document windows, and top-level tool windows.
#pragma once
#include "platform/win32/win32_windows.h"

#include <functional>
#include <memory>
#include <vector>

#include "platform/keys.h"
#include "platform/win32/win32_drop_target.h"
#include "platform/win32/win32_form.h"

namespace platform::win32 {

class Win32MdiFrame;

// A modeless top-level window without owner, hidden until shown; Enter, Esc and Tab work as in
// a dialog. Its close box hides it: a tool window lasts the whole run.
class Win32ToolForm : public Win32FormBase<Form> {
  public:
    explicit Win32ToolForm(const FormDef& def) : Win32FormBase(def) {}
    ~Win32ToolForm() override { DestroySilently(); }
    bool CreateWindowNow();

  protected:
    LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnActivate(WPARAM wParam, LPARAM lParam) override;
    bool CloseForm(UnloadMode mode) override;
    void UnloadForm() override;
    void ShowMenu() override;
    void OnClose() override;
    void OnDestroy() override;
};

// A document window inside the frame.
class Win32MdiChild : public Win32FormBase<Form> {
  public:
    Win32MdiChild(const FormDef& def, Win32MdiFrame* frame) : Win32FormBase(def), frame_(frame) {}
    ~Win32MdiChild() override;
    bool CreateWindowNow(HWND client);
    void FrameGone() { frame_ = nullptr; }
    // Asks the close question without closing (the frame asks all children first).
    bool AskUnload(UnloadMode mode) { return !hwnd_ || QueryUnload(mode); }
    void UnloadForm() override;

  protected:
    LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnMdiActivate(WPARAM wParam, LPARAM lParam) override;
    bool CloseForm(UnloadMode mode) override;
    void ShowMenu() override;
    void SetStateNow(WindowState state) override;
    void OnWindowGone() override;

  private:
    Win32MdiFrame* frame_;
};

// The frame: an MDI client for the document windows, its own status bars and menu bar, and
// the document's menu bar on show while a document is active.
class Win32MdiFrame : public Win32FormBase<MdiFrame> {
  public:
    Win32MdiFrame(const FormDef& def, int showCommand);
    ~Win32MdiFrame() override;
    bool CreateWindowNow();
    // The frame alive at the moment, or null.
    static Win32MdiFrame* Current();

    std::unique_ptr<Form> CreateChild(const FormDef& def) override;
    Form* ActiveChild() const override;
    Menu* ShownMenu() const override;
    void BeginUpdate() override;
    void EndUpdate() override;
    // Window arrangement (win32_mdi_arrange.cpp).
    void Arrange(Arrangement arrangement) override;
    void ActivateNextChild() override;
    void HoldRedraw(bool hold) override;
    void RunWhenIdle(std::function<void()> task) override;

    HWND Client() const { return client_; }
    // Shows the active document's bar, or the frame's own when there is none.
    void UpdateShownMenu(Win32MdiChild* active);
    void UpdateShownMenu();
    void ChildGone(Win32MdiChild* child);
    // A key pressed in the frame or a document: runs the shown bar's item bound to it.
    bool PressShortcut(Shortcut shortcut);
    void ForgetMenu(Win32Menu* menu) override;
    bool EverShown() const { return everShown_; }
    // A document is about to go: inside an update, the client stops painting from now on.
    void HoldPainting();
    // Lets the client paint again: the bar on show is put right and every window repainted.
    // A dialog is about to come up (message boxes send their owner no idle message).
    void ReleasePainting();

  protected:
    LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnSizeMessage(WPARAM wParam, LPARAM lParam) override;
    bool OnMenuCommand(int id) override;
    void OnMenuOpening(HMENU popup) override;
    LRESULT OnQueryEndSession() override;
    void OnCreate() override;
    void OnDestroy() override;
    void OnWindowGone() override;
    int LayoutDocked() override;
    bool CloseForm(UnloadMode mode) override;
    void UnloadForm() override;
    void ShowMenu() override { UpdateShownMenu(); }
    void ChangeDpi(int dpi, const RECT* rect) override;
    int ShowCommand() override;
    void BeforeShow() override;
    void OnEnterIdle() override { ReleasePainting(); }

  private:
    Win32MdiChild* ActiveChildWindow() const;
    static void CALLBACK IdleTimerProc(HWND, UINT, UINT_PTR timer, DWORD);

    HWND client_ = nullptr;
    std::unique_ptr<DropRegistration> clientDrop_; // the client area takes file drops
    int showCommand_; // for the next Show: the program's start-up one, then SW_SHOW
    bool everShown_ = false;
    bool redrawHeld_ = false; // painting of the document area held (HoldRedraw)
    Win32Menu* shown_ = nullptr;
    // Until the frame first shows, the bar on show is only noted: each bar put on a window
    // lays the window out again, and at start-up the document's bar soon replaces the frame's.
    bool barPending_ = false;
    std::vector<Win32MdiChild*> children_;
    int updates_ = 0;           // BeginUpdate calls not yet ended
    bool paintingHeld_ = false; // the client's redraw is off; the bar waits as well
    std::vector<std::function<void()>> idleTasks_;
    UINT_PTR idleTimer_ = 0; // a thread timer: due only once nothing else waits
};

} // namespace platform::win32
