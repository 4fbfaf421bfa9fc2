// Printing a 64 kB document and arranging 64 document windows in the real program under
// Windows (or Wine). Printing goes to the default printer; the time is the program's own
// work up to the job handed over (layout, the GDI calls and EndDoc), with EndDoc also on its
// own. Arranging is timed until the frame has painted.
// Usage: print_arrange_bench RUNS
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_support.h"

#include "app/app.h"
#include "app/frame_window.h"
#include "app/window_arrangement.h"
#include "platform/win32/win32_platform.h"
#include "print/page_layout.h"
#include "print/printing.h"

namespace {

using bench::Clock;
using bench::Ms;
using bench::Stats;

// The real printer, with the time of EndDoc kept apart.
class TimedPrinter : public platform::win32::Win32Printer {
  public:
    platform::PageMetrics StartJob(std::string_view title) override {
        auto t0 = Clock::now();
        auto m = Win32Printer::StartJob(title);
        startJob += Ms(t0, Clock::now());
        return m;
    }
    void StartPage() override {
        auto t0 = Clock::now();
        Win32Printer::StartPage();
        pageOps += Ms(t0, Clock::now());
        firstOnPage = true;
        ++pages;
    }
    void EndPage() override {
        auto t0 = Clock::now();
        Win32Printer::EndPage();
        pageOps += Ms(t0, Clock::now());
    }
    void Text(int x, int y, std::string_view text) override {
        auto t0 = Clock::now();
        Win32Printer::Text(x, y, text);
        (firstOnPage ? firstText : textOut) += Ms(t0, Clock::now());
        firstOnPage = false;
    }
    // The first text of a page is timed apart: the driver may send the font anew with it.
    double startJob = 0, pageOps = 0, textOut = 0, firstText = 0;
    bool firstOnPage = false;
    int pages = 0;
    void EndJob() override {
        auto t0 = Clock::now();
        Win32Printer::EndJob();
        endJob += Ms(t0, Clock::now());
    }
    double endJob = 0;
};

std::string Text(size_t size) {
    return bench::Filled(bench::kProseLine, size);
}

void Print(int runs) {
    TimedPrinter printer;
    printer.font = platform::FontDef{std::getenv("PFONT") ? std::getenv("PFONT") : "Courier New",
                                     10, 400, false, 1};
    const std::string text = Text(65535);
    Stats whole, endDoc;
    for (int r = 0; r < runs; ++r) {
        printer.endJob = 0;
        auto t0 = Clock::now();
        try {
            print::PrintJob(printer, "ScrivexBench", text);
        } catch (const std::exception& e) {
            std::printf("printing failed: %s (is there a default printer?)\n", e.what());
            return;
        }
        whole.Add(Ms(t0, Clock::now()));
        endDoc.Add(printer.endJob);
        std::printf("  start %.1f, page breaks %.1f, first text of the %d pages %.1f, the other "
                    "text %.1f, end %.1f ms\n",
                    printer.startJob, printer.pageOps, printer.pages, printer.firstText,
                    printer.textOut, printer.endJob);
        printer.startJob = printer.pageOps = printer.textOut = printer.firstText = 0;
        printer.pages = 0;
    }
    // The layout alone, with the metrics of an A4 page in Courier at 600 dpi.
    platform::PageMetrics page;
    page.width = 4000, page.height = 6000, page.lineHeight = 100;
    page.charWidths.fill(60);
    Stats layout;
    for (int r = 0; r < runs; ++r) {
        auto t0 = Clock::now();
        auto pages = print::LayOutPages(text, page);
        layout.Add(Ms(t0, Clock::now()));
        if (pages.empty()) std::printf("no pages\n");
    }
    std::printf("print 64 kB (layout, GDI, EndDoc): median %.1f ms, max %.1f ms; of it EndDoc "
                "median %.1f ms; the layout alone %.2f ms\n",
                whole.Median(), whole.Max(), endDoc.Median(), layout.Median());
}

void Arrange(int runs) {
    platform::win32::Win32Platform platform;
    app::App app(platform);
    app.Start();
    app.frame().form().onActivate = nullptr;
    app.frame().form().Show();
    while (app.registry.Count() < core::kMaxDocuments)
        app.NewDocument();
    platform.DoEvents();
    const char* names[] = {"tile horizontally", "tile vertically", "cascade", "rows", "columns"};
    for (int index = 0; index < 5; ++index) {
        Stats s, call;
        for (int r = 0; r < runs; ++r) {
            // Start from the cascade (or the rows, before the cascade itself).
            app::ArrangeWindows(app, index == app::kCascade ? app::kRows : app::kCascade,
                                app.frame().StatusBar1().Height());
            platform.DoEvents();
            auto t0 = Clock::now();
            app::ArrangeWindows(app, index, app.frame().StatusBar1().Height());
            call.Add(Ms(t0, Clock::now()));
            UpdateWindow(GetActiveWindow());
            platform.DoEvents();
            s.Add(Ms(t0, Clock::now()));
        }
        std::printf("%-17s with 64 windows: median %.1f ms, max %.1f ms (the arranging itself "
                    "%.1f ms, the rest painting)\n",
                    names[index], s.Median(), s.Max(), call.Median());
    }
    std::fflush(stdout);
    ExitProcess(0); // 64 windows need no orderly close for a benchmark
}

} // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    if (!std::getenv("NO_PRINT")) Print(runs);
    std::fflush(stdout);
    if (!std::getenv("NO_ARRANGE")) Arrange(runs);
}
