// The frame window's control table, its events and its menu handlers.
#include "app/frame_window.h"

#include <map>

#include "app/app.h"
#include "app/menu_dispatch.h"
#include "app/menus.h"
#include "app/texts.h"
#include "calc/calculator_window.h"
#include "core/core_texts.h"
#include "desktop/clipboard_viewer.h"
#include "desktop/drops.h"
#include "desktop/launcher.h"
#include "desktop/visibility.h"
#include "files/open_file.h"

namespace app {

namespace {

platform::FormDef FrameFormDef() {
    using namespace platform;
    FormDef def;
    def.kind = FormKind::MdiFrame;
    def.name = "MDIForm1";
    def.caption = core::text::AppTitle;
    def.width = 12000;
    def.height = 8400;

    ControlDef bar;
    bar.kind = ControlKind::StatusBar;
    bar.name = "StatusBar1";
    auto panel = [](PanelStyle style, const char* text, const char* tip, int minWidth) {
        return PanelDef{
            style, text, tip, minWidth, PanelSize::Contents, PanelAlign::Center, PanelBevel::Inset};
    };
    bar.panels = {
        {PanelStyle::Text, text::FrameStatus, "", 3000, PanelSize::Spring, PanelAlign::Left,
         PanelBevel::Inset},
        panel(PanelStyle::Date, "", "Date", 1000),
        panel(PanelStyle::Time, "", "Time", 1000),
        panel(PanelStyle::Insert, "INS", "Insert", 0),
        panel(PanelStyle::Caps, "CAPS", "Caps Lock", 0),
        panel(PanelStyle::Num, "NUM", "Num Lock", 0),
        panel(PanelStyle::Scroll, "SCRL", "Scroll Lock", 0),
    };
    def.controls.push_back(bar);
    return def;
}

const MenuHandlers<Frame>& Handlers() {
    static const MenuHandlers<Frame> table = {
        {"mnuFileNew", &Frame::mnuFileNew_Click},
        {"mnuFileOpen", &Frame::mnuFileOpen_Click},
        {"MnuFileExit", &Frame::MnuFileExit_Click},
        {"mnuTools1RowCalc", &Frame::mnuTools1RowCalc_Click},
        {"mnuToolsClipboardViewer", &Frame::mnuToolsClipboardViewer_Click},
        {"mnuToolsSystemConfig", &Frame::mnuToolsSystemConfig_Click},
        {"mnuToolsShell", &Frame::mnuToolsShell_Click},
        {"mnuViewAOT", &Frame::mnuViewAOT_Click},
        {"mnuViewShowTaskbar", &Frame::mnuViewShowTaskbar_Click},
        {"mnuViewShowSystray", &Frame::mnuViewShowSystray_Click},
        {"mnuWindowNew", &Frame::mnuWindowNew_Click},
        {"mnuHelpAbout", &Frame::mnuHelpAbout_Click},
        {"mnuHelpHelp", &Frame::mnuHelpHelp_Click},
    };
    return table;
}

} // namespace

Frame::Frame(App& app) : app_(app) {
    form_ = app_.platform.CreateFrame(FrameFormDef());
    comDlg_ = app_.platform.CreateCommonDialog();
    menu_ = app_.platform.CreateMenu(
        FrameMenuTree(), [this](const std::string& name, int index) { OnMenu(name, index); });
    form_->SetMenu(menu_.get());
    form_->onActivate = [this] { Form_Activate(); };
    form_->onResize = [this] { Form_Resize(); };
    form_->onUnload = [this] { Form_Unload(); };
    form_->onDrop = [this](const platform::DropData& data) { MDIForm_OLEDragDrop(data); };
}

Frame::~Frame() {
    form_->onActivate = nullptr;
    form_->onResize = nullptr;
    form_->onUnload = nullptr;
    form_->onDrop = nullptr;
}

platform::StatusBar& Frame::StatusBar1() {
    return form_->Get<platform::StatusBar>("StatusBar1");
}

bool Frame::HasHandler(std::string_view itemName) {
    return Handlers().contains(itemName);
}

void Frame::OnMenu(const std::string& name, int index) {
    RouteMenuClick(Handlers(), *this, name, index);
}

void Frame::Form_Initialize() {
    // A folder the system cannot name stays as 260 blanks, as its buffer would.
    auto folder = [this](int id) {
        try {
            return app_.platform.SpecialFolder(id);
        } catch (const std::exception&) {
            return std::string(260, ' ');
        }
    };
    app_.paths.windowsFolder = folder(36);
    app_.paths.systemFolder = folder(37);
    app_.paths.systemRoot = SystemRoot(app_.paths.windowsFolder);
}

void Frame::Form_Load() {
    // The tray window frmPic holds the icon; asking for it makes the window.
    form_->SetIcon(app_.ProgramIcon());
    form_->Move(0, form_->Top(), form_->Width(), form_->Height());
    // The frame's own Systray command puts the tray icon up, once the frame has painted.
    desktop::TraySwitchFrameAtStart(app_);
    app_.NewDocument();
    if (core::Document* active = app_.ActiveDocument())
        active->menu().SetChecked("mnuViewShowSystray", true);
}

void Frame::Form_Activate() {
    if (commandLineHandled_) return;
    // Set first: opening files may show message boxes that activate the frame again.
    commandLineHandled_ = true;
    if (!app_.platform.CommandLine().empty()) app_.OpenCommandLineFiles();
}

void Frame::Form_Resize() {
    platform::WindowState state = form_->State();
    if (state != platform::WindowState::Minimized) lastWindowState_ = state;
}

void Frame::Form_Unload() {
    // The tray icon comes down; then the program ends.
    if (menu_->Checked("mnuViewShowSystray")) mnuViewShowSystray_Click(0);
}

void Frame::MDIForm_OLEDragDrop(const platform::DropData& data) {
    desktop::DropOnFrame(app_, data);
}

void Frame::mnuFileNew_Click(int) {
    app_.NewDocument();
}
void Frame::mnuFileOpen_Click(int) {
    app_.NewDocument();
    files::OpenFile(app_);
}
void Frame::MnuFileExit_Click(int) {
    form_->Close();
}
void Frame::mnuTools1RowCalc_Click(int) {
    calc::OpenCalculator(app_);
}
void Frame::mnuToolsClipboardViewer_Click(int) {
    desktop::OpenClipboardViewer(app_);
}
void Frame::mnuToolsSystemConfig_Click(int index) {
    desktop::OpenSystemFile(app_, index);
}
void Frame::mnuToolsShell_Click(int index) {
    desktop::RunProgram(app_, index);
}
void Frame::mnuViewAOT_Click(int) {
    desktop::AlwaysOnTopFrame(app_);
}
// The task bar item stays checked and disabled: nothing is bound to it.
void Frame::mnuViewShowTaskbar_Click(int) {}
void Frame::mnuViewShowSystray_Click(int) {
    desktop::TraySwitchFrame(app_);
}
void Frame::mnuWindowNew_Click(int) {
    app_.NewDocument();
}
void Frame::mnuHelpAbout_Click(int) {
    desktop::About(app_);
}
void Frame::mnuHelpHelp_Click(int) {
    desktop::ShowHelp(app_);
}

} // namespace app
