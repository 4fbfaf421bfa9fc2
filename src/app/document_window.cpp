// The document window's control table, its events and its menu handlers.
#include "app/document_window.h"

#include <map>

#include "app/app.h"
#include "app/frame_window.h"
#include "app/menu_dispatch.h"
#include "app/menus.h"
#include "app/texts.h"
#include "app/window_arrangement.h"
#include "calc/calculator_window.h"
#include "core/document_flags.h"
#include "core/text_helpers.h"
#include "desktop/clipboard_viewer.h"
#include "desktop/drops.h"
#include "desktop/launcher.h"
#include "desktop/visibility.h"
#include "edit/edit_commands.h"
#include "files/open_file.h"
#include "files/save_file.h"
#include "files/save_question.h"
#include "files/status_bar.h"
#include "platform/keys.h"
#include "platform/messages.h"
#include "print/fonts.h"
#include "print/printing.h"
#include "search/search_commands.h"

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

const MenuHandlers<DocumentWindow>& Handlers() {
    static const MenuHandlers<DocumentWindow> table = {
        {"mnuFileNew", &DocumentWindow::mnuFileNew_Click},
        {"mnuFileOpen", &DocumentWindow::mnuFileOpen_Click},
        {"mnuFileSave", &DocumentWindow::mnuFileSave_Click},
        {"mnuFileSaveAs", &DocumentWindow::mnuFileSaveAs_Click},
        {"mnuFileClose", &DocumentWindow::mnuFileClose_Click},
        {"mnuFileCloseAll", &DocumentWindow::mnuFileCloseAll_Click},
        {"mnuFilePrintProperties", &DocumentWindow::mnuFilePrintProperties_Click},
        {"mnuFilePrint", &DocumentWindow::mnuFilePrint_Click},
        {"mnuFilePrintAll", &DocumentWindow::mnuFilePrintAll_Click},
        {"mnuFileExit", &DocumentWindow::mnuFileExit_Click},
        {"mnuEdit", &DocumentWindow::mnuEdit_Click},
        {"mnuEditUndo", &DocumentWindow::mnuEditUndo_Click},
        {"mnuEditDelete", &DocumentWindow::mnuEditDelete_Click},
        {"mnuEditCut", &DocumentWindow::mnuEditCut_Click},
        {"mnuEditCopy", &DocumentWindow::mnuEditCopy_Click},
        {"mnuEditPaste", &DocumentWindow::mnuEditPaste_Click},
        {"mnuEditCaseLowerCase", &DocumentWindow::mnuEditCaseLowerCase_Click},
        {"mnuEditCaseUpperCase", &DocumentWindow::mnuEditCaseUpperCase_Click},
        {"mnuEditCaseCapitalize", &DocumentWindow::mnuEditCaseCapitalize_Click},
        {"mnuEditCaseSentecize", &DocumentWindow::mnuEditCaseSentecize_Click},
        {"mnuEditCaseInvertCase", &DocumentWindow::mnuEditCaseInvertCase_Click},
        {"mnuEditCaseCrackzCase", &DocumentWindow::mnuEditCaseCrackzCase_Click},
        {"mnuEditTruncateLines", &DocumentWindow::mnuEditTruncateLines_Click},
        {"mnuEditSelectAll", &DocumentWindow::mnuEditSelectAll_Click},
        {"mnuSearchFind", &DocumentWindow::mnuSearchFind_Click},
        {"mnuSearchFindNext", &DocumentWindow::mnuSearchFindNext_Click},
        {"mnuSearchReplace", &DocumentWindow::mnuSearchReplace_Click},
        {"mnuSearchResult", &DocumentWindow::mnuSearchResult_Click},
        {"mnuSearchGotoLine", &DocumentWindow::mnuSearchGotoLine_Click},
        {"mnuSearchGotoPos", &DocumentWindow::mnuSearchGotoPos_Click},
        {"mnuSearchGotolongestColumn", &DocumentWindow::mnuSearchGotolongestColumn_Click},
        {"mnuInsertNow", &DocumentWindow::mnuInsertNow_Click},
        {"mnuInsertTime", &DocumentWindow::mnuInsertTime_Click},
        {"mnuInsertDate", &DocumentWindow::mnuInsertDate_Click},
        {"mnuTools1RowCalc", &DocumentWindow::mnuTools1RowCalc_Click},
        {"mnuToolsClipboardViewer", &DocumentWindow::mnuToolsClipboardViewer_Click},
        {"mnuToolsSystemConfig", &DocumentWindow::mnuToolsSystemConfig_Click},
        {"mnuToolsShell", &DocumentWindow::mnuToolsShell_Click},
        {"mnuViewAOT", &DocumentWindow::mnuViewAOT_Click},
        {"mnuViewShowTaskbar", &DocumentWindow::mnuViewShowTaskbar_Click},
        {"mnuViewShowSystray", &DocumentWindow::mnuViewShowSystray_Click},
        {"mnuFormatWordWrap", &DocumentWindow::mnuFormatWordWrap_Click},
        {"mnuFormatFont", &DocumentWindow::mnuFormatFont_Click},
        {"mnuFormatFontGlobal", &DocumentWindow::mnuFormatFontGlobal_Click},
        {"mnuFormatFontPrinter", &DocumentWindow::mnuFormatFontPrinter_Click},
        {"mnuWindowNew", &DocumentWindow::mnuWindowNew_Click},
        {"mnuWindowNext", &DocumentWindow::mnuWindowNext_Click},
        {"mnuWindowTile", &DocumentWindow::mnuWindowTile_Click},
        {"mnuHelpAbout", &DocumentWindow::mnuHelpAbout_Click},
        {"mnuHelpHelp", &DocumentWindow::mnuHelpHelp_Click},
    };
    return table;
}

} // namespace

