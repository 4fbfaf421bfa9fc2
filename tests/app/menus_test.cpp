// The menu trees and their handlers.
#include "app/app_fixture.h"
#include "app/menus.h"

#include <map>
#include <set>

using platform::Ctrl;
using platform::Plain;
using platform::ShiftKey;
namespace key = platform::key;

namespace {

std::string Describe(const platform::Menu& menu, int id) {
    const auto& def = menu.Items()[id].def;
    return def.caption + "|" + def.shortcut.Text();
}

} // namespace

TEST(Menus, ItemsCaptionsAndShortcuts) {
    struct Case {
        const char* name;
        int index;
        const char* expected; // caption|shortcut
    };
    const Case document[] = {
        {"mnuFileNew", -1, "&New|F2"},
        {"mnuFileSaveAs", -1, "Sav&e as|Ctrl+E"},
        {"mnuFileCloseAll", -1, "Close &all|Shift+F9"},
        {"mnuFilePrintAll", -1, "Pr&int all|"},
        {"mnuEditUndo", -1, "&Undo|Alt+Backspace"},
        {"mnuEditDelete", -1, "&Delete|Del"},
        {"mnuEditCaseCrackzCase", -1, "CrAcKz cAsE ;-)|"},
        {"mnuSearchFindNext", -1, "Find &next|F3"},
        {"mnuSearchGotolongestColumn", -1, "GoTo &longest Col|"},
        {"mnuInsertDate", -1, "Insert &date|F7"},
        {"mnuTools1RowCalc", -1, "&1-row calculator|Shift+F3"},
        {"mnuToolsSystemConfig", 8, "hosts|"},
        {"mnuToolsShell", 31, "Command|Ctrl+F11"},
        {"mnuToolsShell", 100, "S&hell...|Ctrl+H"},
        {"mnuToolsShell", 40, "-|"},
        {"mnuViewAOT", -1, "&Always on top|F4"},
        {"mnuFormatWordWrap", -1, "Word &wrap|Ctrl+W"},
        {"mnuWindowNext", -1, "Next win&dow|Ctrl+D"},
        {"mnuWindowTile", 4, "Co&lumns|Shift+Ctrl+F9"},
        {"mnuHelpAbout", -1, "&About...|F1"},
    };
    platform::Menu doc(app::DocumentMenuTree(), nullptr);
    for (const auto& c : document) {
        int id = doc.Find(c.name, c.index);
        ASSERT_GE(id, 0) << c.name << c.index;
        EXPECT_EQ(Describe(doc, id), c.expected) << c.name << c.index;
    }
    const Case frame[] = {
        {"MnuFile", -1, "&File|"},
        {"MnuFileExit", -1, "E&xit|Ctrl+Q"},
        {"mnuTools1RowCalc", -1, "&1-row calc|Shift+F3"},
        {"mnuToolsShell", 1, "Notepad|Ctrl+F1"},
        {"mnuWindowNew", -1, "&New window|Ctrl+N"},
    };
    platform::Menu frm(app::FrameMenuTree(), nullptr);
    for (const auto& c : frame)
        EXPECT_EQ(Describe(frm, frm.Find(c.name, c.index)), c.expected);
    EXPECT_LT(frm.Find("mnuFileSave"), 0);
    EXPECT_LT(frm.Find("mnuEdit"), 0);

    platform::Menu tray(app::TrayMenuTree(), nullptr);
    EXPECT_EQ(Describe(tray, tray.Find("mnuSystrayExit")), "E&xit|");
    EXPECT_EQ(Describe(tray, tray.Find("mnuToolsShell", 1)), "Notepad|");
    for (const auto& item : tray.Items())
        EXPECT_TRUE(item.def.shortcut.Empty()) << item.def.name;
}

