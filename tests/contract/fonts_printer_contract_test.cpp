// A text box's font, the font and printer dialogs and the printer service, on the fake and on
// the real system.
#include <gtest/gtest.h>

#include "contract/contract_harness.h"
#include "platform/errors.h"

namespace {

int ErrorOf(const std::function<void()>& statement) {
    try {
        statement();
    } catch (const platform::RuntimeError& e) {
        return e.Number();
    }
    return 0;
}

} // namespace

TEST(FontContract, ATextBoxReportsTheFontItWasMadeWithAndTheFontSetLater) {
    platform::FormDef def =
        OneControlForm(platform::ControlKind::MultiLineBox, "Text1", 3000, 2000);
    def.controls[0].font = platform::FontDef{};
    auto form = ContractPlatform().CreateForm(def);
    platform::TextBox& text1 = form->Get<platform::TextBox>("Text1");

    platform::FontDef start = text1.Font();
    EXPECT_EQ(start.name, "Fixedsys");
    EXPECT_EQ(start.points, 9);
    EXPECT_EQ(start.weight, 400);
    EXPECT_FALSE(start.italic);
    EXPECT_EQ(start.charset, 238);

    text1.SetFont({"Tahoma", 12.5f, 700, true, 238});
    platform::FontDef set = text1.Font();
    EXPECT_EQ(set.name, "Tahoma");
    EXPECT_EQ(set.points, 12.5f);
    EXPECT_EQ(set.weight, 700);
    EXPECT_TRUE(set.italic);
    form->Unload();
}

TEST(FontContract, TheFontDialogKeepsItsValuesOnOkAndCancelIsError32755) {
    auto dialog = ContractPlatform().CreateCommonDialog();
    dialog->flags = 1;
    dialog->fontName = "Tahoma";
    dialog->fontSize = 12;
    dialog->fontBold = true;
    dialog->fontItalic = false;
    {
        auto answer = AnswerFontDialog(true);
        dialog->ShowFont();
    }
    EXPECT_EQ(dialog->fontName, "Tahoma");
    EXPECT_EQ(dialog->fontSize, 12);
    EXPECT_TRUE(dialog->fontBold);
    EXPECT_FALSE(dialog->fontItalic);
    {
        auto answer = AnswerFontDialog(false);
        EXPECT_EQ(ErrorOf([&] { dialog->ShowFont(); }), platform::err::DialogCancelled);
    }
    EXPECT_EQ(dialog->fontName, "Tahoma");
}

TEST(PrinterContract, ThePrinterDialogChoosesAPrinterAndCancelKeepsIt) {
    if (!ContractHasPrinter()) GTEST_SKIP() << "no printer: the print server is not running";
    auto dialog = ContractPlatform().CreateCommonDialog();
    dialog->flags = 0x80008;
    dialog->printSelection = true;
    {
        auto answer = AnswerPrinterDialog(true);
        dialog->ShowPrinter();
    }
    EXPECT_FALSE(dialog->printSelection); // it opened as All and was left so
    std::string chosen = dialog->printerName;
    {
        auto answer = AnswerPrinterDialog(false);
        EXPECT_EQ(ErrorOf([&] { dialog->ShowPrinter(); }), platform::err::DialogCancelled);
    }
    EXPECT_EQ(dialog->printerName, chosen);
    EXPECT_FALSE(dialog->printSelection);
}

TEST(PrinterContract, AJobGivesThePageMetricsTakesPagesAndFailsOnceEnded) {
    if (!ContractHasPrinter()) GTEST_SKIP() << "no printer: the print server is not running";
    platform::Printer& printer = ContractPlatform().PrinterService();
    printer.Select("", "");
    platform::PageMetrics page = printer.StartJob("Scrivex contract");
    EXPECT_GT(page.width, 0);
    EXPECT_GT(page.height, page.lineHeight);
    EXPECT_GT(page.lineHeight, 0);
    EXPECT_GT(page.charWidths['W'], 0);
    EXPECT_LT(page.charWidths['W'], page.width);
    printer.StartPage();
    printer.Text(0, 0, "contract");
    printer.EndPage();
    printer.EndJob();
    EXPECT_EQ(ErrorOf([&] { printer.Text(0, 0, "after the end"); }), platform::err::PrinterError);
    printer.AbortJob(); // nothing to give up: no failure

    // A job given up halfway leaves the printer ready for the next.
    printer.StartJob("Scrivex contract aborted");
    printer.StartPage();
    printer.AbortJob();
    EXPECT_EQ(ErrorOf([&] { printer.EndPage(); }), platform::err::PrinterError);
}

TEST(PrinterContract, AnUnknownPrinterFailsWithError482) {
    platform::Printer& printer = ContractPlatform().PrinterService();
    printer.Select("No such printer", "");
    int error = ErrorOf([&] { printer.StartJob("Scrivex contract"); });
    printer.Select("", "");
    EXPECT_EQ(error, platform::err::PrinterError);
}
