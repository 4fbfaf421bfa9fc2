// List box with check boxes, drop-down list, check box and status bar panels, checked on
// every platform alike.
#include <gtest/gtest.h>

#include "contract/contract_harness.h"

using namespace platform;

namespace {
ControlDef MakeControl(ControlKind kind, const char* name, const char* caption, int left, int top,
                       int width, int height) {
    ControlDef c;
    c.kind = kind;
    c.name = name;
    c.caption = caption;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    return c;
}
} // namespace

class ControlsContract : public ::testing::Test {
  protected:
    void SetUp() override {
        FormDef def;
        def.kind = FormKind::Tool;
        def.name = "frmControls";
        def.width = 6000;
        def.height = 4000;
        def.controls = {
            MakeControl(ControlKind::ListBox, "lstResult", "", 0, 0, 4000, 2000),
            MakeControl(ControlKind::ComboList, "cmbVars", "", 0, 2100, 600, 345),
            MakeControl(ControlKind::CheckBox, "chkCase", "Case", 0, 2600, 1500, 300),
            MakeControl(ControlKind::Label, "Label1", "Expression :", 0, 3000, 1500, 255),
            MakeControl(ControlKind::Image, "imgScrivexIcon", "", 4200, 3000, 480, 480),
        };
        def.controls[0].checkBoxes = true;
        def.controls[1].items = {"x", "y", "z"};
        ControlDef bar;
        bar.kind = ControlKind::StatusBar;
        bar.name = "StatusBar1";
        bar.panels = {{PanelStyle::Text, "first", "", 1050, PanelSize::Contents, PanelAlign::Center,
                       PanelBevel::Raised},
                      {PanelStyle::Text, "", "", 3000, PanelSize::Spring, PanelAlign::Left,
                       PanelBevel::Inset},
                      {PanelStyle::Insert, "INS", "Insert", 0, PanelSize::Contents,
                       PanelAlign::Center, PanelBevel::Inset},
                      {PanelStyle::Caps, "CAPS", "Caps Lock", 0, PanelSize::Contents,
                       PanelAlign::Center, PanelBevel::Inset},
                      {PanelStyle::Date, "", "Date", 1000, PanelSize::Contents, PanelAlign::Center,
                       PanelBevel::Inset}};
        def.controls.push_back(bar);
        form = ContractPlatform().CreateForm(def);
    }
    void TearDown() override { form->Unload(); }
    std::unique_ptr<Form> form;
};

TEST_F(ControlsContract, ListBoxKeepsTextDataAndCheckMarksTogether) {
    auto& list = form->Get<ListBox>("lstResult");
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.ListIndex(), -1);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(list.AddItem("item " + std::to_string(i)), i);
        list.SetItemData(i, 1000 + i);
        list.SetChecked(i, i % 2 == 0);
    }
    ASSERT_EQ(list.Count(), 5);
    list.RemoveItem(1);
    ASSERT_EQ(list.Count(), 4);
    struct Row {
        const char* text;
        std::intptr_t data;
        bool checked;
    };
    const Row rows[] = {{"item 0", 1000, true},
                        {"item 2", 1002, true},
                        {"item 3", 1003, false},
                        {"item 4", 1004, true}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(list.Item(i), rows[i].text);
        EXPECT_EQ(list.ItemData(i), rows[i].data);
        EXPECT_EQ(list.Checked(i), rows[i].checked);
    }
    EXPECT_EQ(list.Item(4), "");
    EXPECT_EQ(list.Item(-1), "");
    list.SetItem(2, "renamed");
    EXPECT_EQ(list.Item(2), "renamed");
    EXPECT_EQ(list.ItemData(2), 1003);
    EXPECT_FALSE(list.Checked(2));
    list.SetListIndex(3);
    EXPECT_EQ(list.ListIndex(), 3);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.ListIndex(), -1);
}

