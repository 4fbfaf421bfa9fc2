// The frame window's control table and its events.
#include "app/frame_window.h"

#include "app/app.h"
#include "app/commands.h"
#include "app/menus.h"
#include "app/texts.h"
#include "core/core_texts.h"
#include "desktop/drops.h"
#include "desktop/visibility.h"

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

} // namespace

Frame::Frame(App& app) : app_(app) {
    form_ = app_.platform.CreateFrame(FrameFormDef());
    comDlg_ = app_.platform.CreateCommonDialog();
    menu_ = app_.platform.CreateMenu(FrameMenuTree(), [this](const std::string& name, int index) {
        RunCommand(app_, nullptr, name, index);
    });
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
    if (menu_->Checked("mnuViewShowSystray")) desktop::TraySwitchFrame(app_);
}

void Frame::MDIForm_OLEDragDrop(const platform::DropData& data) {
    desktop::DropOnFrame(app_, data);
}

} // namespace app
