// What the user's clicks, lock keys and pop-up menu choices raise, checked on every platform alike.
#include <gtest/gtest.h>

#include "contract/contract_harness.h"

using namespace platform;

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
    // Each panel follows its own key: every other one on, then the other way round; all off.
    for (int round : {0, 1, 2}) {
        auto on = [round](int i) { return round < 2 && (i + round) % 2 == 0; };
        for (int i = 0; i < 4; ++i)
            SwitchLockKeyAsUser(bar, keys[i], on(i));
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(bar.PanelEnabled(i + 1), on(i)) << i << " round " << round;
    }
    form->Unload();
}

TEST(UserInputContract, APopupMenuRunsTheChosenItemButNotADisabledOne) {
    auto def = [](const char* name, const char* caption) {
        MenuItemDef made;
        made.name = name;
        made.caption = caption;
        return made;
    };
    MenuItemDef top = def("mnuPop", "(pop)");
    top.children = {def("mnuPopAlpha", "&Alpha"), def("mnuPopSepar", "-"),
                    def("mnuPopBeta", "&Beta"), def("mnuPopGamma", "&Gamma")};
    std::vector<std::string> ran;
    auto menu = ContractPlatform().CreateMenu(
        {top}, [&](const std::string& name, int) { ran.push_back(name); });
    auto owner = ContractPlatform().CreateForm(OneControlForm(ControlKind::PictureBox, "pic"));
    menu->SetEnabled("mnuPopBeta", false);
    for (const char* item : {"mnuPopGamma", "mnuPopBeta"}) {
        auto choice = ChooseInNextPopup(*menu, item);
        ContractPlatform().Desktop().PopupMenu(*owner, *menu, "mnuPop", "mnuPopAlpha");
    }
    EXPECT_EQ(ran, std::vector<std::string>{"mnuPopGamma"});
    owner->Unload();
}
