// The menu trees, their commands and their shortcuts.
#include "app/app_fixture.h"
#include "app/commands.h"
#include "app/menus.h"

#include <set>

using platform::Ctrl;
using platform::Plain;
using platform::ShiftKey;
namespace key = platform::key;

namespace {

// The Tools menu of a tree, one line per item in order: name, index, caption (but the
// calculator's) and, when asked, the shortcut.
std::vector<std::string> ToolsItems(const platform::Menu& menu, bool shortcuts) {
    std::vector<std::string> lines;
    for (const auto& item : menu.Items()) {
        const auto& def = item.def;
        if (!def.name.starts_with("mnuTools")) continue;
        lines.push_back(def.name + "#" + std::to_string(def.index) + " " +
                        (def.name == "mnuTools1RowCalc" ? "" : def.caption) +
                        (shortcuts ? " " + def.shortcut.Text() : ""));
    }
    return lines;
}

} // namespace

TEST(Menus, TheFrameAndTheTrayShowTheDocumentsToolsMenu) {
    platform::Menu doc(app::DocumentMenuTree(), nullptr);
    platform::Menu frm(app::FrameMenuTree(), nullptr);
    platform::Menu tray(app::TrayMenuTree(), nullptr);
    ASSERT_FALSE(ToolsItems(doc, true).empty());
    EXPECT_EQ(ToolsItems(frm, true), ToolsItems(doc, true));
    EXPECT_EQ(ToolsItems(tray, false), ToolsItems(doc, false));
    EXPECT_EQ(doc.Items()[doc.Find("mnuTools1RowCalc")].def.caption, "&1-row calculator");
    EXPECT_EQ(frm.Items()[frm.Find("mnuTools1RowCalc")].def.caption, "&1-row calc");
    // The frame's bar holds no document command; the tray menu no shortcut.
    EXPECT_LT(frm.Find("mnuFileSave"), 0);
    EXPECT_LT(frm.Find("mnuEdit"), 0);
    for (const auto& item : tray.Items())
        EXPECT_TRUE(item.def.shortcut.Empty()) << item.def.name;
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

TEST(Menus, EveryItemOfTheThreeTreesHasACommandAndEveryCommandAnItem) {
    std::set<std::string> names;
    for (const auto& tree : {app::DocumentMenuTree(), app::FrameMenuTree(), app::TrayMenuTree()}) {
        platform::Menu menu(tree, nullptr);
        for (const auto& item : menu.Items()) {
            names.insert(item.def.name);
            if (!item.IsSeparator() && item.children.empty()) {
                EXPECT_NE(app::FindCommand(item.def.name), nullptr) << item.def.name;
            }
        }
    }
    // The Edit heading's command runs as its menu opens.
    std::set<std::string_view> rows;
    for (const app::CommandEntry& entry : app::Commands()) {
        EXPECT_TRUE(rows.insert(entry.item).second) << entry.item << " twice";
        EXPECT_TRUE(names.contains(std::string(entry.item))) << entry.item << " in no menu";
    }
    EXPECT_EQ(app::FindCommand("mnuFile"), nullptr);
}

// F1, F2, F7 and Shift+F3: the tests of About, of the bars, of the inserts and of the calculator.
TEST_F(AppTest, EachShortcutRunsTheCommandOfItsItem) {
    Start();
    platform.desktop.programs = {"command.exe"};
    EXPECT_TRUE(frame().PressShortcut(Ctrl('E'))); // Save as
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].kind, "Save");
    EXPECT_TRUE(frame().PressShortcut(Ctrl(key::F(11)))); // Command
    EXPECT_EQ(platform.desktop.started, std::vector<std::string>{"command.exe"});
    EXPECT_TRUE(frame().PressShortcut(Ctrl('H'))); // Shell...
    EXPECT_EQ(platform.inputs.size(), 1u);
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