DocumentWindow::DocumentWindow(App& app) : app_(app) {
    form_ = app_.frame().form().CreateChild(DocumentFormDef());
    menu_ = app_.platform.CreateMenu(
        DocumentMenuTree(), [this](const std::string& name, int index) { OnMenu(name, index); });
    form_->SetMenu(menu_.get());
    // Opening a menu runs its heading's handler, before the menu is drawn.
    menu_->onOpen = [this](const std::string& name, int index) { OnMenu(name, index); };
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
    Text1().onPaste = [this] { mnuEditPaste_Click(0); };
}

DocumentWindow::~DocumentWindow() {
    // The window object may outlive its window; its events must not reach a dead object.
    form_->onDeactivate = nullptr;
    form_->onResize = nullptr;
    form_->onQueryUnload = nullptr;
    form_->onUnload = nullptr;
    Text1().onDrop = nullptr;
    Text1().onPaste = nullptr;
}

bool DocumentWindow::HasHandler(std::string_view itemName) {
    return Handlers().contains(itemName);
}

void DocumentWindow::OnMenu(const std::string& name, int index) {
    RouteMenuClick(Handlers(), *this, name, index);
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

// ---- File ----
void DocumentWindow::mnuFileNew_Click(int) {
    app_.NewDocument();
}
void DocumentWindow::mnuFileOpen_Click(int) {
    files::OpenFile(app_);
}
void DocumentWindow::mnuFileClose_Click(int) {
    form_->Close();
}
void DocumentWindow::mnuFileCloseAll_Click(int) {
    platform::FrameUpdate update(app_.FrameForm());
    for (int slot = core::kMaxDocuments; slot >= 1; --slot)
        if (app_.registry.InUse(slot)) app_.registry.Window(slot)->form().Close();
}
void DocumentWindow::mnuFileExit_Click(int) {
    app_.frame().form().Close();
}
void DocumentWindow::mnuFileSave_Click(int) {
    files::SaveDocument(app_, *this);
}
void DocumentWindow::mnuFileSaveAs_Click(int) {
    files::SaveDocumentAs(app_, *this);
}
void DocumentWindow::mnuFilePrintProperties_Click(int) {
    print::PrintPreferences(app_);
}
void DocumentWindow::mnuFilePrint_Click(int) {
    print::PrintDocument(app_, *this);
}
void DocumentWindow::mnuFilePrintAll_Click(int) {
    print::PrintAllDocuments(app_);
}

// ---- Edit ----
void DocumentWindow::mnuEdit_Click(int) {
    edit::EditMenuOpening(app_, *this);
}
void DocumentWindow::mnuEditUndo_Click(int) {
    edit::Undo(app_, *this);
}
void DocumentWindow::mnuEditDelete_Click(int) {
    edit::Delete(app_, *this);
}
void DocumentWindow::mnuEditCut_Click(int) {
    edit::Cut(app_, *this);
}
void DocumentWindow::mnuEditCopy_Click(int) {
    edit::Copy(app_, *this);
}
void DocumentWindow::mnuEditPaste_Click(int) {
    edit::Paste(app_, *this);
}
void DocumentWindow::mnuEditCaseLowerCase_Click(int) {
    edit::ChangeCase(app_, *this, edit::CaseCommand::LowerCase);
}
void DocumentWindow::mnuEditCaseUpperCase_Click(int) {
    edit::ChangeCase(app_, *this, edit::CaseCommand::UpperCase);
}
void DocumentWindow::mnuEditCaseCapitalize_Click(int) {
    edit::ChangeCase(app_, *this, edit::CaseCommand::Capitalize);
}
void DocumentWindow::mnuEditCaseSentecize_Click(int) {
    edit::ChangeCase(app_, *this, edit::CaseCommand::Sentecize);
}
void DocumentWindow::mnuEditCaseInvertCase_Click(int) {
    edit::ChangeCase(app_, *this, edit::CaseCommand::InvertCase);
}
void DocumentWindow::mnuEditCaseCrackzCase_Click(int) {
    edit::ChangeCase(app_, *this, edit::CaseCommand::CrackzCase);
}
void DocumentWindow::mnuEditTruncateLines_Click(int) {
    edit::TruncateLines(app_, *this);
}
void DocumentWindow::mnuEditSelectAll_Click(int) {
    edit::SelectAll(app_, *this);
}

// ---- Search ----
void DocumentWindow::mnuSearchFind_Click(int) {
    search::OpenFind(app_);
}
void DocumentWindow::mnuSearchFindNext_Click(int) {
    search::FindNext(app_);
}
void DocumentWindow::mnuSearchReplace_Click(int) {
    search::OpenReplace(app_);
}
void DocumentWindow::mnuSearchResult_Click(int) {
    search::ShowSearchResult(app_);
}
void DocumentWindow::mnuSearchGotoLine_Click(int) {
    search::GotoLine(app_);
}
void DocumentWindow::mnuSearchGotoPos_Click(int) {
    search::GotoPos(app_);
}
void DocumentWindow::mnuSearchGotolongestColumn_Click(int) {
    search::GotoLongestColumn(app_);
}

// ---- Insert: the date and time ----
void DocumentWindow::mnuInsertNow_Click(int) {
    edit::InsertNow(app_, *this);
}
void DocumentWindow::mnuInsertTime_Click(int) {
    edit::InsertTime(app_, *this);
}
void DocumentWindow::mnuInsertDate_Click(int) {
    edit::InsertDate(app_, *this);
}

// ---- Tools: calculator, clipboard viewer, launcher and system files ----
void DocumentWindow::mnuTools1RowCalc_Click(int) {
    calc::OpenCalculator(app_);
}
void DocumentWindow::mnuToolsClipboardViewer_Click(int) {
    desktop::OpenClipboardViewer(app_);
}
void DocumentWindow::mnuToolsSystemConfig_Click(int index) {
    desktop::OpenSystemFile(app_, index);
}
void DocumentWindow::mnuToolsShell_Click(int index) {
    desktop::RunProgram(app_, index);
}

// ---- View: always on top and the tray ----
void DocumentWindow::mnuViewAOT_Click(int) {
    desktop::AlwaysOnTop(app_, *this);
}
void DocumentWindow::mnuViewShowTaskbar_Click(int) {}
void DocumentWindow::mnuViewShowSystray_Click(int) {
    desktop::TraySwitch(app_, *this);
}

// ---- Format ----
// Word wrap stays disabled: no operation is bound to it.
void DocumentWindow::mnuFormatWordWrap_Click(int) {}
void DocumentWindow::mnuFormatFont_Click(int) {
    print::ChooseDocumentFont(app_, *this);
}
void DocumentWindow::mnuFormatFontGlobal_Click(int) {
    print::ChooseGlobalFont(app_);
}
void DocumentWindow::mnuFormatFontPrinter_Click(int) {
    print::ChoosePrinterFont(app_);
}

// ---- Window ----
void DocumentWindow::mnuWindowNew_Click(int) {
    app_.NewDocument();
}
void DocumentWindow::mnuWindowNext_Click(int) {
    NextWindow(app_);
}
void DocumentWindow::mnuWindowTile_Click(int index) {
    ArrangeWindows(app_, index, app_.frame().StatusBar1().Height());
}

// ---- Help ----
void DocumentWindow::mnuHelpAbout_Click(int) {
    desktop::About(app_);
}
void DocumentWindow::mnuHelpHelp_Click(int) {
    desktop::ShowHelp(app_);
}

} // namespace app
