// The document status bar's panels.
#include "app/app_fixture.h"
#include "files/status_bar.h"
#include "platform/errors.h"

TEST_F(AppTest, CaretPanelsFollowTheCaret) {
    struct Case {
        const char* text;
        int caret;
        const char* line;
        const char* column;
        const char* position;
    };
    const Case cases[] = {
        {"", 0, "Ln1 /1", "Col1 /0", "Pos0"},
        {"hello", 0, "Ln1 /1", "Col1 /5", "Pos0"},
        {"hello", 5, "Ln1 /1", "Col6 /5", "Pos5"},
        {"abcde\r\nfghij\r\nklmno", 19, "Ln3 /3", "Col6 /5", "Pos19"},
        {"abcde\r\nfghij\r\nklmno", 7, "Ln2 /3", "Col1 /5", "Pos7"},
        {"abcde\r\n\r\n", 9, "Ln3 /3", "Col1 /0", "Pos9"},
    };
    Start();
    auto& text1 = Text1(Active());
    for (const auto& c : cases) {
        text1.SetText(c.text);
        text1.SetSelStart(c.caret);
        text1.KeyUp(platform::key::Right);
        auto& bar = Active()->StatusBar1();
        EXPECT_EQ(bar.PanelText(1), c.line) << c.text << " @" << c.caret;
        EXPECT_EQ(bar.PanelText(2), c.column) << c.text << " @" << c.caret;
        EXPECT_EQ(bar.PanelText(3), c.position) << c.text << " @" << c.caret;
    }
}

TEST_F(AppTest, ClickRefreshesTheCaretPanels) {
    Start();
    auto& text1 = Text1(Active());
    text1.SetText("ab\r\ncd");
    text1.SetSelStart(5);
    EXPECT_EQ(Active()->StatusBar1().PanelText(3), "");
    text1.Click();
    EXPECT_EQ(Active()->StatusBar1().PanelText(1), "Ln2 /2");
    EXPECT_EQ(Active()->StatusBar1().PanelText(2), "Col2 /2");
}

TEST(StatusBar, KilobyteTooltip) {
    struct Case {
        std::int64_t bytes;
        const char* decimal;
        const char* thousands;
        const char* expected;
    };
    const Case cases[] = {
        {0, ".", ",", ".0 kB"},
        {1536, ".", ",", "1.5 kB"},
        {1234, ".", ",", "1.21 kB"},
        {1024, ".", ",", "1.0 kB"},
        {5, ".", ",", ".0 kB"},  // 0.0049 rounds to .0
        {6, ".", ",", ".01 kB"}, // 0.0059 rounds to .01
        {1023, ".", ",", "1.0 kB"},
        {65535, ".", ",", "64.0 kB"},
        {1024000, ".", ",", "1,000.0 kB"},
        {1024LL * 1234567, ".", ",", "1,234,567.0 kB"},
        {1024000, ",", ".", "1.000,0 kB"},
        {1024000, ",", "\xA0",
         "1\xA0"
         "000,0 kB"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(files::FormatKilobytes(c.bytes, c.decimal, c.thousands), c.expected) << c.bytes;
}

TEST_F(AppTest, FileInfoSetsCaptionPathAndSize) {
    platform.files.files["C:\\dir\\notes.txt"] = std::string(1234, 'x');
    Start();
    files::ShowFileInfo(app, *Active(), "C:\\dir\\notes.txt", "notes.txt");
    auto& bar = Active()->StatusBar1();
    EXPECT_EQ(Active()->form().Caption(), "notes.txt");
    EXPECT_EQ(bar.PanelText(4), "C:\\dir\\notes.txt");
    EXPECT_EQ(bar.PanelTooltip(4), "C:\\dir\\notes.txt");
    EXPECT_EQ(bar.PanelText(5), "1234 Bytes ");
    EXPECT_EQ(bar.PanelTooltip(5), "1.21 kB");

    try {
        files::ShowFileInfo(app, *Active(), "C:\\gone.txt", "gone.txt");
        FAIL() << "a missing file must raise an error";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.Number(), 53);
    }
}

TEST_F(AppTest, FrameStatusBarHasItsSevenPanels) {
    Start();
    auto& bar = app.frame().StatusBar1();
    ASSERT_EQ(bar.PanelCount(), 7);
    EXPECT_EQ(bar.PanelText(1), "Scrivex - Ultimate MDI Text Editor");
    const char* tips[] = {"", "Date", "Time", "Insert", "Caps Lock", "Num Lock", "Scroll Lock"};
    for (int p = 1; p <= 7; ++p)
        EXPECT_EQ(bar.PanelTooltip(p), tips[p - 1]);
    EXPECT_EQ(bar.PanelText(5), "CAPS");
}
