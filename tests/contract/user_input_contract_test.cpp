// What the user's keys, clicks and pop-up menu choices raise, checked on every platform alike.
#include <gtest/gtest.h>

#include <cctype>

#include "contract/contract_harness.h"

using namespace platform;

namespace {

std::vector<MenuItemDef> PopupTree() {
    auto item = [](std::string name, std::string caption) {
        MenuItemDef def;
        def.name = std::move(name);
        def.caption = std::move(caption);
        return def;
    };
    MenuItemDef top = item("mnuPop", "(pop)");
    top.children = {item("mnuPopAlpha", "&Alpha"), item("mnuPopSepar", "-"),
                    item("mnuPopBeta", "&Beta"), item("mnuPopGamma", "&Gamma")};
    return {top};
}

} // namespace

TEST(UserInputContract, KeyPreviewSeesKeysFirstAndCanChangeOrSwallowCharacters) {
    for (bool preview : {true, false}) {
        FormDef def = OneControlForm(ControlKind::TextBox, "txtMath");
        def.keyPreview = preview;
        auto form = ContractPlatform().CreateForm(def);
        form->Show();
        auto& box = form->Get<TextBox>("txtMath");
        box.SetFocus();
        // Each key as "D", its code and "+" when a shift key was down; then its character.
        std::string seen;
        form->onKeyDown = [&](int key, int shift) {
            seen += 'D';
            seen += static_cast<char>(key);
            if (shift) seen += '+';
        };
        form->onKeyPress = [&](int& ascii) {
            seen += static_cast<char>(ascii);
            if (ascii == 'x') ascii = 0;   // swallowed
            if (ascii == 'a') ascii = 'b'; // replaced
        };
        for (char c : std::string("axc"))
            PressCharacterKeyAsUser(*form, box, std::toupper(c), c);
        EXPECT_EQ(seen, preview ? "DAaDXxDCc" : "");
        EXPECT_EQ(box.Text(), preview ? "bc" : "axc");
        form->Unload();
    }
}

TEST(UserInputContract, ADoubleClickSelectsTheItemThenRaisesTheEvent) {
    auto form = ContractPlatform().CreateForm(OneControlForm(ControlKind::ListBox, "List1"));
    form->Show();
    auto& list = form->Get<ListBox>("List1");
    for (const char* text : {"one", "two", "three"})
        list.AddItem(text);
    std::vector<int> clicked;
    list.onDblClick = [&] { clicked.push_back(list.ListIndex()); };
    DoubleClickAsUser(list, 1);
    DoubleClickAsUser(list, 2);
    EXPECT_EQ(clicked, (std::vector<int>{1, 2}));
    form->Unload();
}

TEST(UserInputContract, LockKeyPanelsShowTheirKeysMode) {
    FormDef def = OneControlForm(ControlKind::StatusBar, "StatusBar1");
    const PanelStyle keys[] = {PanelStyle::Insert, PanelStyle::Caps, PanelStyle::Num,
                               PanelStyle::Scroll};
    for (PanelStyle key : keys)
        def.controls[0].panels.push_back(
            {key, "KEY", "", 0, PanelSize::Contents, PanelAlign::Center, PanelBevel::Inset});
    auto form = ContractPlatform().CreateForm(def);
    auto& bar = form->Get<StatusBar>("StatusBar1");
    for (int round = 0; round < 2; ++round) {
        // Each panel follows its own key: every other one on, then the other way round.
        for (int i = 0; i < 4; ++i)
            SwitchLockKeyAsUser(bar, keys[i], (i + round) % 2 == 0);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(bar.PanelEnabled(i + 1), (i + round) % 2 == 0) << i << " round " << round;
    }
    for (PanelStyle key : keys)
        SwitchLockKeyAsUser(bar, key, false);
    form->Unload();
}

TEST(UserInputContract, APopupMenuRunsTheChosenItemButNotADisabledOne) {
    auto owner = ContractPlatform().CreateForm(OneControlForm(ControlKind::PictureBox, "pic"));
    std::vector<std::string> ran;
    auto menu = ContractPlatform().CreateMenu(
        PopupTree(), [&](const std::string& name, int) { ran.push_back(name); });
    DesktopServices& desktop = ContractPlatform().Desktop();
    {
        auto choice = ChooseInNextPopup(*menu, "mnuPopGamma");
        desktop.PopupMenu(*owner, *menu, "mnuPop", "mnuPopAlpha");
    }
    EXPECT_EQ(ran, std::vector<std::string>{"mnuPopGamma"});
    menu->SetEnabled("mnuPopBeta", false);
    {
        auto choice = ChooseInNextPopup(*menu, "mnuPopBeta");
        desktop.PopupMenu(*owner, *menu, "mnuPop", "mnuPopAlpha");
    }
    EXPECT_EQ(ran, std::vector<std::string>{"mnuPopGamma"});
    owner->Unload();
}
