// Files given on the command line.
#include "app/app_fixture.h"

using platform::WindowState;

class CommandLineTest : public AppTest {
  protected:
    void SetUp() override {
        platform.files.files["C:\\a b.txt"] = "first";
        platform.files.files["C:\\WORK\\c.txt"] = "second\r\nline";
        platform.files.folders.insert("C:\\folder");
    }
    std::vector<std::string> Captions() {
        std::vector<std::string> captions;
        for (core::Document* doc : app.OpenDocuments())
            captions.push_back(doc->form().Caption());
        return captions;
    }
};

TEST_F(CommandLineTest, QuotedNameWithBlankAndPlainNameOpenTwoWindows) {
    Start("\"C:\\a b.txt\" c.txt");
    ASSERT_EQ(Count(), 2);
    core::Document* first = app.registry.Window(1);
    core::Document* second = app.registry.Window(2);
    EXPECT_EQ(first->form().Caption(), "a b.txt");
    EXPECT_EQ(first->Text1().Text(), "first");
    EXPECT_EQ(first->StatusBar1().PanelText(4), "C:\\a b.txt");
    EXPECT_EQ(second->form().Caption(), "c.txt");
    EXPECT_EQ(second->Text1().Text(), "second\r\nline");
    EXPECT_EQ(first->form().State(), WindowState::Normal);
    EXPECT_EQ(second->form().State(), WindowState::Normal);
    // Loaded whole, not modified: text present and in-place save allowed.
    EXPECT_EQ(second->Text1().Tag(), "5");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(CommandLineTest, BadInputMakesNoEmptyWindows) {
    struct Case {
        const char* args;
        std::vector<std::string> captions;
        size_t messages;
    };
    const Case cases[] = {
        {"   ", {"Untitled"}, 0},           {"\"\"", {"Untitled"}, 0},
        {"\"   \"", {"Untitled"}, 0},       {"C:\\folder", {"Untitled"}, 0},
        {"c.txt C:\\folder", {"c.txt"}, 0}, {"C:\\folder c.txt", {"c.txt"}, 0},
        {"missing.txt", {"Untitled"}, 1},   {"c.txt missing.txt", {"c.txt"}, 1},
        {"\"C:\\a b.txt", {"a b.txt"}, 0}, // the unbalanced quote runs to the end
        {"\"c.txt", {"c.txt"}, 0},
    };
    for (const auto& c : cases) {
        fake::FakePlatform p;
        p.files = platform.files;
        p.commandLine = c.args;
        app::App a(p);
        a.Start();
        p.frame->onActivate();
        std::vector<std::string> captions;
        for (core::Document* doc : a.OpenDocuments())
            captions.push_back(doc->form().Caption());
        EXPECT_EQ(captions, c.captions) << c.args;
        EXPECT_EQ(p.messages.size(), c.messages) << c.args;
    }
}

TEST_F(CommandLineTest, MissingNameIsNamedInItsMessage) {
    Start("nowhere.txt");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find("nowhere.txt"), std::string::npos);
    EXPECT_EQ(platform.messages[0].title, "Scrivex");
}

TEST_F(CommandLineTest, HandledOnlyOnTheFirstActivation) {
    Start("c.txt");
    frame().onActivate();
    EXPECT_EQ(Count(), 1);
}

TEST_F(CommandLineTest, StopsAtTheWindowLimit) {
    std::string args;
    for (int i = 0; i < 70; ++i)
        args += "c.txt ";
    Start(args);
    EXPECT_EQ(Count(), 64);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Scrivex");
}
