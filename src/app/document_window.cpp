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

const MenuHandlers<Document>& Handlers() {
    static const MenuHandlers<Document> table = {
        {"mnuFileNew", &Document::mnuFileNew_Click},
        {"mnuFileOpen", &Document::mnuFileOpen_Click},
        {"mnuFileSave", &Document::mnuFileSave_Click},
        {"mnuFileSaveAs", &Document::mnuFileSaveAs_Click},
        {"mnuFileClose", &Document::mnuFileClose_Click},
        {"mnuFileCloseAll", &Document::mnuFileCloseAll_Click},
        {"mnuFilePrintProperties", &Document::mnuFilePrintProperties_Click},
        {"mnuFilePrint", &Document::mnuFilePrint_Click},
        {"mnuFilePrintAll", &Document::mnuFilePrintAll_Click},
        {"mnuFileExit", &Document::mnuFileExit_Click},
        {"mnuEdit", &Document::mnuEdit_Click},
        {"mnuEditUndo", &Document::mnuEditUndo_Click},
        {"mnuEditDelete", &Document::mnuEditDelete_Click},
        {"mnuEditCut", &Document::mnuEditCut_Click},
        {"mnuEditCopy", &Document::mnuEditCopy_Click},
        {"mnuEditPaste", &Document::mnuEditPaste_Click},
        {"mnuEditCaseLowerCase", &Document::mnuEditCaseLowerCase_Click},
        {"mnuEditCaseUpperCase", &Document::mnuEditCaseUpperCase_Click},
        {"mnuEditCaseCapitalize", &Document::mnuEditCaseCapitalize_Click},
        {"mnuEditCaseSentecize", &Document::mnuEditCaseSentecize_Click},
        {"mnuEditCaseInvertCase", &Document::mnuEditCaseInvertCase_Click},
        {"mnuEditCaseCrackzCase", &Document::mnuEditCaseCrackzCase_Click},
        {"mnuEditTruncateLines", &Document::mnuEditTruncateLines_Click},
        {"mnuEditSelectAll", &Document::mnuEditSelectAll_Click},
        {"mnuSearchFind", &Document::mnuSearchFind_Click},
        {"mnuSearchFindNext", &Document::mnuSearchFindNext_Click},
        {"mnuSearchReplace", &Document::mnuSearchReplace_Click},
        {"mnuSearchResult", &Document::mnuSearchResult_Click},
        {"mnuSearchGotoLine", &Document::mnuSearchGotoLine_Click},
        {"mnuSearchGotoPos", &Document::mnuSearchGotoPos_Click},
        {"mnuSearchGotolongestColumn", &Document::mnuSearchGotolongestColumn_Click},
        {"mnuInsertNow", &Document::mnuInsertNow_Click},
        {"mnuInsertTime", &Document::mnuInsertTime_Click},
        {"mnuInsertDate", &Document::mnuInsertDate_Click},
        {"mnuTools1RowCalc", &Document::mnuTools1RowCalc_Click},
        {"mnuToolsClipboardViewer", &Document::mnuToolsClipboardViewer_Click},
        {"mnuToolsSystemConfig", &Document::mnuToolsSystemConfig_Click},
        {"mnuToolsShell", &Document::mnuToolsShell_Click},
        {"mnuViewAOT", &Document::mnuViewAOT_Click},
        {"mnuViewShowTaskbar", &Document::mnuViewShowTaskbar_Click},
        {"mnuViewShowSystray", &Document::mnuViewShowSystray_Click},
        {"mnuFormatWordWrap", &Document::mnuFormatWordWrap_Click},
        {"mnuFormatFont", &Document::mnuFormatFont_Click},
        {"mnuFormatFontGlobal", &Document::mnuFormatFontGlobal_Click},
        {"mnuFormatFontPrinter", &Document::mnuFormatFontPrinter_Click},
        {"mnuWindowNew", &Document::mnuWindowNew_Click},
        {"mnuWindowNext", &Document::mnuWindowNext_Click},
        {"mnuWindowTile", &Document::mnuWindowTile_Click},
        {"mnuHelpAbout", &Document::mnuHelpAbout_Click},
        {"mnuHelpHelp", &Document::mnuHelpHelp_Click},
    };
    return table;
}

} // namespace

