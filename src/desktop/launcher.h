// The Tools menu's program launcher and system files, the about program and the help message.
#pragma once
#include <string>

#include "core/program.h"

namespace desktop {

// The command line of an item of the program list; empty for an index that is not an item
// (the separators 10, 20 and 40 among them). Index 100 is the typed command line.
std::string ProgramCommandLine(int index);
inline constexpr int kShellItem = 100;

// Starts the program of an item in a normal window. Every failure is one beep, no message.
void RunProgram(core::Program& program, int index);

// The full path first tried for a system file item 0 to 8; empty for other indices.
std::string SystemFilePath(const core::GlobalPaths& paths, int index);
// The hosts file's second place, in the system folder.
std::string HostsInSystemFolder(const core::GlobalPaths& paths);
inline constexpr int kHostsItem = 8;

// Opens a system file in a document window, or says that it does not exist.
void OpenSystemFile(core::Program& program, int index);

// Starts the separate about program; says so when it is missing.
void About(core::Program& program);
void ShowHelp(core::Program& program);

} // namespace desktop
