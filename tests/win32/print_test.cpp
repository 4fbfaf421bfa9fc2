// Printing from the program to a real printer. The jobs land where the print server puts
// them; print_jobs.sh starts the server, runs this test and reads the jobs back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/app.h"
#include "app/frame_window.h"
#include "harness_support.h"
#include "platform/win32/win32_printer.h"

namespace {

// Forty words of eight characters: one line far wider than a page.
std::string LongLine() {
    std::string line;
    for (int i = 1; i <= 40; ++i)
        line += (i > 1 ? " alpha" : "alpha") + std::string(i < 10 ? "0" : "") + std::to_string(i);
    return line;
}

// Lines "Line 001" to "Line 150": more than two pages.
std::string ManyLines() {
    std::string text;
    for (int i = 1; i <= 150; ++i) {
        std::string n = std::to_string(i);
        text += "Line " + std::string(3 - n.size(), '0') + n + "\r\n";
    }
    return text;
}

} // namespace

TEST(ProgramPrinting, PrintAllSendsOneJobPerDocument) {
    if (!std::getenv("SCRIVEX_PRINT_TEST"))
        GTEST_SKIP() << "prints real pages: run by print_jobs.sh";
    ASSERT_FALSE(platform::win32::DefaultPrinterName().empty()) << "no default printer";
    win32_test::ScriptedPlatform platform;
    app::App app{platform};
    app.Start();
    app.frame().form().onActivate = nullptr;
    platform.DoEvents();

    core::Document* first = app.ActiveDocument();
    first->form().SetCaption("ScrivexPrintA");
    // Three hundred digits without a blank: wrapped wherever the width ends.
    first->Text1().SetText("First document\r\nsecond line\r\n\r\n" + LongLine() + "\r\n" +
                           std::string(300, '7') + "\r\nlast line");
    ASSERT_TRUE(app.NewDocument());
    core::Document* second = app.ActiveDocument();
    second->form().SetCaption("ScrivexPrintB");
    second->Text1().SetText(ManyLines());

    platform::Menu& menu = second->menu();
    ASSERT_TRUE(menu.Choose(menu.Find("mnuFilePrintAll")));
    for (const auto& box : platform.shown)
        ADD_FAILURE() << box.title << ": " << box.text;
}

// A printer that takes no jobs: "Print all" says so once and tries no further document.
TEST(ProgramPrinting, PrintAllStopsAtThePrinterThatRefusesTheFirstJob) {
    const char* refusing = std::getenv("SCRIVEX_REFUSING_PRINTER");
    if (!refusing) GTEST_SKIP() << "needs a print queue that refuses jobs: run by print_jobs.sh";
    win32_test::ScriptedPlatform platform;
    platform.PrinterService().Select(refusing, "");
    app::App app{platform};
    app.Start();
    app.frame().form().onActivate = nullptr;
    ASSERT_TRUE(app.NewDocument());
    platform::Menu& menu = app.ActiveDocument()->menu();
    ASSERT_TRUE(menu.Choose(menu.Find("mnuFilePrintAll")));
    // The second document would fail as the first did: one message, one document tried.
    ASSERT_EQ(platform.shown.size(), 1u);
    EXPECT_EQ(platform.shown[0].text, "Printer error");
}

TEST(PrinterFonts, AFaceTheSystemLacksGivesWayToAFixedPitchOne) {
    if (platform::win32::DefaultPrinterName().empty())
        GTEST_SKIP() << "no printer: the print server is not running";
    platform::win32::Win32Printer printer;
    struct Case {
        const char* face;
        bool fixedPitch;
    };
    const Case cases[] = {
        {"Scrivex No Such Face", true}, // not installed: a fixed-pitch face instead
        {"Tahoma", false},              // installed and proportional: kept
        {"Courier New", true},          // installed it is fixed-pitch; where it is not, the
                                        // printer's "Courier" must not pass for it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.face);
        printer.font = platform::FontDef{c.face, 10, platform::kNormalWeight, false, 1};
        platform::PageMetrics page = printer.StartJob("Scrivex font check");
        printer.AbortJob(); // nothing printed
        EXPECT_EQ(page.charWidths['i'] == page.charWidths['W'], c.fixedPitch)
            << page.charWidths['i'] << " " << page.charWidths['W'];
    }
}
