// Files and text dropped on a document window's edit control and on the frame's empty area.
#include <gtest/gtest.h>

#include "app/app_fixture.h"
#include "desktop/drops.h"

namespace {

class DropTest : public AppTest {
  protected:
    void SetUp() override {
        Start();
        for (const char* name : {"a", "b", "c"})
            platform.files.files[std::string("C:\\") + name + ".txt"] = std::string("text ") + name;
        platform.files.folders.insert("C:\\folder");
    }
    static platform::DropData Files(std::vector<std::string> files) {
        return platform::DropData{true, std::move(files), false, ""};
    }
    static platform::DropData Text(std::string text) { return {false, {}, true, std::move(text)}; }
    void DropOn(core::Document* doc, const platform::DropData& data) {
        ASSERT_TRUE(doc->Text1().onDrop);
        doc->Text1().onDrop(data);
    }
    void DropOnFrame(const platform::DropData& data) {
        ASSERT_TRUE(frame().onDrop);
        frame().onDrop(data);
    }
    // Each open window's text, in slot order.
    std::vector<std::string> Texts() {
        std::vector<std::string> texts;
        for (core::Document* doc : app.OpenDocuments())
            texts.push_back(doc->Text1().Text());
        return texts;
    }
};

TEST_F(DropTest, FilesOnAModifiedDocumentAskFirstThenOneWindowEach) {
    Text1(Active()).Type("mine");
    platform.answers = {platform::Answer::No};
    DropOn(Active(), Files({"C:\\a.txt", "C:\\b.txt", "C:\\c.txt"}));
    ASSERT_EQ(platform.messages.size(), 1u); // the save question
    EXPECT_EQ(Texts(), (std::vector<std::string>{"text a", "text b", "text c"}));

    // Cancel keeps the document; the other files still get their windows.
    Text1(Active()).Type("!");
    platform.answers = {platform::Answer::Cancel};
    DropOn(Active(), Files({"C:\\a.txt", "C:\\b.txt"}));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"text a", "text b", "!text c", "text b"}));
}

TEST_F(DropTest, FilesOnTheFrameOpenInNewWindowsFoldersGetNone) {
    DropOnFrame(Files({"C:\\a.txt", "C:\\b.txt", "C:\\c.txt"}));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"", "text a", "text b", "text c"}));

    DropOnFrame(Files({"C:\\folder"})); // one new empty window, nothing in it
    EXPECT_EQ(Count(), 5);
    EXPECT_EQ(Texts().back(), "");

    DropOn(Active(), Files({"C:\\folder"})); // changes nothing
    EXPECT_EQ(Count(), 5);

    DropOn(Active(), Files({"C:\\a.txt", "C:\\b.txt", "C:\\folder"}));
    EXPECT_EQ(Count(), 7); // the window made for the folder stays empty
    EXPECT_EQ(Texts().back(), "");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DropTest, TextGoesInAtTheCaretOrOverTheSelectionAndNotOnTheFrame) {
    auto& text1 = Text1(Active());
    text1.Type("hello world");
    text1.SetSelStart(6);
    text1.SetSelLength(5);
    DropOn(Active(), Text("there"));
    EXPECT_EQ(text1.Text(), "hello there");
    text1.SetSelStart(0);
    DropOn(Active(), Text(">"));
    EXPECT_EQ(text1.Text(), ">hello there");
    DropOnFrame(Text("ignored"));
    EXPECT_EQ(Count(), 1);

    // Files and text together: the text lands in the window of the last file.
    platform.answers = {platform::Answer::No};
    DropOn(Active(), platform::DropData{true, {"C:\\a.txt", "C:\\b.txt"}, true, "+"});
    EXPECT_EQ(Texts(), (std::vector<std::string>{"text a", "+text b"}));
}

TEST_F(DropTest, MoreFilesThanFreeWindowsStopAtTheLimitMessageOnce) {
    while (Count() < 62)
        app.NewDocument();
    DropOnFrame(Files({"C:\\a.txt", "C:\\b.txt", "C:\\c.txt", "C:\\a.txt", "C:\\b.txt"}));
    EXPECT_EQ(Count(), 64);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "Are you crazy? You need more\r\nthan 64 text windows...?");
    std::vector<std::string> texts = Texts();
    EXPECT_EQ(texts[62], "text a");
    EXPECT_EQ(texts[63], "text b");
}

TEST_F(DropTest, EmptyListsAndUnknownNamesDoNoHarm) {
    DropOnFrame(Files({}));
    DropOn(Active(), Files({}));
    EXPECT_EQ(Count(), 1);
    EXPECT_TRUE(platform.messages.empty());
    // A name that no longer exists (or came out of the code page as '?') gets the report;
    // Ignore goes on with the next name.
    platform.answers.assign(4, platform::Answer::Ignore);
    DropOnFrame(Files({"C:\\gone?.txt", "C:\\a.txt"}));
    EXPECT_FALSE(platform.messages.empty());
    EXPECT_EQ(Texts().back(), "text a");
}

} // namespace

namespace {

TEST_F(DropTest, TheWindowDroppedOnBecomesActiveAndTakesTheFirstFile) {
    app.NewDocument();
    core::Document* first = app.OpenDocuments()[0];
    ASSERT_NE(Active(), first);
    DropOn(first, Files({"C:\\a.txt"}));
    EXPECT_EQ(Active(), first);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"text a", ""}));
}

} // namespace
