// The hidden tray window frmPic: the program's one icon, the picture box picSystray that the
// tray's messages reach, the tray pop-up menu, and the icon in the notification area.
#pragma once
#include <memory>

#include "core/program.h"
#include "core/tool_windows.h"
#include "platform/platform.h"

namespace desktop {

// The shell's callback message and the mouse messages it reports (as picSystray's X).
inline constexpr unsigned kTrayCallbackMessage = 0x200; // WM_MOUSEMOVE
inline constexpr int kTrayLeftDoubleClick = 515;        // WM_LBUTTONDBLCLK
inline constexpr int kTrayRightButtonUp = 517;          // WM_RBUTTONUP
// Adds tried before going on without the icon: with no notification area (no shell running)
// none would ever succeed. The icon comes back when the shell announces a new taskbar.
inline constexpr int kTrayAddAttempts = 10;

platform::FormDef TrayFormDef();

class TrayWindow : public core::ToolWindow {
  public:
    static constexpr const char* kFormName = "frmPic";

    explicit TrayWindow(core::Program& program);
    ~TrayWindow() override;
    TrayWindow(const TrayWindow&) = delete;
    TrayWindow& operator=(const TrayWindow&) = delete;

    platform::Form& form() override { return *form_; }
    platform::PictureBox& picSystray();
    platform::Menu& menu() { return *menu_; }

    // Fills the icon record anew (identifier 0) and sends adds, raising the identifier before
    // each, until the shell takes one or kTrayAddAttempts have failed. Returns whether the
    // icon is up.
    bool AddIcon();
    // Takes the icon of the last add down.
    void DeleteIcon();
    // Puts the icon up once the frame has painted and waits for input, unless an add or a
    // delete comes first: at start-up the shell's answer would hold up the first paint.
    void AddIconWhenIdle();

    // Events
    void Form_Load();
    void picSystray_MouseMove(int button, int shift, int x, int y);
    void TaskbarCreated();

  private:
    core::Program& program_;
    std::unique_ptr<platform::Form> form_;
    std::unique_ptr<platform::Menu> menu_;
    platform::TrayIconRecord record_;
    bool iconUp_ = false;
    bool listening_ = false; // to the shell's announcement of a new taskbar
    // Shared with the waiting add, which finds it gone with this window.
    std::shared_ptr<bool> addWaiting_ = std::make_shared<bool>(false);
};

} // namespace desktop
