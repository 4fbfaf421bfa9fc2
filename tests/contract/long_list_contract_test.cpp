// A list with check boxes holds, shows and reports items past 32,767 and past 65,535: the
// result list of a one-character search in a full document has 65,538 lines.
#include <gtest/gtest.h>

#include "contract/contract_harness.h"

class LongListContract : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::FormDef def;
        def.kind = platform::FormKind::Tool;
        def.name = "frmLongList";
        def.width = 4935;
        def.height = 2610;
        platform::ControlDef list;
        list.kind = platform::ControlKind::ListBox;
        list.name = "List1";
        list.width = 4935;
        list.height = 2610;
        list.checkBoxes = true;
        def.controls.push_back(list);
        form = ContractPlatform().CreateForm(def);
        list1 = &form->Get<platform::ListBox>("List1");
    }
    void TearDown() override { form->Unload(); }

    std::unique_ptr<platform::Form> form;
    platform::ListBox* list1 = nullptr;
};

TEST_F(LongListContract, ItemsPast65535KeepTheirIndexTextDataAndCheckMark) {
    constexpr int kItems = 70000;
    std::vector<int> toggled;
    list1->onItemCheck = [&](int index) { toggled.push_back(index); };
    for (int i = 0; i < kItems; ++i) {
        const int index = list1->AddItem(std::to_string(i) + "\tx");
        ASSERT_EQ(index, i);
        list1->SetItemData(index, i - 3);
        if (i % 2 == 0) list1->SetChecked(index, true);
    }
    EXPECT_EQ(list1->Count(), kItems);
    for (int i : {0, 32767, 32768, 40001, 65535, 65536, kItems - 1}) {
        EXPECT_EQ(list1->Item(i), std::to_string(i) + "\tx") << i;
        EXPECT_EQ(list1->ItemData(i), i - 3) << i;
        EXPECT_EQ(list1->Checked(i), i % 2 == 0) << i;
    }
    // The program's own changes raise no item-check event.
    EXPECT_TRUE(toggled.empty());
    list1->SetChecked(65537, true);
    EXPECT_TRUE(list1->Checked(65537));
    list1->SetListIndex(kItems - 1);
    EXPECT_EQ(list1->ListIndex(), kItems - 1);
    list1->SetListIndex(40000);
    EXPECT_EQ(list1->ListIndex(), 40000);
    list1->Clear();
    EXPECT_EQ(list1->Count(), 0);
    EXPECT_EQ(list1->ListIndex(), -1);
}
