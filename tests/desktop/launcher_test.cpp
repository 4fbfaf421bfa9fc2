// The program launcher, the system files, About and the help message.
#include <gtest/gtest.h>

#include <set>

#include "app/app_fixture.h"
#include "desktop/launcher.h"

namespace {

class LauncherTest : public AppTest {
  protected:
    void Shell(int index) {
        Active()->menu().Choose(Active()->menu().Find("mnuToolsShell", index));
    }
    void SystemFile(platform::Menu& menu, int index) {
        menu.Choose(menu.Find("mnuToolsSystemConfig", index));
    }
};

TEST_F(LauncherTest, ProgramItemsStartTheirProgramsAndFailuresOnlyBeep) {
    Start();
    platform::Menu& menu = Active()->menu();
    auto choose = [&](const char* caption) {
        for (const auto& item : menu.Items())
            if (item.def.name == "mnuToolsShell" && item.def.caption == caption)
                Shell(item.def.index);
    };
    platform.desktop.programs = {"notepad.exe", "control.exe", "cmd.exe"};
    for (const char* caption : {"Notepad", "Control panel", "CMD"})
        choose(caption);
    EXPECT_EQ(platform.desktop.started,
              (std::vector<std::string>{"notepad.exe", "control.exe", "cmd.exe"}));
    // Every other item names a program of its own; separators name none.
    std::set<std::string> programs;
    for (const auto& item : menu.Items()) {
        if (item.def.name != "mnuToolsShell" || item.def.index == desktop::kShellItem) continue;
        const std::string line = desktop::ProgramCommandLine(item.def.index);
        EXPECT_EQ(line.empty(), item.IsSeparator()) << item.def.index;
        EXPECT_TRUE(line.empty() || (line.ends_with(".exe") && programs.insert(line).second));
    }
    EXPECT_EQ(platform.beeps, 0);
    // A program the system does not have: one beep, no message, nothing started.
    platform.desktop.started.clear();
    choose("MSPaint");
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.desktop.started.empty());
    // An index outside the list has an empty command line: a beep as well.
    desktop::RunProgram(app, 11);
    EXPECT_EQ(platform.beeps, 2);
}

TEST_F(LauncherTest, ShellRunsTheTypedCommandLineAndCancelDoesNothing) {
    Start();
    platform.inputAnswers = {std::nullopt, "", "notepad.exe C:\\a b.txt", "nothing.exe"};
    Shell(100);
    ASSERT_EQ(platform.inputs.size(), 1u);
    EXPECT_EQ(platform.inputs[0].prompt, "Enter a command line argument to execute :");
    EXPECT_EQ(platform.inputs[0].title, "Scrivex");
    EXPECT_EQ(platform.inputs[0].defaultText, "");
    Shell(100); // OK with nothing typed
    EXPECT_TRUE(platform.desktop.started.empty());
    EXPECT_EQ(platform.beeps, 0);
    Shell(100);
    EXPECT_EQ(platform.desktop.started, std::vector<std::string>{"notepad.exe C:\\a b.txt"});
    Shell(100);
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(LauncherTest, SystemFilePathsComeFromTheGivenFolders) {
    core::GlobalPaths paths{"D:\\WINNT", "D:\\WINNT\\system32", "D:\\"};
    const char* expected[] = {"D:\\autoexec.bat",   "D:\\config.sys",
                              "D:\\msdos.sys",      "D:\\bootlog.txt",
                              "D:\\boot.ini",       "D:\\WINNT\\system.ini",
                              "D:\\WINNT\\win.ini", "D:\\WINNT\\winstart.bat",
                              "D:\\WINNT\\hosts"};
    for (int i = 0; i <= 8; ++i)
        EXPECT_EQ(desktop::SystemFilePath(paths, i), expected[i]) << i;
    EXPECT_EQ(desktop::HostsInSystemFolder(paths), "D:\\WINNT\\system32\\drivers\\etc\\hosts");
}

TEST_F(LauncherTest, SystemFileOpensInTheEmptyWindowOrANewOneOrSaysItIsMissing) {
    Start();
    EXPECT_EQ(app.paths.systemRoot, "C:\\");
    platform.files.files["C:\\WINDOWS\\win.ini"] = "[windows]";
    platform.files.files["C:\\WINDOWS\\system32\\drivers\\etc\\hosts"] = "127.0.0.1 localhost";

    SystemFile(Active()->menu(), 6); // the empty window takes it
    EXPECT_EQ(Count(), 1);
    EXPECT_EQ(Text1(Active()).Text(), "[windows]");
    SystemFile(Active()->menu(), 8); // hosts: not in the Windows folder, so the system folder's
    EXPECT_EQ(Count(), 2);
    EXPECT_EQ(Text1(Active()).Text(), "127.0.0.1 localhost");
    EXPECT_TRUE(platform.messages.empty());

    platform.files.files["C:\\WINDOWS\\hosts"] = "old hosts";
    SystemFile(Active()->menu(), 8);
    EXPECT_EQ(Text1(Active()).Text(), "old hosts");

    platform.files.files.erase("C:\\WINDOWS\\hosts");
    platform.files.files.erase("C:\\WINDOWS\\system32\\drivers\\etc\\hosts");
    SystemFile(Active()->menu(), 8);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "File C:\\WINDOWS\\system32\\drivers\\etc\\hosts doesn't exist.");
    EXPECT_EQ(platform.messages[0].title, "Scrivex");
    EXPECT_EQ(platform.messages[0].style, platform::mb::Exclamation);
    EXPECT_EQ(Count(), 3);
}

TEST_F(LauncherTest, SystemFileFromTheFrameMakesAWindowOnlyForAnExistingFile) {
    Start();
    while (Active())
        Active()->form().Close(platform::UnloadMode::Code);
    SystemFile(app.FrameMenu(), 0);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "File C:\\autoexec.bat doesn't exist.");
    EXPECT_EQ(Count(), 0);
    platform.files.files["C:\\autoexec.bat"] = "@echo off";
    SystemFile(app.FrameMenu(), 0);
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(Text1(Active()).Text(), "@echo off");
}

TEST_F(LauncherTest, AboutStartsTheAboutProgramOrSaysItIsMissing) {
    Start();
    frame().PressShortcut(platform::Plain(platform::key::F(1)));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "File About.exe not find");
    EXPECT_EQ(platform.messages[0].title, "Scrivex");
    EXPECT_EQ(platform.messages[0].style, platform::mb::Critical);
    platform.desktop.programs.insert("about.exe");
    platform.desktop.popupChoices = {"mnuSystrayAbout"};
    platform.desktop.tray.Mouse(517);
    EXPECT_EQ(platform.desktop.started, std::vector<std::string>{"About.exe"});
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(LauncherTest, HelpShowsItsTwoLines) {
    Start();
    Active()->menu().Choose(Active()->menu().Find("mnuHelpHelp"));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "You are stupid, that you need\r\nhelp on this simple text editor?");
    EXPECT_EQ(platform.messages[0].style, platform::mb::OkOnly);
}

} // namespace