Document::Document(App& app) : app_(app) {
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

Document::~Document() {
    // The window object may outlive its window; its events must not reach a dead object.
    form_->onDeactivate = nullptr;
    form_->onResize = nullptr;
    form_->onQueryUnload = nullptr;
    form_->onUnload = nullptr;
    Text1().onDrop = nullptr;
    Text1().onPaste = nullptr;
}

bool Document::HasHandler(std::string_view itemName) {
    return Handlers().contains(itemName);
}

void Document::OnMenu(const std::string& name, int index) {
    RouteMenuClick(Handlers(), *this, name, index);
}

void Document::Form_Load() {
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

void Document::Form_Resize() {
    if (form_->State() == platform::WindowState::Minimized) return;
    platform::TextBox& text1 = Text1();
    int height = static_cast<int>(core::LargerOf(0, form_->ScaleHeight() - StatusBar1().Height()));
    text1.Move(0, 0, form_->ScaleWidth(), height);
}

void Document::Form_Deactivate() {
    app_.search.Invalidate();
}

// Asked before the window closes, whatever closes it; the window that asks need not be the
// active one.
void Document::Form_QueryUnload(platform::UnloadMode, bool& cancel) {
    if (core::HasFlag(Text1(), core::flag::Modified) && files::AskSaveChanges(app_, *this))
        cancel = true;
}

void Document::Form_Unload() {
    int slot = Slot();
    if (slot >= 1 && slot <= core::MaxDocuments && app_.registry.InUse(slot)) {
        app_.registry.Free(slot);
        app_.registry.Lower();
    }
    if (app_.registry.Count() == 1) app_.MaximiseNormalDocuments();
}

void Document::Text1_Change() {
    core::SetFlag(Text1(), core::flag::TextPresent);
    core::SetFlag(Text1(), core::flag::Modified);
    app_.search.Invalidate();
}

void Document::Text1_KeyUp(int, int) {
    files::ShowCaretPosition(app_);
}
void Document::Text1_Click() {
    files::ShowCaretPosition(app_);
}
void Document::Text1_OLEDragDrop(const platform::DropData& data) {
    desktop::DropOnDocument(app_, *this, data);
}

// ---- File ----
void Document::mnuFileNew_Click(int) {
    app_.NewDocument();
}
void Document::mnuFileOpen_Click(int) {
    files::OpenFile(app_);
}
void Document::mnuFileClose_Click(int) {
    form_->Close();
}
void Document::mnuFileCloseAll_Click(int) {
    platform::FrameUpdate update(app_.FrameForm());
    for (int slot = core::MaxDocuments; slot >= 1; --slot)
        if (app_.registry.InUse(slot)) app_.registry.Window(slot)->form().Close();
}
void Document::mnuFileExit_Click(int) {
    app_.frame().form().Close();
}
void Document::mnuFileSave_Click(int) {
    files::SaveDocument(app_, *this);
}
void Document::mnuFileSaveAs_Click(int) {
    files::SaveDocumentAs(app_, *this);
}
void Document::mnuFilePrintProperties_Click(int) {
    print::PrintPreferences(app_);
}
void Document::mnuFilePrint_Click(int) {
    print::PrintDocument(app_, *this);
}
void Document::mnuFilePrintAll_Click(int) {
    print::PrintAllDocuments(app_);
}

// ---- Edit ----
void Document::mnuEdit_Click(int) {
    edit::EditMenuOpening(app_, *this);
}
void Document::mnuEditUndo_Click(int) {
    edit::Undo(app_, *this);
}
void Document::mnuEditDelete_Click(int) {
    edit::Delete(app_, *this);
}
void Document::mnuEditCut_Click(int) {
    edit::Cut(app_, *this);
}
void Document::mnuEditCopy_Click(int) {
    edit::Copy(app_, *this);
}
void Document::mnuEditPaste_Click(int) {
    edit::Paste(app_, *this);
}
void Document::mnuEditCaseLowerCase_Click(int) {
    edit::ChangeCase(app_, *this, edit::CaseCommand::LowerCase);
}
void Document::mnuEditCaseUpperCase_Click(int) {
    edit::ChangeCase(app_, *this, edit::CaseCommand::UpperCase);
}
void Document::mnuEditCaseCapitalize_Click(int) {
    edit::ChangeCase(app_, *this, edit::CaseCommand::Capitalize);
}
void Document::mnuEditCaseSentecize_Click(int) {
    edit::ChangeCase(app_, *this, edit::CaseCommand::Sentecize);
}
void Document::mnuEditCaseInvertCase_Click(int) {
    edit::ChangeCase(app_, *this, edit::CaseCommand::InvertCase);
}
void Document::mnuEditCaseCrackzCase_Click(int) {
    edit::ChangeCase(app_, *this, edit::CaseCommand::CrackzCase);
}
void Document::mnuEditTruncateLines_Click(int) {
    edit::TruncateLines(app_, *this);
}
void Document::mnuEditSelectAll_Click(int) {
    edit::SelectAll(app_, *this);
}

// ---- Search ----
void Document::mnuSearchFind_Click(int) {
    search::OpenFind(app_);
}
void Document::mnuSearchFindNext_Click(int) {
    search::FindNext(app_);
}
void Document::mnuSearchReplace_Click(int) {
    search::OpenReplace(app_);
}
void Document::mnuSearchResult_Click(int) {
    search::ShowSearchResult(app_);
}
void Document::mnuSearchGotoLine_Click(int) {
    search::GotoLine(app_);
}
void Document::mnuSearchGotoPos_Click(int) {
    search::GotoPos(app_);
}
void Document::mnuSearchGotolongestColumn_Click(int) {
    search::GotoLongestColumn(app_);
}

// ---- Insert: the date and time ----
void Document::mnuInsertNow_Click(int) {
    edit::InsertNow(app_, *this);
}
void Document::mnuInsertTime_Click(int) {
    edit::InsertTime(app_, *this);
}
void Document::mnuInsertDate_Click(int) {
    edit::InsertDate(app_, *this);
}

// ---- Tools: calculator, clipboard viewer, launcher and system files ----
void Document::mnuTools1RowCalc_Click(int) {
    calc::OpenCalculator(app_);
}
void Document::mnuToolsClipboardViewer_Click(int) {
    desktop::OpenClipboardViewer(app_);
}
void Document::mnuToolsSystemConfig_Click(int index) {
    desktop::OpenSystemFile(app_, index);
}
void Document::mnuToolsShell_Click(int index) {
    desktop::RunProgram(app_, index);
}

// ---- View: always on top and the tray ----
void Document::mnuViewAOT_Click(int) {
    desktop::AlwaysOnTop(app_, *this);
}
void Document::mnuViewShowTaskbar_Click(int) {}
void Document::mnuViewShowSystray_Click(int) {
    desktop::TraySwitch(app_, *this);
}

// ---- Format ----
// Word wrap stays disabled: no operation is bound to it.
void Document::mnuFormatWordWrap_Click(int) {}
void Document::mnuFormatFont_Click(int) {
    print::ChooseDocumentFont(app_, *this);
}
void Document::mnuFormatFontGlobal_Click(int) {
    print::ChooseGlobalFont(app_);
}
void Document::mnuFormatFontPrinter_Click(int) {
    print::ChoosePrinterFont(app_);
}

// ---- Window ----
void Document::mnuWindowNew_Click(int) {
    app_.NewDocument();
}
void Document::mnuWindowNext_Click(int) {
    NextWindow(app_);
}
void Document::mnuWindowTile_Click(int index) {
    ArrangeWindows(app_, index, app_.frame().StatusBar1().Height());
}

// ---- Help ----
void Document::mnuHelpAbout_Click(int) {
    desktop::About(app_);
}
void Document::mnuHelpHelp_Click(int) {
    desktop::ShowHelp(app_);
}

} // namespace app
