// The command table: one row per menu item name, each a call into a subsystem.
#include "app/commands.h"

#include <algorithm>

#include "app/window_arrangement.h"
#include "calc/calculator_window.h"
#include "desktop/clipboard_viewer.h"
#include "desktop/launcher.h"
#include "desktop/visibility.h"
#include "edit/edit_commands.h"
#include "files/open_file.h"
#include "files/save_file.h"
#include "print/fonts.h"
#include "print/printing.h"
#include "search/search_commands.h"

namespace app {

namespace {

using core::Document;
using core::Program;

// The document a command acts on: the one whose menu was used, else the active one (error 91
// when there is none).
Document& Target(Program& program, Document* doc) {
    return doc ? *doc : program.RequireActiveDocument();
}

// Adapters from a subsystem's procedure to a command.
template <auto F> void Run(Program& program, Document*, int) {
    F(program);
}
template <auto F> void OnDocument(Program& program, Document* doc, int) {
    F(program, Target(program, doc));
}
template <auto F> void WithIndex(Program& program, Document*, int index) {
    F(program, index);
}
template <edit::CaseCommand How> void ChangeCase(Program& program, Document* doc, int) {
    edit::ChangeCase(program, Target(program, doc), How);
}

// Items that stay disabled: nothing is bound to them.
void Nothing(Program&, Document*, int) {}

void NewDocument(Program& program, Document*, int) {
    program.NewDocument();
}
// The frame's Open, with no document open, first makes the window to open into.
void OpenFile(Program& program, Document* doc, int) {
    if (!doc) program.NewDocument();
    files::OpenFile(program);
}
void CloseDocument(Program& program, Document* doc, int) {
    Target(program, doc).form().Close();
}
void CloseAll(Program& program, Document*, int) {
    platform::FrameUpdate update(program.FrameForm());
    for (int slot = core::kMaxDocuments; slot >= 1; --slot)
        if (program.registry.InUse(slot)) program.registry.Window(slot)->form().Close();
}
// Exit goes the way of closing the frame, with its save questions.
void Exit(Program& program, Document*, int) {
    program.FrameForm().Close();
}
void AlwaysOnTop(Program& program, Document* doc, int) {
    if (doc)
        desktop::AlwaysOnTop(program, *doc);
    else
        desktop::AlwaysOnTopFrame(program);
}
void TraySwitch(Program& program, Document* doc, int) {
    if (doc)
        desktop::TraySwitch(program, *doc);
    else
        desktop::TraySwitchFrame(program);
}
void Tile(Program& program, Document*, int index) {
    ArrangeWindows(program, index,
                   program.FrameForm().Get<platform::StatusBar>("StatusBar1").Height());
}

constexpr CommandEntry kCommands[] = {
    // File; the frame's bar names its Exit MnuFileExit
    {"mnuFileNew", NewDocument},
    {"mnuFileOpen", OpenFile},
    {"mnuFileSave", OnDocument<files::SaveDocument>},
    {"mnuFileSaveAs", OnDocument<files::SaveDocumentAs>},
    {"mnuFileClose", CloseDocument},
    {"mnuFileCloseAll", CloseAll},
    {"mnuFilePrintProperties", Run<print::PrintPreferences>},
    {"mnuFilePrint", OnDocument<print::PrintDocument>},
    {"mnuFilePrintAll", Run<print::PrintAllDocuments>},
    {"mnuFileExit", Exit},
    {"MnuFileExit", Exit},
    // Edit; mnuEdit runs as the menu opens
    {"mnuEdit", OnDocument<edit::EditMenuOpening>},
    {"mnuEditUndo", OnDocument<edit::Undo>},
    {"mnuEditDelete", OnDocument<edit::Delete>},
    {"mnuEditCut", OnDocument<edit::Cut>},
    {"mnuEditCopy", OnDocument<edit::Copy>},
    {"mnuEditPaste", OnDocument<edit::Paste>},
    {"mnuEditCaseLowerCase", ChangeCase<edit::CaseCommand::LowerCase>},
    {"mnuEditCaseUpperCase", ChangeCase<edit::CaseCommand::UpperCase>},
    {"mnuEditCaseCapitalize", ChangeCase<edit::CaseCommand::Capitalize>},
    {"mnuEditCaseSentecize", ChangeCase<edit::CaseCommand::Sentecize>},
    {"mnuEditCaseInvertCase", ChangeCase<edit::CaseCommand::InvertCase>},
    {"mnuEditCaseCrackzCase", ChangeCase<edit::CaseCommand::CrackzCase>},
    {"mnuEditTruncateLines", OnDocument<edit::TruncateLines>},
    {"mnuEditSelectAll", OnDocument<edit::SelectAll>},
    // Search
    {"mnuSearchFind", Run<search::OpenFind>},
    {"mnuSearchFindNext", Run<search::FindNext>},
    {"mnuSearchReplace", Run<search::OpenReplace>},
    {"mnuSearchResult", Run<search::ShowSearchResult>},
    {"mnuSearchGotoLine", Run<search::GotoLine>},
    {"mnuSearchGotoPos", Run<search::GotoPos>},
    {"mnuSearchGotolongestColumn", Run<search::GotoLongestColumn>},
    // Insert
    {"mnuInsertNow", OnDocument<edit::InsertNow>},
    {"mnuInsertTime", OnDocument<edit::InsertTime>},
    {"mnuInsertDate", OnDocument<edit::InsertDate>},
    // Tools, in all three trees
    {"mnuTools1RowCalc", Run<calc::OpenCalculator>},
    {"mnuToolsClipboardViewer", Run<desktop::OpenClipboardViewer>},
    {"mnuToolsSystemConfig", WithIndex<desktop::OpenSystemFile>},
    {"mnuToolsShell", WithIndex<desktop::RunProgram>},
    // View
    {"mnuViewAOT", AlwaysOnTop},
    {"mnuViewShowTaskbar", Nothing},
    {"mnuViewShowSystray", TraySwitch},
    // Format
    {"mnuFormatWordWrap", Nothing},
    {"mnuFormatFont", OnDocument<print::ChooseDocumentFont>},
    {"mnuFormatFontGlobal", Run<print::ChooseGlobalFont>},
    {"mnuFormatFontPrinter", Run<print::ChoosePrinterFont>},
    // Window
    {"mnuWindowNew", NewDocument},
    {"mnuWindowNext", Run<NextWindow>},
    {"mnuWindowTile", Tile},
    // Help
    {"mnuHelpAbout", Run<desktop::About>},
    {"mnuHelpHelp", Run<desktop::ShowHelp>},
    // The tray menu
    {"mnuSystrayShowScrivex", Run<desktop::ShowScrivex>},
    {"mnuSystrayHideScrivex", Run<desktop::HideScrivex>},
    {"mnuSystrayNew", Run<desktop::TrayNew>},
    {"mnuSystrayOpen", Run<desktop::TrayOpen>},
    {"mnuSystrayAOT", Run<desktop::AlwaysOnTopTray>},
    {"mnuSystrayAbout", Run<desktop::About>},
    {"mnuSystrayExit", Exit},
};

} // namespace

std::span<const CommandEntry> Commands() {
    return kCommands;
}

Command FindCommand(std::string_view item) {
    const auto* found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                     [&](const CommandEntry& e) { return e.item == item; });
    return found == std::end(kCommands) ? nullptr : found->run;
}

void RunCommand(Program& program, Document* doc, std::string_view item, int index) {
    if (Command command = FindCommand(item)) command(program, doc, index);
}

} // namespace app
