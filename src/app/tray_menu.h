// The tray window's pop-up menu: its items' handlers, each a call into a subsystem.
#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace app {

class App;

class TrayMenu {
  public:
    explicit TrayMenu(App& app) : app_(app) {}
    static bool HasHandler(std::string_view itemName);
    void OnMenu(const std::string& name, int index);

    void mnuSystrayShowScrivex_Click(int);
    void mnuSystrayHideScrivex_Click(int);
    void mnuSystrayNew_Click(int);
    void mnuSystrayOpen_Click(int);
    void mnuSystrayAOT_Click(int);
    void mnuTools1RowCalc_Click(int);
    void mnuToolsClipboardViewer_Click(int);
    void mnuToolsSystemConfig_Click(int index);
    void mnuToolsShell_Click(int index);
    void mnuSystrayAbout_Click(int);
    void mnuSystrayExit_Click(int);

  private:
    App& app_;
};

} // namespace app
