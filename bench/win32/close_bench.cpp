// Closing many document windows in the real program under Windows (or Wine): Close all and
// Exit with 64 unmodified windows, each timed until the queue is empty and the frame painted.
// Usage: close_bench RUNS
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench_support.h"

#include "app/app.h"
#include "app/document_window.h"
#include "app/frame_window.h"
#include "platform/win32/win32_platform.h"

namespace {

using bench::Clock;
using bench::Median;
using bench::Ms;

// The real platform, whose message boxes would only show if a window were modified.
class BenchPlatform : public platform::win32::Win32Platform {
  public:
    platform::Answer MsgBox(std::string_view, int, std::string_view) override {
        ++boxes;
        return platform::Answer::No;
    }
    std::string CommandLine() override { return {}; }
    int boxes = 0;
};

// Starts the program and opens windows up to the limit, all painted.
void OpenAll(app::App& app, BenchPlatform& platform) {
    app.Start();
    platform.DoEvents();
    while (app.registry.Count() < core::kMaxDocuments)
        app.NewDocument();
    platform.DoEvents();
}

app::DocumentWindow& Active(app::App& app) {
    return static_cast<app::DocumentWindow&>(*app.ActiveDocument());
}

void EndProgram(app::App& app, BenchPlatform& platform) {
    if (app.frame().form().Loaded()) app.frame().form().Unload();
    platform.DoEvents();
    // The frame's end posts the quit message; left in the queue, it would stop the next run's
    // DoEvents before anything is painted.
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

} // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    BenchPlatform platform;
    std::vector<double> open, closeAll, exitTimes;
    int left = 0;
    for (int r = 0; r < runs; ++r) {
        {
            app::App app(platform);
            auto t0 = Clock::now();
            OpenAll(app, platform);
            open.push_back(Ms(t0, Clock::now()));
            auto t1 = Clock::now();
            Active(app).mnuFileCloseAll_Click(0);
            platform.DoEvents();
            closeAll.push_back(Ms(t1, Clock::now()));
            left += app.registry.Count();
            EndProgram(app, platform);
        }
        {
            app::App app(platform);
            OpenAll(app, platform);
            auto t0 = Clock::now();
            Active(app).mnuFileExit_Click(0);
            platform.DoEvents();
            exitTimes.push_back(Ms(t0, Clock::now()));
            left += app.frame().form().Loaded() ? 1 : 0;
            EndProgram(app, platform);
        }
    }
    std::printf("64 windows: opening %7.1f ms, Close all %7.1f ms, Exit %7.1f ms"
                "  [%d runs, median; %d questions, %d windows left]\n",
                Median(open), Median(closeAll), Median(exitTimes), runs, platform.boxes, left);
    return left == 0 && platform.boxes == 0 ? 0 : 1;
}
