// A menu's opening event: raised as the user opens a menu of the bar on show, before it is
// drawn; items disabled there cannot be chosen by their shortcut either.
#include <gtest/gtest.h>

#include "contract/contract_harness.h"

using platform::Ctrl;

namespace {

platform::MenuItemDef Item(std::string name, std::string caption, platform::Shortcut key = {}) {
    platform::MenuItemDef def;
    def.name = std::move(name);
    def.caption = std::move(caption);
    def.shortcut = key;
    return def;
}

class MenuOpenContract : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::FormDef def;
        def.kind = platform::FormKind::MdiFrame;
        def.name = "MDIForm1";
        def.width = 8000;
        def.height = 6000;
        frame = ContractPlatform().CreateFrame(def);
        frame->Show();
        platform::FormDef childDef;
        childDef.kind = platform::FormKind::MdiChild;
        childDef.name = "Form1";
        child = frame->CreateChild(childDef);
        platform::MenuItemDef file = Item("mnuFile", "&File");
        file.children = {Item("mnuFileNew", "&New")};
        platform::MenuItemDef editMenu = Item("mnuEdit", "&Edit");
        editMenu.children = {Item("mnuEditCut", "Cu&t", Ctrl('X'))};
        menu = ContractPlatform().CreateMenu(
            {file, editMenu}, [this](const std::string& name, int) { chosen.push_back(name); });
        child->SetMenu(menu.get());
        menu->onOpen = [this](const std::string& name, int) {
            opened.push_back(name);
            menu->SetEnabled("mnuEditCut", enableCut);
        };
    }
    void TearDown() override {
        child->Unload();
        child.reset();
        frame->Unload();
        TakeBackQuit();
    }

    std::unique_ptr<platform::MdiFrame> frame;
    std::unique_ptr<platform::Form> child;
    std::unique_ptr<platform::Menu> menu;
    std::vector<std::string> opened, chosen;
    bool enableCut = false;
};

} // namespace

TEST_F(MenuOpenContract, OpeningAMenuRaisesItsEventAndTheStatesItSetsHold) {
    PressShortcutAsUser(*frame, Ctrl('X'));
    EXPECT_EQ(chosen, std::vector<std::string>{"mnuEditCut"});
    OpenMenuAsUser(*frame, *menu, "mnuEdit");
    EXPECT_EQ(opened, std::vector<std::string>{"mnuEdit"});
    EXPECT_FALSE(menu->Enabled("mnuEditCut"));
    // Disabled, its shortcut does nothing until the menu is opened again.
    PressShortcutAsUser(*frame, Ctrl('X'));
    EXPECT_EQ(chosen.size(), 1u);
    enableCut = true;
    OpenMenuAsUser(*frame, *menu, "mnuFile");
    OpenMenuAsUser(*frame, *menu, "mnuEdit");
    EXPECT_EQ(opened, (std::vector<std::string>{"mnuEdit", "mnuFile", "mnuEdit"}));
    PressShortcutAsUser(*frame, Ctrl('X'));
    EXPECT_EQ(chosen, (std::vector<std::string>{"mnuEditCut", "mnuEditCut"}));
}
