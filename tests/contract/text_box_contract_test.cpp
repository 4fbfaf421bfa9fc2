// What the program relies on in a text box, checked on every platform alike.
#include <gtest/gtest.h>

#include "contract/contract_harness.h"
#include "platform/keys.h"
#include "platform/messages.h"

namespace msg = platform::msg;

class TextBoxContract : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::FormDef def = OneControlForm(platform::ControlKind::MultiLineBox, "Text1");
        def.controls[0].font = platform::FontDef{};
        form = ContractPlatform().CreateForm(def);
        text1 = &form->Get<platform::TextBox>("Text1");
        text1->onChange = [this] { ++changes; };
    }
    void TearDown() override { form->Unload(); }
    std::intptr_t Send(unsigned m, std::uintptr_t w) { return text1->SendMessage(m, w, 0); }

    std::unique_ptr<platform::Form> form;
    platform::TextBox* text1 = nullptr;
    int changes = 0;
};

TEST_F(TextBoxContract, ProgramWritesRaiseOneChangeEach) {
    text1->SetText("hello world");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(text1->Text(), "hello world");
    text1->SetSelStart(6);
    text1->SetSelLength(5);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(text1->SelText(), "world");
    text1->SetSelText("there!");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(text1->Text(), "hello there!");
    // The caret stands after the insert, nothing selected.
    EXPECT_EQ(text1->SelStart(), 12);
    EXPECT_EQ(text1->SelLength(), 0);
    text1->SetSelText("?");
    EXPECT_EQ(text1->Text(), "hello there!?");
    EXPECT_EQ(changes, 3);
}

TEST_F(TextBoxContract, SelStartMovesTheCaretAndClearsTheSelection) {
    text1->SetText("abcdef");
    text1->SetSelStart(1);
    text1->SetSelLength(3);
    EXPECT_EQ(text1->SelText(), "bcd");
    text1->SetSelStart(2);
    EXPECT_EQ(text1->SelStart(), 2);
    EXPECT_EQ(text1->SelLength(), 0);
    EXPECT_EQ(text1->SelText(), "");
    text1->SetSelStart(100);
    EXPECT_EQ(text1->SelStart(), 6);
    text1->SetSelStart(0);
    text1->SetSelLength(100);
    EXPECT_EQ(text1->SelLength(), 6);
}

TEST_F(TextBoxContract, TextWithNulKeepsWhatStandsBeforeIt) {
    std::string text = "123456789";
    text += '\0';
    text += "after";
    text1->SetText(text);
    EXPECT_EQ(text1->Text(), "123456789");
    EXPECT_EQ(text1->Text().size(), 9u);
}

TEST_F(TextBoxContract, LineMessages) {
    struct Case {
        const char* text;
        int lineCount;
        std::vector<std::pair<int, int>> lineOf;   // offset, line
        std::vector<std::pair<int, int>> lengthAt; // offset, line length
    };
    const Case cases[] = {
        {"", 1, {{0, 0}}, {{0, 0}}},
        {"abc", 1, {{0, 0}, {3, 0}}, {{0, 3}, {3, 3}}},
        {"abcde\r\nfg\r\n",
         3,
         {{0, 0}, {5, 0}, {6, 0}, {7, 1}, {9, 1}, {10, 1}, {11, 2}},
         {{0, 5}, {6, 5}, {7, 2}, {10, 2}, {11, 0}}}, // 6 and 10: between CR and LF
        {"a\r\n\r\nb", 3, {{2, 0}, {3, 1}, {4, 1}, {5, 2}}, {{2, 1}, {3, 0}, {4, 0}, {5, 1}}},
    };
    for (const auto& c : cases) {
        text1->SetText(c.text);
        EXPECT_EQ(Send(msg::EM_GETLINECOUNT, 0), c.lineCount) << c.text;
        for (auto [offset, line] : c.lineOf)
            EXPECT_EQ(Send(msg::EM_LINEFROMCHAR, offset), line) << c.text << " @" << offset;
        for (auto [offset, length] : c.lengthAt)
            EXPECT_EQ(Send(msg::EM_LINELENGTH, offset), length) << c.text << " @" << offset;
    }
}

TEST_F(TextBoxContract, DeleteKeyAndUndo) {
    text1->SetText("abcdef");
    text1->SetSelStart(2);
    Send(msg::WM_KEYDOWN, platform::key::Delete);
    EXPECT_EQ(text1->Text(), "abdef");
    EXPECT_EQ(changes, 2);
    text1->SetSelStart(1);
    text1->SetSelLength(2);
    Send(msg::WM_KEYDOWN, platform::key::Delete);
    EXPECT_EQ(text1->Text(), "aef");
    EXPECT_EQ(text1->SelStart(), 1);
    text1->SetSelStart(3);
    Send(msg::WM_KEYDOWN, platform::key::Delete); // nothing after the caret
    EXPECT_EQ(text1->Text(), "aef");

    text1->SetSelStart(3);
    text1->SetSelText("gh");
    EXPECT_EQ(text1->Text(), "aefgh");
    int before = changes;
    Send(msg::WM_UNDO, 0);
    EXPECT_EQ(text1->Text(), "aef");
    EXPECT_GT(changes, before);
}

TEST_F(TextBoxContract, TheBoxsOwnPasteKeepsWhatFitsUnlessTheProgramPastesInstead) {
    const size_t capacity = platform::kMultiLineCapacity;
    OtherProgramPutsText("pasted");
    text1->SetText(std::string(capacity - 3, 'x'));
    text1->SetSelStart(1);
    PasteAsUser(*text1);
    EXPECT_EQ(text1->Text().size(), capacity);
    EXPECT_EQ(text1->Text().substr(0, 5), "xpasx");

    int asked = 0;
    text1->onPaste = [&] { ++asked; };
    text1->SetText("abc");
    const int before = changes;
    PasteAsUser(*text1);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(text1->Text(), "abc");
    EXPECT_EQ(changes, before);
}
