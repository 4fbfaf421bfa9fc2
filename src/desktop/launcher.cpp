// The program launcher, the system files, the about program and the help message.
#include "desktop/launcher.h"

#include "core/core_texts.h"
#include "core/error_trap.h"
#include "desktop/desktop_texts.h"
#include "files/open_file.h"

namespace desktop {

std::string ProgramCommandLine(int index) {
    for (const ProgramItem& item : kProgramItems)
        if (item.index == index) return item.commandLine;
    return "";
}

void RunProgram(core::Program& program, int index) {
    std::string commandLine = ProgramCommandLine(index);
    if (index == kShellItem) {
        commandLine = program.platform.InputBox(text::ShellPrompt, core::text::AppTitle, "");
        if (commandLine.empty()) return;
    }
    try {
        program.platform.Desktop().StartProgram(commandLine);
    } catch (const std::exception&) {
        // No such program, or nothing to start: a beep says it.
        program.platform.Beep();
    }
}

std::string SystemFilePath(const core::GlobalPaths& paths, int index) {
    if (index < 0 || index > kHostsItem) return "";
    if (index <= 4) return paths.systemRoot + kSystemFiles[index];
    return paths.windowsFolder + "\\" + kSystemFiles[index];
}

std::string HostsInSystemFolder(const core::GlobalPaths& paths) {
    return paths.systemFolder + "\\drivers\\etc\\hosts";
}

void OpenSystemFile(core::Program& program, int index) {
    platform::Platform& platform = program.platform;
    std::string path = SystemFilePath(program.paths, index);
    core::RunTrapped(platform, [&](core::ErrorTrap& trap) {
        trap.Handle(platform::err::FileNotFound, [&](const platform::RuntimeError&) {
            platform.MsgBox(text::SystemFileMissing(path), platform::mb::Exclamation,
                            core::text::AppTitle);
            return false;
        });
        if (index == kHostsItem) {
            // The first place is only a question: its absence says nothing.
            try {
                platform.Files().FileLength(path);
            } catch (const platform::RuntimeError&) {
                path = HostsInSystemFolder(program.paths);
            }
        }
        trap.Step([&] { platform.Files().FileLength(path); });
        trap.Step([&] {
            if (program.registry.Count() == 0) program.NewDocument();
        });
        trap.Step([&] { files::OpenFile(program, path); });
    });
}

void About(core::Program& program) {
    platform::Platform& platform = program.platform;
    core::RunTrapped(platform, [&](core::ErrorTrap& trap) {
        trap.Handle(platform::err::FileNotFound, [&](const platform::RuntimeError&) {
            platform.MsgBox(text::AboutMissing, platform::mb::Critical, core::text::AppTitle);
            return false;
        });
        trap.Step([&] { platform.Desktop().StartProgram(text::AboutProgram); });
    });
}

void ShowHelp(core::Program& program) {
    program.platform.MsgBox(text::HelpMessage, platform::mb::OkOnly, core::text::AppTitle);
}

} // namespace desktop
