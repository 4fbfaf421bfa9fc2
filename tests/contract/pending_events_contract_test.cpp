// Input that arrives while the program is busy waits until the program lets events run.
#include <gtest/gtest.h>

#include "contract/contract_harness.h"

class PendingEventsContract : public ::testing::Test {
  protected:
    void SetUp() override {
        form = ContractPlatform().CreateForm(
            OneControlForm(platform::ControlKind::MultiLineBox, "Text1"));
        text1 = &form->Get<platform::TextBox>("Text1");
        text1->onChange = [this] { seen.push_back(text1->Text()); };
    }
    void TearDown() override { form->Unload(); }

    std::unique_ptr<platform::Form> form;
    platform::TextBox* text1 = nullptr;
    std::vector<std::string> seen; // the text at each change event
};

TEST_F(PendingEventsContract, TypingWaitsUntilEventsRunThenChangesOneCharacterAtATime) {
    text1->SetText("ab");
    text1->SetSelStart(1);
    seen.clear();
    QueueTyping(*text1, "XY");
    // Nothing happens while the program does not let events run.
    EXPECT_EQ(text1->Text(), "ab");
    EXPECT_TRUE(seen.empty());
    ContractPlatform().DoEvents();
    EXPECT_EQ(text1->Text(), "aXYb");
    EXPECT_EQ(seen, (std::vector<std::string>{"aXb", "aXYb"}));
    EXPECT_EQ(text1->SelStart(), 3);
    // Nothing is left waiting: letting events run again changes nothing.
    ContractPlatform().DoEvents();
    EXPECT_EQ(seen.size(), 2u);
}

TEST_F(PendingEventsContract, TypingOverASelectionReplacesIt) {
    text1->SetText("hello world");
    text1->SetSelStart(6);
    text1->SetSelLength(5);
    QueueTyping(*text1, "!");
    ContractPlatform().DoEvents();
    EXPECT_EQ(text1->Text(), "hello !");
}
