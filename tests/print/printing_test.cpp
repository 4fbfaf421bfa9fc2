// The print commands on the fake printer: the page range, one job per document in slot
// order, "Printer error" stopping Print all, and the printer dialog's choices.
#include <gtest/gtest.h>

#include "../app/app_fixture.h"
#include "platform/errors.h"

namespace {

class Printing : public AppTest {
  protected:
    void SetUp() override { Start(); }
    core::Document* Slot(int slot) { return app.registry.Window(slot); }
    bool Choose(const char* item) { return frame().ChooseMenu(item); }
    std::vector<std::string> Titles() {
        std::vector<std::string> titles;
        for (const auto& job : platform.printer.jobs)
            titles.push_back(job.title);
        return titles;
    }
    // Opens documents with these texts, captions "doc1".. in slot order.
    void OpenDocuments(const std::vector<std::string>& texts) {
        for (size_t i = 0; i < texts.size(); ++i) {
            if (i > 0) app.NewDocument();
            Active()->form().SetCaption("doc" + std::to_string(i + 1));
            Active()->Text1().SetText(texts[i]);
        }
    }
};

} // namespace

TEST_F(Printing, PrintChoosesTheSelectionOnlyWithThePageRangeSelection) {
    OpenDocuments({"first line\r\nsecond line"});
    fake::FakeTextBox& text = Text1(Active());
    struct Case {
        const char* what;
        bool select;
        std::optional<fake::PrinterChoice> preferences; // nullopt: no printer dialog
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"no selection, page range All", false, std::nullopt, {"first line", "second line"}},
        {"no selection, page range Selection",
         false,
         fake::PrinterChoice{"", true},
         {"first line", "second line"}},
        {"a selection, page range Selection", true, fake::PrinterChoice{"", true}, {"second"}},
        {"a selection, page range All: the whole text",
         true,
         fake::PrinterChoice{"", false},
         {"first line", "second line"}},
    };
    for (const Case& c : cases) {
        if (c.preferences) {
            platform.printerAnswers = {*c.preferences};
            ASSERT_TRUE(Choose("mnuFilePrintProperties"));
        }
        text.SetSelStart(0);
        if (c.select) {
            text.SetSelStart(12);
            text.SetSelLength(6);
        }
        platform.printer.jobs.clear();
        ASSERT_TRUE(frame().PressShortcut(platform::Ctrl('P'))) << c.what;
        ASSERT_EQ(platform.printer.jobs.size(), 1u) << c.what;
        EXPECT_TRUE(platform.printer.jobs[0].ended) << c.what;
        EXPECT_EQ(platform.printer.jobs[0].Lines(), c.expected) << c.what;
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Printing, CancelInThePrinterDialogKeepsThePrinterAndResetsThePageRange) {
    OpenDocuments({"abc def"});
    platform.printerAnswers = {fake::PrinterChoice{"Laser", true}, std::nullopt};
    ASSERT_TRUE(Choose("mnuFilePrintProperties"));
    EXPECT_EQ(platform.printer.current, "Laser");
    EXPECT_EQ(platform.printer.settings, "settings of Laser");
    ASSERT_TRUE(Choose("mnuFilePrintProperties")); // cancelled
    EXPECT_EQ(platform.printer.current, "Laser");
    EXPECT_EQ(platform.dialogs.back().kind, "Printer");
    EXPECT_EQ(platform.dialogs.back().flags, 0x80008);
    EXPECT_TRUE(platform.messages.empty());

    // The page range is All again: a selection prints the whole text.
    Text1(Active()).SetSelStart(4);
    Text1(Active()).SetSelLength(3);
    ASSERT_TRUE(Choose("mnuFilePrint"));
    ASSERT_EQ(platform.printer.jobs.size(), 1u);
    EXPECT_EQ(platform.printer.jobs[0].Lines(), std::vector<std::string>{"abc def"});
    EXPECT_EQ(platform.printer.jobs[0].printer, "Laser");
}

