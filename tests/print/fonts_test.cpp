// The three font commands on the fake: the shared dialog's values, Cancel, the global font in
// slot order and the Ignore path through its steps.
#include <gtest/gtest.h>

#include "../app/app_fixture.h"
#include "platform/errors.h"

namespace {

class Fonts : public AppTest {
  protected:
    void SetUp() override { Start(); }
    platform::FontDef FontOf(core::Document* doc) { return doc->Text1().Font(); }
    core::Document* Slot(int slot) { return app.registry.Window(slot); }
    bool Choose(const char* item) { return frame().ChooseMenu(item); }
};

const fake::FontChoice kArial{"Arial", 12.5f, true, false};
const fake::FontChoice kCourier{"Courier New", 10, false, true};

void ExpectFont(const platform::FontDef& f, const fake::FontChoice& c, const char* what) {
    EXPECT_EQ(f.name, c.name) << what;
    EXPECT_EQ(f.points, c.size) << what;
    EXPECT_EQ(f.weight, c.bold ? 700 : 400) << what;
    EXPECT_EQ(f.italic, c.italic) << what;
}

} // namespace

TEST_F(Fonts, NewWindowsStartInFixedsysNine) {
    platform::FontDef f = FontOf(Active());
    EXPECT_EQ(f.name, "Fixedsys");
    EXPECT_EQ(f.points, 9);
    EXPECT_EQ(f.weight, 400);
    EXPECT_FALSE(f.italic);
    EXPECT_EQ(f.charset, 238);
}

TEST_F(Fonts, TheDialogOpensWithItsPreviousChoiceNotTheTargetsFont) {
    platform.fontAnswers = {kArial, kCourier};
    ASSERT_TRUE(Choose("mnuFormatFontPrinter"));
    app.NewDocument(); // a fresh window in Fixedsys
    ASSERT_TRUE(Choose("mnuFormatFont"));

    ASSERT_EQ(platform.dialogs.size(), 2u);
    EXPECT_EQ(platform.dialogs[0].kind, "Font");
    EXPECT_EQ(platform.dialogs[0].flags, 2);
    EXPECT_EQ(platform.dialogs[1].flags, 1);
    EXPECT_EQ(platform.dialogs[1].fontName, "Arial"); // the printer font's choice
    EXPECT_EQ(platform.dialogs[1].fontSize, 12.5f);
    EXPECT_TRUE(platform.dialogs[1].fontBold);
    ExpectFont(platform.printer.font, kArial, "printer");
    ExpectFont(FontOf(Active()), kCourier, "document");
    ExpectFont(FontOf(Slot(1)), {"Fixedsys", 9, false, false}, "the other document");
}

TEST_F(Fonts, GlobalFontChangesEveryOpenWindowButNotLaterOnes) {
    app.NewDocument();
    app.NewDocument();
    platform.fontAnswers = {kArial};
    ASSERT_TRUE(Choose("mnuFormatFontGlobal"));
    for (int slot = 1; slot <= 3; ++slot)
        ExpectFont(FontOf(Slot(slot)), kArial, "global");
    EXPECT_EQ(platform.printer.font.name, "Courier New"); // the printer's own default stays
    app.NewDocument();
    EXPECT_EQ(FontOf(Slot(4)).name, "Fixedsys");
    EXPECT_EQ(FontOf(Slot(4)).points, 9);
}

TEST_F(Fonts, CancelInAnyFontCommandChangesNothingAndSaysNothing) {
    app.NewDocument();
    for (const char* item : {"mnuFormatFont", "mnuFormatFontGlobal", "mnuFormatFontPrinter"}) {
        platform.fontAnswers = {std::nullopt};
        ASSERT_TRUE(Choose(item)) << item;
        EXPECT_EQ(FontOf(Slot(1)).name, "Fixedsys") << item;
        EXPECT_EQ(FontOf(Slot(2)).name, "Fixedsys") << item;
        EXPECT_EQ(platform.printer.font.name, "Courier New") << item;
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Fonts, IgnoreAfterAFailedStepGoesOnWithTheNextPropertyAndWindow) {
    app.NewDocument();
    app.NewDocument();
    Text1(Slot(2)).fontFailures = 1; // the name of window 2 fails
    platform.answers = {platform::Answer::Ignore};
    platform.fontAnswers = {kArial};
    ASSERT_TRUE(Choose("mnuFormatFontGlobal"));

    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Run-time error");
    EXPECT_NE(platform.messages[0].text.find("Error Number = 380"), std::string::npos);
    ExpectFont(FontOf(Slot(1)), kArial, "window 1");
    platform::FontDef second = FontOf(Slot(2));
    EXPECT_EQ(second.name, "Fixedsys"); // the failed step
    EXPECT_EQ(second.weight, 700);      // the steps after it
    EXPECT_EQ(second.points, 12.5f);
    ExpectFont(FontOf(Slot(3)), kArial, "window 3");
}

TEST_F(Fonts, RetryRunsTheFailedStepAgainAndAbortEndsTheProgram) {
    Text1(Active()).fontFailures = 1;
    platform.answers = {platform::Answer::Retry};
    platform.fontAnswers = {kCourier};
    ASSERT_TRUE(Choose("mnuFormatFont"));
    ExpectFont(FontOf(Active()), kCourier, "after retry");

    Text1(Active()).fontFailures = 1;
    platform.answers = {platform::Answer::Abort};
    platform.fontAnswers = {kArial};
    EXPECT_THROW(Choose("mnuFormatFont"), fake::ProgramEnded);
}

TEST_F(Fonts, APrinterFontDialogThatCannotListFontsReportsAndIgnoreGoesOn) {
    platform.fontDialogError = platform::err::NoFonts;
    platform.answers = {platform::Answer::Ignore};
    ASSERT_TRUE(Choose("mnuFormatFontPrinter"));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find("Error Number = 24574"), std::string::npos);
    // The steps after the dialog set the dialog's values as they stood.
    EXPECT_EQ(platform.printer.font.name, "Fixedsys");
    EXPECT_EQ(FontOf(Active()).name, "Fixedsys");
}
