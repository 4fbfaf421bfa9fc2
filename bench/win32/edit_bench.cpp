// The editing commands in the real program under Windows (or Wine), on a selection of the
// whole 65,535-character text: read the selection, transform it, write it back, and let the
// window repaint. Each of the six case commands and Truncate lines, through the document's
// menu as the user would choose them.
// Usage: edit_bench RUNS
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
#include "edit/case_conversion.h"
#include "platform/win32/win32_platform.h"

namespace {

using bench::Clock;

std::string FullText() {
    return bench::Filled(bench::kMixedLine);
}

} // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    platform::win32::Win32Platform platform;
    app::App app(platform);
    app.Start();
    app.frame().form().onActivate = nullptr;
    platform.DoEvents();
    core::Document& doc = *app.ActiveDocument();
    const std::string text = FullText();
    std::printf("Editing commands on a selection of %zu characters, median of %d runs:\n",
                text.size(), runs);
    for (const char* item :
         {"mnuEditCaseLowerCase", "mnuEditCaseUpperCase", "mnuEditCaseCapitalize",
          "mnuEditCaseSentecize", "mnuEditCaseInvertCase", "mnuEditCaseCrackzCase",
          "mnuEditTruncateLines"}) {
        std::vector<double> ms;
        for (int r = 0; r < runs; ++r) {
            doc.Text1().SetText(text);
            doc.Text1().SetSelStart(0);
            doc.Text1().SetSelLength(65535);
            platform.DoEvents();
            auto start = Clock::now();
            doc.menu().Choose(doc.menu().Find(item));
            platform.DoEvents();
            UpdateWindow(GetActiveWindow());
            ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        }
        std::sort(ms.begin(), ms.end());
        std::printf("  %-24s %7.1f ms (max %7.1f)\n", item, ms[ms.size() / 2], ms.back());
    }
    // Where the time of one command goes: reading the selection, the transformation, the
    // write-back, the paint.
    std::vector<double> read, transform, write, paint;
    for (int r = 0; r < runs; ++r) {
        doc.Text1().SetText(text);
        doc.Text1().SetSelStart(0);
        doc.Text1().SetSelLength(65535);
        platform.DoEvents();
        auto t0 = Clock::now();
        std::string s = doc.Text1().SelText();
        auto t1 = Clock::now();
        s = edit::ConvertCase(s, edit::CaseCommand::UpperCase, platform.UserLocale().Cases());
        auto t2 = Clock::now();
        doc.Text1().SetSelText(s);
        auto t3 = Clock::now();
        platform.DoEvents();
        UpdateWindow(GetActiveWindow());
        auto t4 = Clock::now();
        auto ms = [](auto a, auto b) {
            return std::chrono::duration<double, std::milli>(b - a).count();
        };
        read.push_back(ms(t0, t1));
        transform.push_back(ms(t1, t2));
        write.push_back(ms(t2, t3));
        paint.push_back(ms(t3, t4));
    }
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::printf(
        "  UPPER CASE by parts: read %.1f ms, transform %.2f ms, write %.1f ms, paint %.1f ms\n",
        median(read), median(transform), median(write), median(paint));
    // The same write straight to the control, visible, and the whole text written anew, each
    // with its paint: references for the write-back above.
    std::vector<double> plain, whole;
    HWND box = GetFocus();
    for (int r = 0; r < runs; ++r) {
        std::string upper =
            edit::ConvertCase(text, edit::CaseCommand::UpperCase, platform.UserLocale().Cases());
        doc.Text1().SetText(text);
        doc.Text1().SetSelStart(0);
        doc.Text1().SetSelLength(65535);
        platform.DoEvents();
        auto t0 = Clock::now();
        SendMessageA(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(upper.c_str()));
        platform.DoEvents();
        UpdateWindow(GetActiveWindow());
        auto t1 = Clock::now();
        doc.Text1().SetText(upper);
        platform.DoEvents();
        UpdateWindow(GetActiveWindow());
        auto t2 = Clock::now();
        auto ms = [](auto a, auto b) {
            return std::chrono::duration<double, std::milli>(b - a).count();
        };
        plain.push_back(ms(t0, t1));
        whole.push_back(ms(t1, t2));
    }
    std::printf(
        "  references: EM_REPLACESEL on the visible control %.1f ms, whole text written %.1f ms"
        " (each with its paint)\n",
        median(plain), median(whole));
    app.frame().form().Unload();
    return 0;
}
