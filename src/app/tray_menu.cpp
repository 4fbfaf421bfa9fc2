// The tray pop-up menu's handlers.
#include "app/tray_menu.h"

#include "app/app.h"
#include "app/menu_dispatch.h"
#include "calc/calculator_window.h"
#include "desktop/clipboard_viewer.h"
#include "desktop/launcher.h"
#include "desktop/visibility.h"

namespace app {

namespace {

const MenuHandlers<TrayMenu>& Handlers() {
    static const MenuHandlers<TrayMenu> table = {
        {"mnuSystrayShowScrivex", &TrayMenu::mnuSystrayShowScrivex_Click},
        {"mnuSystrayHideScrivex", &TrayMenu::mnuSystrayHideScrivex_Click},
        {"mnuSystrayNew", &TrayMenu::mnuSystrayNew_Click},
        {"mnuSystrayOpen", &TrayMenu::mnuSystrayOpen_Click},
        {"mnuSystrayAOT", &TrayMenu::mnuSystrayAOT_Click},
        {"mnuTools1RowCalc", &TrayMenu::mnuTools1RowCalc_Click},
        {"mnuToolsClipboardViewer", &TrayMenu::mnuToolsClipboardViewer_Click},
        {"mnuToolsSystemConfig", &TrayMenu::mnuToolsSystemConfig_Click},
        {"mnuToolsShell", &TrayMenu::mnuToolsShell_Click},
        {"mnuSystrayAbout", &TrayMenu::mnuSystrayAbout_Click},
        {"mnuSystrayExit", &TrayMenu::mnuSystrayExit_Click},
    };
    return table;
}

} // namespace

bool TrayMenu::HasHandler(std::string_view itemName) {
    return Handlers().contains(itemName);
}

void TrayMenu::OnMenu(const std::string& name, int index) {
    RouteMenuClick(Handlers(), *this, name, index);
}

void TrayMenu::mnuSystrayShowScrivex_Click(int) {
    desktop::ShowScrivex(app_);
}
void TrayMenu::mnuSystrayHideScrivex_Click(int) {
    desktop::HideScrivex(app_);
}
void TrayMenu::mnuSystrayNew_Click(int) {
    desktop::TrayNew(app_);
}
void TrayMenu::mnuSystrayOpen_Click(int) {
    desktop::TrayOpen(app_);
}
void TrayMenu::mnuSystrayAOT_Click(int) {
    desktop::AlwaysOnTopTray(app_);
}
void TrayMenu::mnuTools1RowCalc_Click(int) {
    calc::OpenCalculator(app_);
}
void TrayMenu::mnuToolsClipboardViewer_Click(int) {
    desktop::OpenClipboardViewer(app_);
}
void TrayMenu::mnuToolsSystemConfig_Click(int index) {
    desktop::OpenSystemFile(app_, index);
}
void TrayMenu::mnuToolsShell_Click(int index) {
    desktop::RunProgram(app_, index);
}
void TrayMenu::mnuSystrayAbout_Click(int) {
    desktop::About(app_);
}
// The File menu's exit path, with its save questions.
void TrayMenu::mnuSystrayExit_Click(int) {
    app_.FrameForm().Close();
}

} // namespace app
