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
    // Interleave the programs so that both see the same machine load.
    for (int r = 0; r < runs; ++r)
        for (size_t p = 0; p < programs.size(); ++p) times[p].push_back(StartOnce(programs[p]));
    std::vector<double> medians;
    for (size_t p = 0; p < programs.size(); ++p) {
        auto& t = times[p];
        std::sort(t.begin(), t.end());
        double median = t[t.size() / 2];
        medians.push_back(median);
        std::printf("%-40s median %8.1f ms  min %8.1f ms  max %8.1f ms  (%d runs)\n",
                    programs[p].c_str(), median, t.front(), t.back(), runs);
    }
    for (size_t p = 0; p + 1 < programs.size(); ++p)
        std::printf("ratio %s / %s = %.2f\n", programs[p].c_str(), programs.back().c_str(),
                    medians[p] / medians.back());
    return 0;
}
