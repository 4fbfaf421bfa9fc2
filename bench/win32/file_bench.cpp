// Opening and saving files in the real program under Windows (or Wine): a 65,535-byte file and
// a 10 MB one. Two views: the operations inside the program on the real platform, and whole
// runs of scrivex.exe given the file on its command line.
// Usage: file_bench RUNS [scrivex.exe]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_support.h"

#include "app/app.h"
#include "app/document_window.h"
#include "app/frame_window.h"
#include "files/save_file.h"
#include "platform/win32/win32_platform.h"

namespace {

using bench::Clock;
using bench::Ms;
using bench::Stats;

// The real platform; message boxes (the 64 kB warning) are answered at once and counted.
class BenchPlatform : public platform::win32::Win32Platform {
  public:
    platform::Answer MsgBox(std::string_view, int, std::string_view) override {
        ++boxes;
        return platform::Answer::Ok;
    }
    std::string CommandLine() override { return commandLine; }
    std::string commandLine;
    int boxes = 0;
};

std::string Text(size_t size) {
    return bench::Filled(bench::kProseLine, size);
}

void Write(const std::string& path, const std::string& bytes) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD done = 0;
    WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
    CloseHandle(f);
}

// Inside the program: open from the command line (until painted), a key typed at the end of
// the text with the caret panels refreshed, and the save back over the file.
void InProgram(const std::string& path, const std::string& savePath, int runs) {
    Stats open, key, save;
    BenchPlatform platform;
    for (int r = 0; r < runs; ++r) {
        app::App app(platform);
        app.Start();
        app.frame().form().onActivate = nullptr;
        platform.DoEvents();
        platform.commandLine = "\"" + path + "\"";
        auto t0 = Clock::now();
        app.OpenCommandLineFiles();
        platform.DoEvents();
        auto t1 = Clock::now();
        open.Add(Ms(t0, t1));

        core::Document& doc = *app.ActiveDocument();
        doc.Text1().SetSelStart(1 << 30);
        auto t2 = Clock::now();
        doc.Text1().SetSelText("x");
        doc.Text1().onKeyUp('X', 0);
        platform.DoEvents();
        key.Add(Ms(t2, Clock::now()));

        auto t3 = Clock::now();
        files::WriteDocumentFile(app, doc, savePath);
        platform.DoEvents();
        save.Add(Ms(t3, Clock::now()));
        app.frame().form().Unload();
        // The frame's end posts the quit message; left in the queue, it would stop the next
        // run's DoEvents before anything is painted.
        MSG quit;
        PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    std::printf("  in the program: open %7.1f ms (max %7.1f), key %5.1f ms, save %7.1f ms"
                "  [%d runs, %d warnings]\n",
                open.Median(), open.Max(), key.Median(), save.Median(), runs, platform.boxes);
}

struct Found {
    DWORD process;
    std::string title;
    HWND hwnd = nullptr;
};

BOOL CALLBACK FindChild(HWND hwnd, LPARAM data) {
    auto* f = reinterpret_cast<Found*>(data);
    char text[512] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    if (f->title == text) {
        f->hwnd = hwnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK FindTop(HWND hwnd, LPARAM data) {
    auto* f = reinterpret_cast<Found*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner != f->process || !IsWindowVisible(hwnd)) return TRUE;
    char cls[64] = "";
    GetClassNameA(hwnd, cls, sizeof cls);
    if (f->title.empty()) {
        if (std::string(cls) == "#32770") {
            f->hwnd = hwnd;
            return FALSE;
        }
        return TRUE;
    }
    EnumChildWindows(hwnd, FindChild, data);
    return f->hwnd ? FALSE : TRUE;
}

HWND Wait(Found& f, int ms) {
    for (auto start = Clock::now(); Ms(start, Clock::now()) < ms; Sleep(2)) {
        f.hwnd = nullptr;
        EnumWindows(FindTop, reinterpret_cast<LPARAM>(&f));
        if (f.hwnd) return f.hwnd;
    }
    return nullptr;
}

BOOL CALLBACK CloseAll(HWND hwnd, LPARAM process) {
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == static_cast<DWORD>(process)) PostMessageA(hwnd, WM_CLOSE, 0, 0);
    return TRUE;
}

// A whole run: from starting scrivex.exe with the file until its window shows it (for the
// large file: until the warning is up, and until the document shows after OK).
void WholeProgram(const std::string& exe, const std::string& path, const std::string& caption,
                  bool warns, int runs) {
    Stats warning, shown;
    for (int r = 0; r < runs; ++r) {
        STARTUPINFOA si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        std::string command = "\"" + exe + "\" \"" + path + "\"";
        auto t0 = Clock::now();
        if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &si, &pi))
            return;
        if (warns) {
            Found box{pi.dwProcessId, ""};
            if (HWND b = Wait(box, 30000)) {
                warning.Add(Ms(t0, Clock::now()));
                PostMessageA(b, WM_COMMAND, IDOK, 0);
            }
        }
        Found doc{pi.dwProcessId, caption};
        if (Wait(doc, 30000)) shown.Add(Ms(t0, Clock::now()));
        Sleep(100);
        EnumWindows(CloseAll, static_cast<LPARAM>(pi.dwProcessId));
        if (WaitForSingleObject(pi.hProcess, 5000) != WAIT_OBJECT_0)
            TerminateProcess(pi.hProcess, 1);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    if (warns)
        std::printf("  whole program: warning up after %7.1f ms,", warning.Median());
    else
        std::printf("  whole program:");
    std::printf(" document shown after %7.1f ms (start-up included) [%d runs]\n", shown.Median(),
                runs);
}

} // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::string exe = argc > 2 ? argv[2] : "";
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "scrivex-bench\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    struct File {
        const char* name;
        size_t size;
        const char* caption;
        bool warns;
    };
    for (File f : {File{"small.txt", 65535, "small.txt", false},
                   File{"large.txt", 10'000'000, "~ under 64 kB ~ large.txt", true}}) {
        std::string path = folder + f.name, savePath = folder + "saved-" + f.name;
        Write(path, Text(f.size));
        Write(savePath, Text(f.size)); // saved over an existing file: with its backup
        std::printf("%s (%zu bytes)\n", f.name, f.size);
        InProgram(path, savePath, runs);
        if (!exe.empty()) WholeProgram(exe, path, f.caption, f.warns, runs);
        DeleteFileA(path.c_str());
        DeleteFileA(savePath.c_str());
    }
    RemoveDirectoryA(folder.c_str());
    return 0;
}
