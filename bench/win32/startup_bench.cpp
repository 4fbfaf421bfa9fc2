// Start-up time of a program: start it, wait until its first window is idle, close it.
// Usage: startup_bench RUNS program.exe [program.exe ...]; prints the median per program and
// each program's ratio to the last one given.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

BOOL CALLBACK CloseWindowsOf(HWND window, LPARAM process) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == static_cast<DWORD>(process)) PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}

// Milliseconds from CreateProcess until WaitForInputIdle returns; -1 on failure.
double StartOnce(const std::string& program) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string command = "\"" + program + "\"";
    LARGE_INTEGER frequency, start, idle;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
        return -1;
    DWORD waited = WaitForInputIdle(info.hProcess, 30000);
    QueryPerformanceCounter(&idle);
    // Give the program its first paint, then close it as the user would.
    Sleep(200);
    EnumWindows(CloseWindowsOf, static_cast<LPARAM>(info.dwProcessId));
    if (WaitForSingleObject(info.hProcess, 5000) != WAIT_OBJECT_0)
        TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    if (waited != 0) return -1;
    return 1000.0 * static_cast<double>(idle.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench RUNS program.exe [program.exe ...]\n");
        return 2;
    }
    int runs = std::max(1, std::atoi(argv[1]));
    std::vector<std::string> programs(argv + 2, argv + argc);
    std::vector<std::vector<double>> times(programs.size());
    // Interleave the programs so that both see the same machine load, in turns forwards and
    // backwards so that neither always follows the other.
    for (int r = 0; r < runs; ++r) {
        for (auto& t : times)
            t.push_back(0);
        for (size_t i = 0; i < programs.size(); ++i) {
            size_t p = r % 2 ? programs.size() - 1 - i : i;
            times[p].back() = StartOnce(programs[p]);
        }
    }
    const std::vector<std::vector<double>> rounds = times; // in the order they ran
    std::vector<double> medians;
    for (size_t p = 0; p < programs.size(); ++p) {
        auto& t = times[p];
        std::sort(t.begin(), t.end());
        double median = t[t.size() / 2];
        medians.push_back(median);
        std::printf("%-40s median %8.1f ms  min %8.1f ms  max %8.1f ms  (%d runs)\n",
                    programs[p].c_str(), median, t.front(), t.back(), runs);
    }
    // Each round starts the programs one after the other, so the ratio within a round is
    // less affected by the machine's load drifting over the whole run.
    const auto& last = rounds.back();
    for (size_t p = 0; p + 1 < programs.size(); ++p) {
        std::vector<double> ratios;
        for (int r = 0; r < runs; ++r)
            if (rounds[p][r] > 0 && last[r] > 0) ratios.push_back(rounds[p][r] / last[r]);
        std::sort(ratios.begin(), ratios.end());
        double paired = ratios.empty() ? 0 : ratios[ratios.size() / 2];
        std::printf("ratio %s / %s = %.2f (medians), %.2f (median of the %zu rounds' ratios)\n",
                    programs[p].c_str(), programs.back().c_str(), medians[p] / medians.back(),
                    paired, ratios.size());
    }
    return 0;
}