TEST(Menus, ItemArraysHaveExactlyTheirIndices) {
    platform::Menu doc(app::DocumentMenuTree(), nullptr);
    std::map<std::string, std::vector<int>> arrays;
    for (const auto& item : doc.Items())
        if (item.def.index >= 0) arrays[item.def.name].push_back(item.def.index);
    EXPECT_EQ(arrays["mnuToolsSystemConfig"], (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(arrays["mnuToolsShell"],
              (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 10, 18, 20, 29, 31, 32, 40, 100}));
    EXPECT_EQ(arrays["mnuWindowTile"], (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST(Menus, InitialStates) {
    for (auto tree : {app::DocumentMenuTree(), app::FrameMenuTree()}) {
        platform::Menu menu(tree, nullptr);
        EXPECT_TRUE(menu.Checked("mnuViewShowTaskbar"));
        EXPECT_FALSE(menu.Enabled("mnuViewShowTaskbar"));
        EXPECT_FALSE(menu.Checked("mnuViewShowSystray"));
    }
    platform::Menu doc(app::DocumentMenuTree(), nullptr);
    EXPECT_FALSE(doc.Enabled("mnuFormatWordWrap"));
    // Ctrl+F10 is bound to nothing; no two items share a shortcut.
    EXPECT_LT(doc.FindShortcut(Ctrl(key::F(10))), 0);
    std::set<std::string> seen;
    for (const auto& item : doc.Items()) {
        if (!item.def.shortcut.Empty()) {
            EXPECT_TRUE(seen.insert(item.def.shortcut.Text()).second) << item.def.name;
        }
    }
}

TEST(Menus, EveryItemReachesAHandlerOfItsWindow) {
    auto check = [](const std::vector<platform::MenuItemDef>& tree, bool (*has)(std::string_view)) {
        platform::Menu menu(tree, nullptr);
        for (const auto& item : menu.Items()) {
            if (!item.IsSeparator() && item.children.empty()) {
                EXPECT_TRUE(has(item.def.name)) << item.def.name;
            }
        }
    };
    check(app::DocumentMenuTree(), &app::DocumentWindow::HasHandler);
    check(app::FrameMenuTree(), &app::Frame::HasHandler);
}

TEST_F(AppTest, ShortcutsActOnlyWhileTheirBarIsShown) {
    Start();
    EXPECT_TRUE(frame().PressShortcut(Plain(key::F(2))));
    EXPECT_EQ(Count(), 2);
    EXPECT_TRUE(frame().PressShortcut(Ctrl('N')));
    EXPECT_EQ(Count(), 3);
    // Word wrap is disabled: its shortcut does nothing.
    EXPECT_FALSE(frame().PressShortcut(Ctrl('W')));
    EXPECT_FALSE(frame().PressShortcut(Ctrl(key::F(10))));
    // Close all three: the frame's own bar is shown and document shortcuts do nothing.
    EXPECT_TRUE(frame().PressShortcut(ShiftKey(key::F(9))));
    ASSERT_EQ(Count(), 0);
    EXPECT_EQ(frame().ShownMenu(), &app.frame().menu());
    EXPECT_FALSE(frame().PressShortcut(Ctrl('S')));
    EXPECT_FALSE(frame().PressShortcut(Ctrl('F')));
    EXPECT_FALSE(frame().PressShortcut(ShiftKey(key::F(9))));
    // The frame's own items work.
    EXPECT_TRUE(frame().PressShortcut(Ctrl('N')));
    EXPECT_EQ(Count(), 1);
    EXPECT_EQ(Active()->form().State(), platform::WindowState::Maximized);
}

TEST_F(AppTest, SeparatorsAndHeadingsStartNothing) {
    Start();
    platform::Menu& menu = Active()->menu();
    EXPECT_FALSE(menu.Choose(menu.Find("mnuToolsShell", 10)));
    EXPECT_FALSE(menu.Choose(menu.Find("mnuFile")));
    EXPECT_FALSE(menu.Choose(menu.Find("mnuToolsShell", 9)));
    EXPECT_EQ(Count(), 1);
}

TEST_F(AppTest, NewWindowCopiesTheFramesCheckMarks) {
    Start();
    app.frame().menu().SetChecked("mnuViewAOT", true);
    app.frame().menu().SetChecked("mnuViewShowSystray", false);
    app.NewDocument();
    EXPECT_TRUE(Active()->menu().Checked("mnuViewAOT"));
    EXPECT_TRUE(Active()->menu().Checked("mnuViewShowTaskbar"));
    EXPECT_FALSE(Active()->menu().Checked("mnuViewShowSystray"));
}

TEST_F(AppTest, UndoDeleteAndSelectAllActOnTheActiveText) {
    Start();
    auto& text1 = Text1(Active());
    text1.Type("abc");
    text1.SetSelStart(1);
    EXPECT_TRUE(frame().PressShortcut(Plain(key::Delete)));
    EXPECT_EQ(text1.Text(), "ac");
    EXPECT_TRUE(frame().PressShortcut(platform::Alt(key::Back)));
    EXPECT_EQ(text1.Text(), "abc");
    EXPECT_TRUE(frame().PressShortcut(Ctrl('A')));
    EXPECT_EQ(text1.SelStart(), 0);
    EXPECT_EQ(text1.SelLength(), 3);
}