TEST_F(ControlsContract, ListBoxHoldsManyItems) {
    auto& list = form->Get<ListBox>("lstResult");
    for (int i = 0; i < 3000; ++i) {
        list.AddItem(std::to_string(i));
        list.SetItemData(i, i * 7);
    }
    EXPECT_EQ(list.Count(), 3000);
    EXPECT_EQ(list.Item(2999), "2999");
    EXPECT_EQ(list.ItemData(2999), 2999 * 7);
}

TEST_F(ControlsContract, ComboListAndCheckBoxReportChoices) {
    auto& combo = form->Get<ComboList>("cmbVars");
    int picks = 0;
    combo.onClick = [&] { ++picks; };
    EXPECT_EQ(combo.Count(), 3);
    EXPECT_EQ(combo.ListIndex(), -1);
    combo.SetListIndex(1);
    EXPECT_EQ(combo.ListIndex(), 1);
    EXPECT_EQ(picks, 1);

    auto& check = form->Get<CheckBox>("chkCase");
    int clicks = 0;
    check.onClick = [&] { ++clicks; };
    EXPECT_FALSE(check.Value());
    check.SetValue(true);
    EXPECT_TRUE(check.Value());
    EXPECT_EQ(clicks, 1);
    check.SetValue(false);
    EXPECT_FALSE(check.Value());
    EXPECT_EQ(clicks, 2);

    auto& label = form->Get<Label>("Label1");
    EXPECT_EQ(label.Caption(), "Expression :");
    label.SetCaption("Result :");
    EXPECT_EQ(label.Caption(), "Result :");
}

TEST_F(ControlsContract, StatusBarPanels) {
    auto& bar = form->Get<StatusBar>("StatusBar1");
    ASSERT_EQ(bar.PanelCount(), 5);
    EXPECT_EQ(bar.PanelText(1), "first");
    bar.SetPanelText(1, "Ln12 /340");
    bar.SetPanelText(2, "C:\\some folder\\file.txt");
    bar.SetPanelTooltip(2, "C:\\some folder\\file.txt");
    EXPECT_EQ(bar.PanelText(1), "Ln12 /340");
    EXPECT_EQ(bar.PanelText(2), "C:\\some folder\\file.txt");
    EXPECT_EQ(bar.PanelTooltip(2), "C:\\some folder\\file.txt");
    EXPECT_EQ(bar.PanelTooltip(1), "");
    // Panels that keep themselves current.
    EXPECT_EQ(bar.PanelText(3), "INS");
    EXPECT_EQ(bar.PanelText(4), "CAPS");
    EXPECT_EQ(bar.PanelTooltip(4), "Caps Lock");
    EXPECT_FALSE(bar.PanelText(5).empty());
    EXPECT_GT(bar.Height(), 0);
}

TEST_F(ControlsContract, WindowsStartWithTheProgramIconAndImagesShowWhatTheyAreGiven) {
    const IconHandle icon = form->Icon();
    EXPECT_NE(icon, 0u);
    auto& image = form->Get<Image>("imgScrivexIcon");
    EXPECT_EQ(image.Picture(), 0u);
    image.SetPicture(icon);
    EXPECT_EQ(image.Picture(), icon);
    // The image keeps its size whatever the icon's.
    EXPECT_EQ(image.Width(), 480);
    EXPECT_EQ(image.Height(), 480);

    FormDef otherDef;
    otherDef.kind = FormKind::Tool;
    otherDef.name = "frmOther";
    auto other = ContractPlatform().CreateForm(otherDef);
    other->SetIcon(icon);
    EXPECT_EQ(other->Icon(), icon);
    other->Unload();
}

// A tool window lasts the whole run: its close box hides it, as its hide button would.
TEST(FormsContract, AToolWindowsCloseBoxHidesItAndItShowsAgain) {
    auto form = ContractPlatform().CreateForm(OneControlForm(ControlKind::MultiLineBox, "Text1"));
    form->Get<TextBox>("Text1").SetText("kept");
    form->Show();
    CloseBoxAsUser(*form);
    EXPECT_TRUE(form->Loaded());
    EXPECT_FALSE(form->Visible());
    form->Show();
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(form->Get<TextBox>("Text1").Text(), "kept");
    form->Unload();
}
