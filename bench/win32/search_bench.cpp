// Find, Replace, Find next and open line in the real program under Windows (or Wine), on a
// 64 kB document: each figure is end to end, until the list is filled and painted.
// Usage: search_bench RUNS
#include <windows.h>
#undef SendMessage // the text box's own member, not the macro

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "bench_support.h"

#include "app/app.h"
#include "app/frame_window.h"
#include "platform/win32/win32_platform.h"
#include "search/find_dialog.h"
#include "search/find_next.h"
#include "search/search_commands.h"
#include "search/search_result_window.h"

namespace {

using bench::Clock;
using bench::Median;
using bench::Ms;

using bench::Filled;

// The real platform, with message boxes counted and answered at once instead of by a user.
struct BenchPlatform : platform::win32::Win32Platform {
    platform::Answer MsgBox(std::string_view, int, std::string_view) override {
        ++messages;
        return platform::Answer::Ok;
    }
    int messages = 0;
};

BenchPlatform& ThePlatform() {
    static BenchPlatform platform;
    return platform;
}

struct Session {
    BenchPlatform& platform = ThePlatform();
    app::App app{platform};
    Session() {
        app.Start();
        app.frame().form().onActivate = nullptr;
        platform.DoEvents();
    }
    ~Session() {
        app.frame().form().Unload();
        MSG quit;
        PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    core::Document& Doc() { return *app.ActiveDocument(); }
    search::FindDialog& Find() { return app.tools.Get<search::FindDialog>(); }
    platform::ListBox& List() { return app.tools.Get<search::SearchResultWindow>().List1(); }
    // Find, until the list is filled and painted; returns the milliseconds.
    double RunFind(const std::string& text, const std::string& what) {
        Doc().Text1().SetText(text);
        search::OpenFind(app);
        Find().txtFind().SetText(what);
        platform.DoEvents();
        const auto t0 = Clock::now();
        Find().Find();
        platform.DoEvents();
        return Ms(t0, Clock::now());
    }
};

void FindFigures(int runs) {
    struct Case {
        const char* name;
        std::string text, what;
        double limit;
    } cases[] = {
        {"Find, 10,000 matches in 64 kB", Filled("a fox "), "fox", 500},
        {"Find, 65,535 matches in 64 kB", Filled("a"), "a", 3000},
        {"Find, no match in 64 kB", Filled("The quick brown fox jumps over the lazy dog.\r\n"),
         "zebra", 20},
    };
    for (Case& c : cases) {
        std::vector<double> times;
        int lines = 0;
        std::string summary;
        for (int r = 0; r < runs; ++r) {
            Session s;
            times.push_back(s.RunFind(c.text, c.what));
            lines = s.List().Count();
            summary = s.List().Item(lines - 1);
        }
        const double ms = Median(times);
        std::printf("  %-34s %8.1f ms (limit %5.0f ms) %s  [%d lines, last:%s]\n", c.name, ms,
                    c.limit, ms < c.limit ? "ok" : "SLOW", lines, summary.c_str());
    }
}

void ReplaceFigures(int runs) {
    // The 65,535 matches made longer would pass what a document holds: that Replace changes
    // nothing and says so, and must cost no more than one that fits.
    struct Case {
        const char* name;
        std::string text, what, with;
        bool fits;
    } cases[] = {
        {"Replace, 10,000 checked matches", Filled("a fox "), "fox", "dog", true},
        {"Replace, 65,535 checked matches", Filled("a"), "a", "b", true},
        {"Replace, 65,535 past the capacity", Filled("a"), "a", "bb", false},
    };
    for (const Case& c : cases) {
        std::vector<double> times;
        bool undone = true, same = true;
        for (int r = 0; r < runs; ++r) {
            Session s;
            s.RunFind(c.text, c.what);
            s.Find().txtReplace().SetText(c.with);
            const int messages = s.platform.messages;
            const auto t0 = Clock::now();
            s.Find().Replace();
            s.platform.DoEvents();
            times.push_back(Ms(t0, Clock::now()));
            std::string expected = c.text;
            if (c.fits)
                for (size_t at = expected.find(c.what); at != std::string::npos;
                     at = expected.find(c.what, at + c.with.size()))
                    expected.replace(at, c.what.size(), c.with);
            const bool told = s.platform.messages == messages + (c.fits ? 0 : 1);
            same = same && told && s.Doc().Text1().Text() == expected;
            if (!c.fits) continue;
            // The caret after the first replacement in the text.
            const int caret = static_cast<int>(c.text.find(c.what) + c.with.size());
            same = same && s.Doc().Text1().SelStart() == caret;
            s.Doc().Text1().SendMessage(WM_UNDO, 0);
            undone = undone && s.Doc().Text1().Text() == c.text;
        }
        const double ms = Median(times);
        std::printf("  %-34s %8.1f ms (limit   500 ms) %s  [text as expected: %s, undo: %s]\n",
                    c.name, ms, ms < 500 ? "ok" : "SLOW", same ? "yes" : "NO",
                    !c.fits  ? "nothing to undo"
                    : undone ? "old text back"
                             : "NOT BACK");
    }
}

// Find next from the last matches (the longest forward pass, then the wrap) and open line.
void StepFigures(const std::string& text, const char* label) {
    Session s;
    s.RunFind(text, "a");
    const int count = s.List().Count();
    std::vector<double> next, open, choice;
    core::Document& doc = s.Doc();
    const int last = static_cast<int>(s.List().ItemData(count - 4));
    for (int i = 0; i < 50; ++i) {
        doc.Text1().SetSelStart(last - i);
        auto t0 = Clock::now();
        search::FindNext(s.app);
        next.push_back(Ms(t0, Clock::now()));
        t0 = Clock::now();
        volatile auto chosen = search::ChooseFindNext(s.List(), last - i).value_or(-1);
        (void)chosen;
        choice.push_back(Ms(t0, Clock::now()));
        s.List().SetListIndex(count - 100 + i);
        t0 = Clock::now();
        s.app.tools.Get<search::SearchResultWindow>().OpenLine();
        open.push_back(Ms(t0, Clock::now()));
    }
    std::printf("  %s: %d lines\n", label, count);
    std::printf("  %-34s %8.3f ms (limit 5 ms) %s\n", "Find next", Median(next),
                Median(next) < 5 ? "ok" : "SLOW");
    std::printf("  %-34s %8.3f ms\n", "  of which the pass over the list", Median(choice));
    std::printf("  %-34s %8.3f ms (limit 5 ms) %s\n", "Open line", Median(open),
                Median(open) < 5 ? "ok" : "SLOW");
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    std::printf("Search in the program (median of %d runs):\n", runs);
    FindFigures(runs);
    ReplaceFigures(runs);
    StepFigures(Filled("a"), "65,535 matches, one line of 64 kB");
    StepFigures(Filled(std::string(62, 'a') + "\r\n"), "lines of 62 characters");
    return 0;
}
