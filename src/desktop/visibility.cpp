// The tray switch, show and hide, and the always-on-top switch.
#include "desktop/visibility.h"

#include "desktop/tray_window.h"
#include "files/open_file.h"

namespace desktop {

namespace {

constexpr const char* kSystray = "mnuViewShowSystray";
constexpr const char* kViewAOT = "mnuViewAOT";
constexpr const char* kSystrayAOT = "mnuSystrayAOT";

TrayWindow& Tray(core::Program& program) {
    return program.tools.Get<TrayWindow>();
}

// Puts the icon up or takes it down after a mark changed.
void ApplyTrayMark(core::Program& program, bool on) {
    if (on)
        Tray(program).AddIcon();
    else
        Tray(program).DeleteIcon();
}

// Every open document window takes the frame's mark of an item.
void DocumentsFollowFrame(core::Program& program, const char* item) {
    bool mark = program.FrameMenu().Checked(item);
    for (core::Document* doc : program.OpenDocuments())
        doc->menu().SetChecked(item, mark);
}

// Every window of the set on top or back among the others; one not made yet is made hidden
// for this (which runs its load). Tool windows nobody registered are left out.
void ApplyAlwaysOnTop(core::Program& program, bool on) {
    platform::DesktopServices& desktop = program.platform.Desktop();
    desktop.SetTopmost(program.FrameForm(), on);
    for (const std::string& name : kAlwaysOnTopTools)
        if (program.tools.Registered(name)) desktop.SetTopmost(program.tools.Get(name).form(), on);
}

} // namespace

void TraySwitch(core::Program& program, core::Document& doc) {
    bool on = !doc.menu().Checked(kSystray);
    doc.menu().SetChecked(kSystray, on);
    ApplyTrayMark(program, on);
    program.FrameMenu().SetChecked(kSystray, on);
    DocumentsFollowFrame(program, kSystray);
}

void TraySwitchFrame(core::Program& program) {
    bool on = !program.FrameMenu().Checked(kSystray);
    program.FrameMenu().SetChecked(kSystray, on);
    ApplyTrayMark(program, on);
}

void TraySwitchFrameAtStart(core::Program& program) {
    bool on = !program.FrameMenu().Checked(kSystray);
    program.FrameMenu().SetChecked(kSystray, on);
    if (on)
        Tray(program).AddIconWhenIdle();
    else
        Tray(program).DeleteIcon();
}

void ShowScrivex(core::Program& program) {
    platform::MdiFrame& frame = program.FrameForm();
    frame.SetState(program.LastFrameWindowState());
    frame.Show();
}

void HideScrivex(core::Program& program) {
    program.FrameForm().SetState(platform::WindowState::Minimized);
}

void TrayNew(core::Program& program) {
    program.FrameForm().SetState(program.LastFrameWindowState());
    program.NewDocument();
}

void TrayOpen(core::Program& program) {
    program.FrameForm().SetState(program.LastFrameWindowState());
    if (program.registry.Count() == 0) program.NewDocument();
    files::OpenFile(program);
}

void AlwaysOnTop(core::Program& program, core::Document& doc) {
    bool on = !doc.menu().Checked(kViewAOT);
    doc.menu().SetChecked(kViewAOT, on);
    ApplyAlwaysOnTop(program, on);
    Tray(program).menu().SetChecked(kSystrayAOT, on);
    program.FrameMenu().SetChecked(kViewAOT, on);
    DocumentsFollowFrame(program, kViewAOT);
}

void AlwaysOnTopFrame(core::Program& program) {
    bool on = !program.FrameMenu().Checked(kViewAOT);
    program.FrameMenu().SetChecked(kViewAOT, on);
    ApplyAlwaysOnTop(program, on);
    Tray(program).menu().SetChecked(kSystrayAOT, on);
    DocumentsFollowFrame(program, kViewAOT);
}

void AlwaysOnTopTray(core::Program& program) {
    platform::Menu& trayMenu = Tray(program).menu();
    bool on = !trayMenu.Checked(kSystrayAOT);
    trayMenu.SetChecked(kSystrayAOT, on);
    ApplyAlwaysOnTop(program, on);
    program.FrameMenu().SetChecked(kViewAOT, on);
    DocumentsFollowFrame(program, kViewAOT);
}

} // namespace desktop
