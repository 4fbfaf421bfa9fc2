// The frame window: holds the document windows, its own menu bar and status bar. Its menu
// items run the commands of app/commands.h with no document.
#pragma once
#include <memory>

#include "platform/platform.h"

namespace app {

class App;

class Frame {
  public:
    explicit Frame(App& app);
    ~Frame();

    platform::MdiFrame& form() { return *form_; }
    platform::Menu& menu() { return *menu_; }
    platform::StatusBar& StatusBar1();
    // The one common dialog that Open, Save As, the fonts and the printer share.
    platform::CommonDialog& comDlg() { return *comDlg_; }
    platform::WindowState LastWindowState() const { return lastWindowState_; }

    // Events
    void Form_Initialize();
    void Form_Load();
    void Form_Activate();
    void Form_Resize();
    void Form_Unload();
    void MDIForm_OLEDragDrop(const platform::DropData& data);

  private:
    App& app_;
    std::unique_ptr<platform::MdiFrame> form_;
    std::unique_ptr<platform::Menu> menu_;
    std::unique_ptr<platform::CommonDialog> comDlg_;
    platform::WindowState lastWindowState_ = platform::WindowState::Normal;
    bool commandLineHandled_ = false;
};

} // namespace app
