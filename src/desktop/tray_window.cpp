// The tray window frmPic and the tray's messages.
#include "desktop/tray_window.h"

#include "core/form_table.h"
#include "desktop/desktop_texts.h"
#include "desktop/visibility.h"

namespace desktop {

platform::FormDef TrayFormDef() {
    using K = platform::ControlKind;
    static const core::FormRow rows[] = {
        {K::PictureBox, "picSystray", "", 0, 0, 480, 480, -1, false},
    };
    return core::ToolFormFromTable(TrayWindow::kFormName, text::TrayCaption, 1200, 900, rows);
}

TrayWindow::TrayWindow(core::Program& program) : program_(program) {
    form_ = program_.platform.CreateForm(TrayFormDef());
    menu_ = program_.CreateTrayMenu();
    picSystray().onMouseMove = [this](int button, int shift, int x, int y) {
        picSystray_MouseMove(button, shift, x, y);
    };
    Form_Load();
}

TrayWindow::~TrayWindow() {
    if (listening_) program_.platform.Desktop().Tray().onTaskbarCreated = nullptr;
    if (iconUp_) DeleteIcon();
}

platform::PictureBox& TrayWindow::picSystray() {
    return form_->Get<platform::PictureBox>("picSystray");
}

void TrayWindow::Form_Load() {
    // The icon in the tray is the picture box's drag icon, which is the window's own.
    picSystray().SetDragIcon(form_->Icon());
}

bool TrayWindow::AddIcon() {
    *addWaiting_ = false;
    record_ = platform::TrayIconRecord{&picSystray(), 0, kTrayCallbackMessage,
                                       picSystray().DragIcon(), text::TrayTip};
    platform::TrayIcons& tray = program_.platform.Desktop().Tray();
    // A shell that starts anew forgets the icon. Listening for it from the first add on keeps
    // the listener's window out of the program's start.
    if (!listening_) tray.onTaskbarCreated = [this] { TaskbarCreated(); };
    listening_ = true;
    iconUp_ = false;
    for (int attempt = 0; attempt < kTrayAddAttempts && !iconUp_; ++attempt) {
        ++record_.id;
        iconUp_ = tray.Add(record_);
    }
    return iconUp_;
}

void TrayWindow::DeleteIcon() {
    *addWaiting_ = false;
    program_.platform.Desktop().Tray().Delete(record_);
    iconUp_ = false;
}

void TrayWindow::AddIconWhenIdle() {
    *addWaiting_ = true;
    program_.FrameForm().RunWhenIdle([this, waiting = std::weak_ptr<bool>(addWaiting_)] {
        if (auto still = waiting.lock(); still && *still) AddIcon();
    });
}

void TrayWindow::TaskbarCreated() {
    // A restarted shell has forgotten the icon: put it up again while the mark says so.
    if (program_.FrameMenu().Checked("mnuViewShowSystray")) AddIcon();
}

void TrayWindow::picSystray_MouseMove(int, int, int x, int) {
    platform::WindowState state = program_.FrameForm().State();
    bool minimised = state == platform::WindowState::Minimized;
    if (x == kTrayLeftDoubleClick) {
        if (minimised)
            ShowScrivex(program_);
        else
            HideScrivex(program_);
    } else if (x == kTrayRightButtonUp) {
        menu_->SetChecked("mnuSystrayAOT", program_.FrameMenu().Checked("mnuViewAOT"));
        menu_->SetEnabled("mnuSystrayShowScrivex", minimised);
        menu_->SetEnabled("mnuSystrayHideScrivex", !minimised);
        program_.platform.Desktop().PopupMenu(*form_, *menu_, "mnuSystray",
                                              minimised ? "mnuSystrayShowScrivex"
                                                        : "mnuSystrayHideScrivex");
    }
}

} // namespace desktop
