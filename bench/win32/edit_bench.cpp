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

#include "app/app.h"
#include "app/frame_window.h"
#include "platform/win32/win32_platform.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string FullText() {
    const std::string line = "The quick brown fox. jumps over the LAZY dog 0123 caf\xE9 \t \r\n";
    std::string text;
    while (text.size() < 65535)
        text += line;
    text.resize(65535);
    return text;
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
    app.frame().form().Unload();
    return 0;
}
