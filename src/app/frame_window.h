// The frame window: holds the document windows, its own menu bar and status bar.
#pragma once
#include <memory>
#include <string>
#include <string_view>

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

    static bool HasHandler(std::string_view itemName);

    // Events
    void Form_Initialize();
    void Form_Load();
    void Form_Activate();
    void Form_Resize();
    void Form_Unload();
    void MDIForm_OLEDragDrop(const platform::DropData& data);

    // Menu handlers, one per item name; item arrays get the index.
    void mnuFileNew_Click(int);
    void mnuFileOpen_Click(int);
    void MnuFileExit_Click(int);
    void mnuTools1RowCalc_Click(int);
    void mnuToolsClipboardViewer_Click(int);
    void mnuToolsSystemConfig_Click(int index);
    void mnuToolsShell_Click(int index);
    void mnuViewAOT_Click(int);
    void mnuViewShowTaskbar_Click(int);
    void mnuViewShowSystray_Click(int);
    void mnuWindowNew_Click(int);
    void mnuHelpAbout_Click(int);
    void mnuHelpHelp_Click(int);

  private:
    void OnMenu(const std::string& name, int index);

    App& app_;
    std::unique_ptr<platform::MdiFrame> form_;
    std::unique_ptr<platform::Menu> menu_;
    std::unique_ptr<platform::CommonDialog> comDlg_;
    platform::WindowState lastWindowState_ = platform::WindowState::Normal;
    bool commandLineHandled_ = false;
};

} // namespace app
