// The document window's control table and its events.
#include "app/document_window.h"

#include "app/app.h"
#include "app/commands.h"
#include "app/frame_window.h"
#include "app/menus.h"
#include "app/texts.h"
#include "core/document_flags.h"
#include "core/text_helpers.h"
#include "desktop/drops.h"
#include "files/save_question.h"
#include "files/status_bar.h"

namespace app {

namespace {

platform::FormDef DocumentFormDef() {
    using namespace platform;
    FormDef def;
    def.kind = FormKind::MdiChild;
    def.name = "Form1";
    def.caption = text::Untitled;

    ControlDef text1;
    text1.kind = ControlKind::MultiLineBox;
    text1.name = "Text1";
    text1.tabIndex = 0;
    text1.font = FontDef{};
    def.controls.push_back(text1);

    ControlDef bar;
    bar.kind = ControlKind::StatusBar;
    bar.name = "StatusBar1";
    PanelDef caret{PanelStyle::Text,  "", "", 1050, PanelSize::Contents, PanelAlign::Center,
                   PanelBevel::Raised};
    bar.panels = {
        caret,
        caret,
        caret,
        {PanelStyle::Text, "", "", 3000, PanelSize::Spring, PanelAlign::Left, PanelBevel::Inset},
        {PanelStyle::Text, "", "", 960, PanelSize::Contents, PanelAlign::Left, PanelBevel::Inset}};
    def.controls.push_back(bar);
    return def;
}

} // namespace

DocumentWindow::DocumentWindow(App& app) : app_(app) {
    form_ = app_.frame().form().CreateChild(DocumentFormDef());
    auto run = [this](const std::string& name, int index) { RunCommand(app_, this, name, index); };
    menu_ = app_.platform.CreateMenu(DocumentMenuTree(), run);
    form_->SetMenu(menu_.get());
    // Opening a menu runs its heading's command, before the menu is drawn.
    menu_->onOpen = run;
    form_->onDeactivate = [this] { Form_Deactivate(); };
    form_->onResize = [this] { Form_Resize(); };
    form_->onQueryUnload = [this](platform::UnloadMode mode, bool& cancel) {
        Form_QueryUnload(mode, cancel);
    };
    form_->onUnload = [this] { Form_Unload(); };
    Text1().onChange = [this] { Text1_Change(); };
    Text1().onKeyUp = [this](int key, int shift) { Text1_KeyUp(key, shift); };
    Text1().onClick = [this] { Text1_Click(); };
    Text1().onDrop = [this](const platform::DropData& data) { Text1_OLEDragDrop(data); };
    // The control's own paste (Shift+Ins, its context menu) is the menu's Paste.
    Text1().onPaste = [this] { RunCommand(app_, this, "mnuEditPaste", -1); };
}

DocumentWindow::~DocumentWindow() {
    // The form goes after this part of the object (core::Document holds it): nothing that its
    // destruction raises may reach these handlers.
    form_->onDeactivate = nullptr;
    form_->onResize = nullptr;
    form_->onQueryUnload = nullptr;
    form_->onUnload = nullptr;
    Text1().onDrop = nullptr;
    Text1().onPaste = nullptr;
}

void DocumentWindow::Form_Load() {
    // One window stays maximised; a second one never opens inside a maximised first one.
    if (app_.registry.Count() == 1) {
        form_->SetState(platform::WindowState::Maximized);
    } else {
        for (core::Document* doc : app_.OpenDocuments())
            doc->form().SetState(platform::WindowState::Normal);
    }
    // The program-wide check marks follow the frame's.
    platform::Menu& frameMenu = app_.frame().menu();
    for (const char* item : {"mnuViewAOT", "mnuViewShowTaskbar", "mnuViewShowSystray"})
        menu_->SetChecked(item, frameMenu.Checked(item));
}

void DocumentWindow::Form_Resize() {
    if (form_->State() == platform::WindowState::Minimized) return;
    platform::TextBox& text1 = Text1();
    int height = static_cast<int>(core::LargerOf(0, form_->ScaleHeight() - StatusBar1().Height()));
    text1.Move(0, 0, form_->ScaleWidth(), height);
}

void DocumentWindow::Form_Deactivate() {
    app_.search.Invalidate();
}

// Asked before the window closes, whatever closes it; the window that asks need not be the
// active one.
void DocumentWindow::Form_QueryUnload(platform::UnloadMode, bool& cancel) {
    if (core::HasFlag(Text1(), core::flag::Modified) && files::AskSaveChanges(app_, *this))
        cancel = true;
}

void DocumentWindow::Form_Unload() {
    int slot = Slot();
    if (slot >= 1 && slot <= core::kMaxDocuments && app_.registry.InUse(slot)) {
        app_.registry.Free(slot);
        app_.registry.Lower();
    }
    if (app_.registry.Count() == 1) app_.MaximiseNormalDocuments();
}

void DocumentWindow::Text1_Change() {
    core::SetFlag(Text1(), core::flag::TextPresent);
    core::SetFlag(Text1(), core::flag::Modified);
    app_.search.Invalidate();
}

void DocumentWindow::Text1_KeyUp(int, int) {
    files::ShowCaretPosition(app_);
}
void DocumentWindow::Text1_Click() {
    files::ShowCaretPosition(app_);
}
void DocumentWindow::Text1_OLEDragDrop(const platform::DropData& data) {
    desktop::DropOnDocument(app_, *this, data);
}

} // namespace app
