// The three menu trees as data: items, captions, shortcuts, check marks and enabling. What an
// item does stands in the command table (app/commands.cpp), by the item's name.
#include "app/menus.h"

#include "desktop/launcher.h"
#include "platform/keys.h"

namespace app {

using platform::Ctrl;
using platform::MenuItemDef;
using platform::Plain;
using platform::ShiftCtrl;
using platform::ShiftKey;
using platform::Shortcut;
namespace key = platform::key;

namespace {

MenuItemDef Item(const char* name, const char* caption, Shortcut shortcut = {}) {
    MenuItemDef item;
    item.name = name;
    item.caption = caption;
    item.shortcut = shortcut;
    return item;
}

MenuItemDef Sub(const char* name, const char* caption, std::vector<MenuItemDef> children) {
    MenuItemDef item = Item(name, caption);
    item.children = std::move(children);
    return item;
}

MenuItemDef Indexed(const char* name, int index, const char* caption, Shortcut shortcut = {}) {
    MenuItemDef item = Item(name, caption, shortcut);
    item.index = index;
    return item;
}

MenuItemDef Disabled(MenuItemDef item) {
    item.enabled = false;
    return item;
}

MenuItemDef CheckedDisabled(MenuItemDef item) {
    item.checked = true;
    item.enabled = false;
    return item;
}

std::vector<MenuItemDef> SystemConfigItems() {
    std::vector<MenuItemDef> items;
    int index = 0;
    for (const char* file : desktop::kSystemFiles)
        items.push_back(Indexed("mnuToolsSystemConfig", index++, file));
    return items;
}

// The program launcher's items; the tray's copy carries no shortcuts.
std::vector<MenuItemDef> ShellItems(bool withShortcuts) {
    std::vector<MenuItemDef> items;
    for (const auto& program : desktop::kProgramItems)
        items.push_back(Indexed("mnuToolsShell", program.index, program.caption,
                                withShortcuts ? program.shortcut : Shortcut{}));
    return items;
}

// The Tools menu's items, shared by the three trees.
std::vector<MenuItemDef> ToolsItems(const char* calcCaption, bool withShortcuts) {
    std::vector<MenuItemDef> items = {
        Item("mnuTools1RowCalc", calcCaption, withShortcuts ? ShiftKey(key::F(3)) : Shortcut{}),
        Item("mnuToolsClipboardViewer", "&Clipboard viewer",
             withShortcuts ? ShiftKey(key::F(4)) : Shortcut{}),
        Sub("mnuToolsEditSystemConfig", "&Edit system config", SystemConfigItems()),
        Item("mnuToolsSepar1", "-"),
    };
    for (auto& item : ShellItems(withShortcuts))
        items.push_back(std::move(item));
    return items;
}

MenuItemDef ViewShowMenu() {
    return Sub("mnuViewShow", "Show Scrivex in",
               {CheckedDisabled(Item("mnuViewShowTaskbar", "Taskbar")),
                Item("mnuViewShowSystray", "Systray")});
}

MenuItemDef WindowList(MenuItemDef item) {
    item.windowList = true;
    return item;
}

} // namespace

std::vector<MenuItemDef> DocumentMenuTree() {
    std::vector<MenuItemDef> tile;
    static const char* const tileCaptions[] = {"Tile &horizontally", "Tile &vertically", "&Cascade",
                                               "&Rows", "Co&lumns"};
    for (int i = 0; i < 5; ++i)
        tile.push_back(Indexed("mnuWindowTile", i, tileCaptions[i], ShiftCtrl(key::F(5 + i))));

    std::vector<MenuItemDef> window = {Item("mnuWindowNew", "&New window", Ctrl('N')),
                                       Item("mnuWindowNext", "Next win&dow", Ctrl('D')),
                                       Item("mnuWindowSepar1", "-")};
    for (auto& item : tile)
        window.push_back(std::move(item));

    return {
        Sub("mnuFile", "&File",
            {Item("mnuFileNew", "&New", Plain(key::F(2))), Item("mnuFileOpen", "&Open", Ctrl('O')),
             Item("mnuFileSave", "&Save", Ctrl('S')), Item("mnuFileSaveAs", "Sav&e as", Ctrl('E')),
             Item("mnuFileSepar1", "-"), Item("mnuFileClose", "C&lose", Ctrl('L')),
             Item("mnuFileCloseAll", "Close &all", ShiftKey(key::F(9))), Item("mnuFileSepar2", "-"),
             Item("mnuFilePrintProperties", "P&rint preferences"),
             Item("mnuFilePrint", "&Print", Ctrl('P')), Item("mnuFilePrintAll", "Pr&int all"),
             Item("mnuFileSepar3", "-"), Item("mnuFileExit", "E&xit", Ctrl('Q'))}),
        Sub("mnuEdit", "&Edit",
            {Item("mnuEditUndo", "&Undo", platform::Alt(key::Back)),
             Item("mnuEditDelete", "&Delete", Plain(key::Delete)), Item("mnuEditSepar1", "-"),
             Item("mnuEditCut", "Cu&t", Ctrl('X')), Item("mnuEditCopy", "&Copy", Ctrl('C')),
             Item("mnuEditPaste", "&Paste", Ctrl('V')), Item("mnuEditSepar2", "-"),
             Sub("mnuEditChangeCase", "C&hange case",
                 {Item("mnuEditCaseLowerCase", "lower case"),
                  Item("mnuEditCaseUpperCase", "UPPER CASE"),
                  Item("mnuEditCaseCapitalize", "Capitalize"),
                  Item("mnuEditCaseSentecize", ".Sentecize"),
                  Item("mnuEditCaseInvertCase", "Invert cASE"),
                  Item("mnuEditChangeCaseSepar1", "-"),
                  Item("mnuEditCaseCrackzCase", "CrAcKz cAsE ;-)")}),
             Item("mnuEditTruncateLines", "&Truncate lines"), Item("mnuEditSepar3", "-"),
             Item("mnuEditSelectAll", "Select &all", Ctrl('A'))}),
        Sub("mnuSearch", "&Search",
            {Item("mnuSearchFind", "&Find...", Ctrl('F')),
             Item("mnuSearchFindNext", "Find &next", Plain(key::F(3))),
             Item("mnuSearchReplace", "&Replace", Ctrl('R')), Item("mnuSearchSepar1", "-"),
             Item("mnuSearchResult", "Search res&ult", Ctrl('U')), Item("mnuSearchSepar2", "-"),
             Item("mnuSearchGotoLine", "&GoTo line", Ctrl('G')),
             Item("mnuSearchGotoPos", "Go&To pos", Ctrl('T')),
             Item("mnuSearchGotolongestColumn", "GoTo &longest Col")}),
        Sub("mnuInsert", "&Insert",
            {Item("mnuInsertNow", "Insert &now", Plain(key::F(5))),
             Item("mnuInsertTime", "Insert &time", Plain(key::F(6))),
             Item("mnuInsertDate", "Insert &date", Plain(key::F(7)))}),
        Sub("mnuTools", "&Tools", ToolsItems("&1-row calculator", true)),
        Sub("mnuView", "&View",
            {Item("mnuViewAOT", "&Always on top", Plain(key::F(4))), ViewShowMenu()}),
        Sub("mnuFormat", "&Format",
            {Disabled(Item("mnuFormatWordWrap", "Word &wrap", Ctrl('W'))),
             Item("mnuFormatSepar1", "-"), Item("mnuFormatFont", "&Font..."),
             Item("mnuFormatFontGlobal", "&Global font..."),
             Item("mnuFormatFontPrinter", "&Printer font...")}),
        WindowList(Sub("mnuWindow", "&Window", std::move(window))),
        Sub("mnuHelp", "&Help",
            {Item("mnuHelpAbout", "&About...", Plain(key::F(1))),
             Item("mnuHelpHelp", "Scrivex Help")}),
    };
}

std::vector<MenuItemDef> FrameMenuTree() {
    return {
        Sub("MnuFile", "&File",
            {Item("mnuFileNew", "&New", Plain(key::F(2))), Item("mnuFileOpen", "&Open", Ctrl('O')),
             Item("mnuFileSepar1", "-"), Item("MnuFileExit", "E&xit", Ctrl('Q'))}),
        Sub("mnuTools", "&Tools", ToolsItems("&1-row calc", true)),
        Sub("mnuView", "&View",
            {Item("mnuViewAOT", "&Always on top", Plain(key::F(4))), ViewShowMenu()}),
        WindowList(Sub("mnuWindow", "&Window", {Item("mnuWindowNew", "&New window", Ctrl('N'))})),
        Sub("mnuHelp", "&Help",
            {Item("mnuHelpAbout", "&About...", Plain(key::F(1))),
             Item("mnuHelpHelp", "Scrivex Help")}),
    };
}

std::vector<MenuItemDef> TrayMenuTree() {
    return {
        Sub("mnuSystray", "(Systray)",
            {Item("mnuSystrayShowScrivex", "&Show Scrivex"),
             Item("mnuSystrayHideScrivex", "&Hide Scrivex"), Item("mnuSystraySepar1", "-"),
             Item("mnuSystrayNew", "&New"), Item("mnuSystrayOpen", "&Open"),
             Item("mnuSystraySepar2", "-"), Item("mnuSystrayAOT", "Always on top"),
             Sub("mnuTools", "&Tools", ToolsItems("&1-row calc", false)),
             Item("mnuSystraySepar3", "-"), Item("mnuSystrayAbout", "About..."),
             Item("mnuSystraySepar4", "-"), Item("mnuSystrayExit", "E&xit")}),
    };
}

} // namespace app
