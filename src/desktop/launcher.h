// The Tools menu's program launcher and system files, the about program and the help message.
#pragma once
#include <string>

#include "core/program.h"
#include "platform/keys.h"

namespace desktop {

// The Tools menu's program list, in menu order: the item's index, caption, command line and
// shortcut. Separators ("-") start nothing; the last item asks for the command line to start.
struct ProgramItem {
    int index;
    const char* caption;
    const char* commandLine;
    platform::Shortcut shortcut;
};
inline constexpr int kShellItem = 100;
inline constexpr ProgramItem kProgramItems[] = {
    {1, "Notepad", "notepad.exe", platform::Ctrl(platform::key::F(1))},
    {2, "Calc", "calc.exe", platform::Ctrl(platform::key::F(2))},
    {3, "Charmap", "charmap.exe", platform::Ctrl(platform::key::F(3))},
    {4, "Explorer", "explorer.exe", platform::Ctrl(platform::key::F(4))},
    {5, "MSPaint", "mspaint.exe", platform::Ctrl(platform::key::F(5))},
    {6, "CDPlayer", "cdplayer.exe", platform::Ctrl(platform::key::F(6))},
    {7, "SndRec32", "sndrec32.exe", platform::Ctrl(platform::key::F(7))},
    {10, "-", "", {}},
    {18, "Control panel", "control.exe", platform::Ctrl(platform::key::F(8))},
    {20, "-", "", {}},
    {29, "Telnet", "telnet.exe", platform::Ctrl(platform::key::F(9))},
    {31, "Command", "command.exe", platform::Ctrl(platform::key::F(11))},
    {32, "CMD", "cmd.exe", platform::Ctrl(platform::key::F(12))},
    {40, "-", "", {}},
    {kShellItem, "S&hell...", "", platform::Ctrl('H')},
};

// The command line of an item of the program list; empty for an index that is not an item
// (the separators among them) and for the typed command line's item.
std::string ProgramCommandLine(int index);

// Starts the program of an item in a normal window. Every failure is one beep, no message.
void RunProgram(core::Program& program, int index);

// The system files of the Edit system config menu, by item index: the first five in the
// system root, the others in the Windows folder.
inline constexpr const char* kSystemFiles[] = {"autoexec.bat", "config.sys",   "msdos.sys",
                                               "bootlog.txt",  "boot.ini",     "system.ini",
                                               "win.ini",      "winstart.bat", "hosts"};
inline constexpr int kHostsItem = 8;

// The full path first tried for a system file item; empty for other indices.
std::string SystemFilePath(const core::GlobalPaths& paths, int index);
// The hosts file's second place, in the system folder.
std::string HostsInSystemFolder(const core::GlobalPaths& paths);

// Opens a system file in a document window, or says that it does not exist.
void OpenSystemFile(core::Program& program, int index);

// Starts the separate about program; says so when it is missing.
void About(core::Program& program);
void ShowHelp(core::Program& program);

} // namespace desktop