TEST_F(Printing, PrintAllMakesOneJobPerDocumentInSlotOrderInThePrinterFont) {
    OpenDocuments({"one", "two", "three", "four"});
    Slot(2)->form().Unload(); // closed without its save question
    app.NewDocument();        // takes slot 2
    Active()->form().SetCaption("new2");
    Active()->Text1().SetText("new");
    Text1(Slot(1)).SetSelStart(1);
    Text1(Slot(1)).SetSelLength(1); // plays no part
    platform.printer.font.name = "Times New Roman";

    ASSERT_TRUE(Choose("mnuFilePrintAll"));

    EXPECT_EQ(Titles(), (std::vector<std::string>{"doc1", "new2", "doc3", "doc4"}));
    EXPECT_EQ(platform.printer.jobs[0].Lines(), std::vector<std::string>{"one"});
    for (const auto& job : platform.printer.jobs) {
        EXPECT_TRUE(job.ended) << job.title;
        EXPECT_EQ(job.font.name, "Times New Roman") << job.title;
    }
}

TEST_F(Printing, APrinterErrorShowsItsMessageOnceAndStopsPrintAll) {
    OpenDocuments({"one", "two", "three", "four"});
    struct Case {
        const char* op;
        int nth;
    };
    // The second job fails at its start, halfway through its text, or when handed over.
    for (Case c : {Case{"StartJob", 2}, Case{"Text", 2}, Case{"EndJob", 2}}) {
        platform.printer.jobs.clear();
        platform.messages.clear();
        platform.printer.Fail(c.op, c.nth);
        ASSERT_TRUE(Choose("mnuFilePrintAll")) << c.op;

        ASSERT_EQ(platform.messages.size(), 1u) << c.op;
        EXPECT_EQ(platform.messages[0].text, "Printer error");
        EXPECT_EQ(platform.messages[0].title, "Scrivex");
        EXPECT_EQ(platform.messages[0].style, platform::mb::Critical);
        ASSERT_GE(platform.printer.jobs.size(), 1u) << c.op;
        EXPECT_TRUE(platform.printer.jobs[0].ended) << c.op;
        // No job after the failed one, and a started job is given up, not left open.
        for (size_t i = 1; i < platform.printer.jobs.size(); ++i) {
            EXPECT_EQ(platform.printer.jobs[i].title, "doc2") << c.op;
            EXPECT_FALSE(platform.printer.jobs[i].ended && c.op != std::string("EndJob"));
        }
        EXPECT_LE(platform.printer.jobs.size(), 2u) << c.op;
    }
}

TEST_F(Printing, APrinterErrorInPrintShowsTheMessageAndLeavesNoJobOpen) {
    OpenDocuments({"text"});
    platform.printer.Fail("StartPage");
    ASSERT_TRUE(Choose("mnuFilePrint"));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Printer error");
    ASSERT_EQ(platform.printer.jobs.size(), 1u);
    EXPECT_TRUE(platform.printer.jobs[0].aborted);
    EXPECT_FALSE(platform.printer.jobs[0].ended);
}

TEST_F(Printing, LongDocumentsFillSeveralPagesOfOneJob) {
    std::string text;
    for (int i = 1; i <= 130; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    text += std::string(200, 'x'); // wraps onto three lines of 80
    OpenDocuments({text});
    ASSERT_TRUE(Choose("mnuFilePrint"));
    ASSERT_EQ(platform.printer.jobs.size(), 1u);
    const auto& job = platform.printer.jobs[0];
    ASSERT_EQ(job.pages.size(), 3u); // 60 lines a page: 60, 60, 10 + 3
    EXPECT_EQ(job.pages[2].size(), 13u);
    EXPECT_EQ(job.pages[1][0].text, "line 61");
    EXPECT_EQ(job.pages[2].back().text, std::string(40, 'x'));
}
