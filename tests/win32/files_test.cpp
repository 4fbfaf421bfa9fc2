// Opening and saving on the real file system and the real dialogs: the common dialog, bad
// input, the save with its backup, and a save onto a full disk.
#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

#include "app/app.h"
#include "app/document_window.h"
#include "app/frame_window.h"
#include "core/document_flags.h"
#include "files/open_file.h"
#include "files/save_file.h"
#include "files/save_question.h"
#include "harness_support.h"
// After <windows.h>, which harness_support.h brings.
#include "platform/errors.h"
#include "platform/win32/win32_common_dialog.h"
#include <commdlg.h>
#include <dlgs.h>

using platform::Answer;
using namespace win32_test;

namespace {

TEST(CommonDialog, FilterBecomesTheSystemsForm) {
    EXPECT_EQ(platform::win32::SystemFilter("Text files (*.txt)|*.txt|All files (*.*)|*.*"),
              std::string("Text files (*.txt)\0*.txt\0All files (*.*)\0*.*\0\0", 46));
}

class ProgramFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = TempFolder("scrivex-files");
        app.Start();
        app.frame().form().onActivate = nullptr;
        platform.DoEvents();
    }
    void TearDown() override { platform.DoEvents(); }
    core::Document& Active() { return *app.ActiveDocument(); }
    std::vector<int> Reports() {
        std::vector<int> numbers;
        for (const auto& m : platform.shown)
            if (m.title == "Run-time error")
                numbers.push_back(std::atoi(m.text.c_str() + m.text.find("Number = ") + 9));
        return numbers;
    }

    ScriptedPlatform platform;
    app::App app{platform};
    std::string folder;
};

TEST_F(ProgramFiles, TheOpenDialogShowsItsTitleAndCancelEndsSilently) {
    auto& dialog = app.frame().comDlg();
    {
        DialogDriver driver([](HWND d) { PostMessageA(d, WM_COMMAND, IDCANCEL, 0); });
        ASSERT_TRUE(app.frame().form().Loaded());
        files::OpenFile(app);
        platform.DoEvents();
        EXPECT_EQ(driver.Caption(), "Open text file");
    }
    EXPECT_EQ(dialog.filter.substr(0, 24), "Text files (*.txt)|*.txt");
    EXPECT_TRUE(platform.shown.empty());
    EXPECT_EQ(Active().form().Caption(), "Untitled");
}

TEST_F(ProgramFiles, FilesChosenInTheDialogsAreOpenedAndSaved) {
    const std::string a = folder + "chosen.txt", b = folder + "saved as.txt";
    WriteFile(a, "from the dialog");
    WriteFile(b, "to be replaced");
    auto type = [](const std::string& path) {
        return [path](HWND d) {
            // The name field of the system's dialog (a combo box or an edit).
            SetDlgItemTextA(d, cmb13, path.c_str());
            SetDlgItemTextA(d, edt1, path.c_str());
            PostMessageA(d, WM_COMMAND, IDOK, 0);
        };
    };
    {
        DialogDriver driver(type(a));
        files::OpenFile(app);
    }
    EXPECT_EQ(Active().form().Caption(), "chosen.txt");
    EXPECT_EQ(Active().Text1().Text(), "from the dialog");
    EXPECT_EQ(Active().StatusBar1().PanelText(4), a);

    Active().Text1().SetSelStart(4);
    Active().Text1().SetSelText("X");
    platform.answers = {Answer::Yes}; // overwrite
    {
        DialogDriver driver(type(b));
        EXPECT_FALSE(files::SaveDocumentAs(app, Active()));
        EXPECT_EQ(driver.Caption(), "Save text file");
    }
    ASSERT_EQ(platform.shown.size(), 1u);
    EXPECT_EQ(platform.shown[0].text,
              "File saved as.txt already exists.\r\nDo you want to overwrite it?");
    EXPECT_EQ(ReadFile(b), "fromX the dialog");
    EXPECT_EQ(ReadFile(folder + "~Scrivex.temporary.saved as.txt"), "<missing>");
    EXPECT_EQ(Active().form().Caption(), "saved as.txt");
    EXPECT_EQ(Active().Text1().Tag(), "5");
    EXPECT_EQ(app.frame().comDlg().fileTitle, "saved as.txt");
}

TEST_F(ProgramFiles, CommandLineFilesOpenWithTheirRulesAndSaveInPlace) {
    WriteFile(folder + "a b.txt", std::string(65535, 'a'));
    WriteFile(folder + "big.txt", std::string(200000, 'b'));
    platform.commandLine = "\"" + folder + "a b.txt\" " + folder + "big.txt";
    app.OpenCommandLineFiles();
    ASSERT_EQ(app.registry.Count(), 2);
    core::Document& whole = *app.registry.Window(1);
    core::Document& part = *app.registry.Window(2);
    EXPECT_EQ(whole.form().Caption(), "a b.txt");
    EXPECT_EQ(whole.Text1().Text().size(), 65535u);
    EXPECT_EQ(whole.Text1().Tag(), "5");
    EXPECT_EQ(part.form().Caption(), "~ under 64 kB ~ big.txt");
    EXPECT_EQ(part.Text1().Text().size(), 65535u);
    ASSERT_EQ(platform.shown.size(), 1u);
    EXPECT_EQ(platform.shown[0].title, "big.txt");

    // Typing at the end of a full window adds nothing.
    part.Text1().SetSelStart(65535);
    SendMessageA(HwndOf(part.Text1()), WM_CHAR, 'z', 1);
    EXPECT_EQ(part.Text1().Text().size(), 65535u);

    whole.Text1().SetSelStart(0);
    whole.Text1().SetSelLength(10);
    whole.Text1().SetSelText("saved");
    EXPECT_FALSE(files::SaveDocument(app, whole));
    EXPECT_EQ(ReadFile(folder + "a b.txt"), "saved" + std::string(65525, 'a'));
    EXPECT_EQ(ReadFile(folder + "~Scrivex.temporary.a b.txt"), "<missing>");
    EXPECT_EQ(whole.Text1().Tag(), "5");
    EXPECT_EQ(whole.StatusBar1().PanelText(5), "65530 Bytes ");

    // Closing with the save question: Yes saves the window asked about.
    whole.Text1().SetSelText("!");
    platform.answers = {Answer::Yes};
    EXPECT_TRUE(whole.form().Close());
    EXPECT_EQ(ReadFile(folder + "a b.txt").substr(0, 6), "saved!");
    EXPECT_EQ(platform.shown.back().text, "File a b.txt was modified.\r\nDo you want to save it?");
    EXPECT_EQ(app.registry.Count(), 1);
}

TEST_F(ProgramFiles, BadInputReportsAndTheProgramStaysUsable) {
    const std::string locked = folder + "locked.txt", empty = folder + "empty.txt";
    WriteFile(locked, "held by another program");
    WriteFile(empty, "");
    // A name the ANSI code page cannot hold: the system gives it to us with '?' in it.
    std::wstring wide(locked.begin(), locked.end());
    wide = wide.substr(0, wide.rfind(L'\\') + 1) + L"\u4E2D\u6587.txt";
    HANDLE made = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(made);
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "*.txt").c_str(), &found);
    std::string unrepresentable;
    do {
        if (std::string(found.cFileName).find('?') != std::string::npos)
            unrepresentable = folder + found.cFileName;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    ASSERT_FALSE(unrepresentable.empty());

    HANDLE holder = CreateFileA(locked.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    struct Case {
        std::string path;
        std::vector<int> reports;
    };
    const Case cases[] = {
        {folder + "missing.txt", {53, 53}},
        {folder.substr(0, folder.size() - 1), {75}},
        {locked, {70}},
        {unrepresentable, {52, 52}},
        {folder + "no such folder\\x.txt", {76, 76}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        platform.shown.clear();
        platform.answers.assign(10, Answer::Ignore);
        files::OpenFile(app, c.path, 1);
        EXPECT_EQ(Reports(), c.reports);
        EXPECT_EQ(Active().Text1().Text(), "");
        EXPECT_FALSE(core::HasFlag(Active().Text1(), core::flag::SaveInPlace));
    }
    CloseHandle(holder);
    EXPECT_EQ(ReadFile(locked), "held by another program");

    platform.shown.clear();
    files::OpenFile(app, empty, 1);
    EXPECT_TRUE(platform.shown.empty());
    EXPECT_EQ(Active().form().Caption(), "empty.txt");
    EXPECT_EQ(Active().Text1().Tag(), "5");
    EXPECT_EQ(Active().StatusBar1().PanelText(5), "0 Bytes ");
    DeleteFileW(wide.c_str());
}

TEST_F(ProgramFiles, AFileThatCannotBeWrittenKeepsItsContent) {
    const std::string path = folder + "shared.txt";
    WriteFile(path, "previous");
    files::OpenFile(app, path, 1);
    Active().Text1().SetText("replacement");
    // Another program reads the file and lets nobody write it meanwhile.
    HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    platform.answers.assign(10, Answer::Ignore);
    files::SaveDocument(app, Active());
    CloseHandle(reader);
    EXPECT_EQ(ReadFile(path), "previous");
    EXPECT_EQ(Reports().front(), 70);
    EXPECT_EQ(platform.shown.back().title, "File error");
    EXPECT_TRUE(core::HasFlag(Active().Text1(), core::flag::Modified));
}

TEST_F(ProgramFiles, TheBackupOfAReadOnlyFileCanBeRemoved) {
    const std::string path = folder + "readonly.txt", backup = files::BackupPath(path);
    WriteFile(path, "previous");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    platform.Files().Copy(path, backup);
    EXPECT_EQ(ReadFile(backup), "previous");
    EXPECT_NO_THROW(platform.Files().Delete(backup));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(ProgramFiles, DeviceNamesOnTheCommandLineAreReportedAndTheNextNameOpens) {
    WriteFile(folder + "after.txt", "opened");
    platform.commandLine = "con " + folder + "nul.bin \"" + folder + "after.txt\"";
    platform.answers.assign(20, Answer::Ignore);
    EXPECT_NO_THROW(app.OpenCommandLineFiles());
    EXPECT_FALSE(Reports().empty());
    EXPECT_EQ(Active().form().Caption(), "after.txt");
    EXPECT_EQ(Active().Text1().Text(), "opened");
    // And the program goes on as usual.
    EXPECT_TRUE(app.NewDocument());
    EXPECT_EQ(Active().form().Caption(), "Untitled");
}

// A handler that fails: the answers to its reports, whether it raises a run-time error (else a
// C++ exception), how often it runs and the error number reported each time.
struct FailingHandlerCase {
    std::vector<Answer> answers;
    bool runtimeError;
    int calls;
    int number;
};
const FailingHandlerCase kFailingHandlerCases[] = {
    {{Answer::Ignore}, true, 1, 75},
    {{Answer::Retry, Answer::Ignore}, true, 2, 75},
    {{Answer::Ignore}, false, 1, 51},
};

// An error that escapes an event handler gets the report and crosses into no system code.
TEST_F(ProgramFiles, AnErrorEscapingAnEventHandlerIsReportedAndTheProgramGoesOn) {
    for (const FailingHandlerCase& c : kFailingHandlerCases) {
        int calls = 0;
        auto handler = [&] {
            ++calls;
            if (c.runtimeError) throw platform::RuntimeError(platform::err::PathFileAccess);
            throw std::runtime_error("handler failed");
        };
        // Sent by the system: the window is resized.
        platform::Form& form = Active().form();
        auto resize = std::move(form.onResize);
        form.onResize = handler;
        platform.shown.clear();
        platform.answers.assign(c.answers.begin(), c.answers.end());
        SendMessageA(HwndOf(form), WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200));
        EXPECT_EQ(calls, c.calls);
        EXPECT_EQ(Reports(), std::vector<int>(c.calls, c.number));
        form.onResize = std::move(resize);
    }
    EXPECT_TRUE(app.NewDocument());
}

// The same through the program's message loop: a key that waits in the queue reaches a window's
// key preview, whose handler fails, when the program lets events run.
TEST_F(ProgramFiles, AnErrorEscapingAKeyHandlerInTheMessageLoopIsReportedAndTheQueueGoesOn) {
    platform::FormDef def;
    def.kind = platform::FormKind::Tool;
    def.name = "frmKeys";
    def.keyPreview = true;
    platform::ControlDef box;
    box.kind = platform::ControlKind::TextBox;
    box.name = "Text1";
    box.tabIndex = 0;
    def.controls.push_back(box);
    auto form = platform.CreateForm(def);
    form->Show();
    HWND text1 = HwndOf(form->Get<platform::TextBox>("Text1"));
    for (const FailingHandlerCase& c : kFailingHandlerCases) {
        int calls = 0;
        form->onKeyDown = [&](int key, int) {
            if (key != VK_F5) return;
            ++calls;
            if (c.runtimeError) throw platform::RuntimeError(platform::err::PathFileAccess);
            throw std::runtime_error("handler failed");
        };
        platform.shown.clear();
        platform.answers.assign(c.answers.begin(), c.answers.end());
        form->Get<platform::TextBox>("Text1").SetText("");
        PostMessageA(text1, WM_KEYDOWN, VK_F5, 1);
        PostMessageA(text1, WM_CHAR, 'z', 1); // waits behind the failing key
        EXPECT_NO_THROW(platform.DoEvents());
        EXPECT_EQ(calls, c.calls);
        EXPECT_EQ(Reports(), std::vector<int>(c.calls, c.number));
        EXPECT_EQ(form->Get<platform::TextBox>("Text1").Text(), "z");
    }
    form->onKeyDown = nullptr;
    form->Unload();
    EXPECT_TRUE(app.NewDocument());
}

// A file whose path is just short enough for the program to open it: its backup's path is
// longer than MAX_PATH, and is made and removed all the same.
TEST_F(ProgramFiles, AFileWithALongPathSavesWithoutAStrayBackup) {
    std::string dir = folder;
    while (dir.size() < 200) {
        dir += std::string(40, 'd') + "\\";
        CreateDirectoryA(dir.c_str(), nullptr);
    }
    const std::string path = dir + std::string(250 - dir.size(), 'f');
    const std::string backup = files::BackupPath(path);
    ASSERT_GT(backup.size(), 260u);
    WriteFile(path, "previous");
    files::OpenFile(app, path, 1);
    Active().Text1().SetText("replacement");
    platform.answers.assign(10, Answer::Ignore);
    files::SaveDocument(app, Active());
    EXPECT_EQ(ReadFile(path), "replacement");
    EXPECT_TRUE(Reports().empty());
    EXPECT_FALSE(platform.Files().Exists(backup));
    EXPECT_FALSE(core::HasFlag(Active().Text1(), core::flag::Modified));
}

// Run by tests/win32/disk_full_save.sh on a 1 MiB tmpfs it mounts; it names the folder in
// SCRIVEX_FULL_DISK. A save onto the full disk must keep the file's previous content.
TEST_F(ProgramFiles, SavingOntoAFullDiskKeepsThePreviousContent) {
    const char* full = std::getenv("SCRIVEX_FULL_DISK");
    if (!full) GTEST_SKIP() << "needs the full disk made by disk_full_save.sh";
    std::string dir = std::string(full) + "\\";
    const std::string path = dir + "notes.txt", filler = dir + "filler";
    const std::string previous(30000, 'p');
    WriteFile(path, previous);
    files::OpenFile(app, path, 1);
    ASSERT_EQ(Active().Text1().Tag(), "5");
    Active().Text1().SetText(std::string(60000, 'n'));

    // Fill every byte that is left.
    HANDLE fill = CreateFileA(filler.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    std::string chunk(4096, 'f');
    DWORD written = 0;
    LONGLONG filled = 0;
    while (::WriteFile(fill, chunk.data(), 4096, &written, nullptr) && written == 4096)
        filled += written;
    CloseHandle(fill);
    ASSERT_GT(filled, 0);

    // No room even for the backup: the file is left as it was.
    platform.answers.assign(10, Answer::Ignore);
    platform.answers.front() = Answer::Retry;
    files::SaveDocument(app, Active());
    EXPECT_TRUE(ReadFile(path) == previous) << ReadFile(path).size() << " bytes in the file";
    EXPECT_EQ(Reports(), (std::vector<int>{61, 61}));
    EXPECT_EQ(platform.shown.back().text.substr(0, 28), "File notes.txt wasn't saved!");
    EXPECT_TRUE(core::HasFlag(Active().Text1(), core::flag::Modified));

    // Room for the backup but not for the longer text: the write runs short, the backup
    // keeps the previous content.
    fill = CreateFileA(filler.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    LARGE_INTEGER end;
    end.QuadPart = filled - 48 * 1024;
    SetFilePointerEx(fill, end, nullptr, FILE_BEGIN);
    SetEndOfFile(fill);
    CloseHandle(fill);
    DeleteFileA((dir + "~Scrivex.temporary.notes.txt").c_str());
    platform.shown.clear();
    platform.answers.assign(10, Answer::Ignore);
    files::SaveDocument(app, Active());
    const std::string inFile = ReadFile(path);
    const std::string inBackup = ReadFile(dir + "~Scrivex.temporary.notes.txt");
    EXPECT_TRUE(inFile == previous || inBackup == previous)
        << "file " << inFile.size() << " bytes, backup " << inBackup.size() << " bytes";
    EXPECT_EQ(Reports().front(), 61);
    EXPECT_EQ(platform.shown.back().title, "File error");
    EXPECT_EQ(Active().Text1().Text(), std::string(60000, 'n'));

    // Saved again, on the disk that is still full, from Ctrl+S and then from the close
    // question: the backup holds the only whole copy and is neither replaced nor removed.
    for (bool fromClose : {false, true}) {
        SCOPED_TRACE(fromClose ? "close question" : "save");
        platform.shown.clear();
        platform.answers.assign(10, Answer::Ignore);
        if (fromClose) {
            platform.answers.front() = Answer::Yes;
            files::AskSaveChanges(app, Active());
        } else {
            files::SaveDocument(app, Active());
        }
        EXPECT_TRUE(ReadFile(dir + "~Scrivex.temporary.notes.txt") == previous)
            << ReadFile(dir + "~Scrivex.temporary.notes.txt").size() << " bytes in the backup";
        EXPECT_NE(ReadFile(path), std::string(60000, 'n'));
        EXPECT_EQ(platform.shown.back().title, "File error");
        EXPECT_TRUE(core::HasFlag(Active().Text1(), core::flag::Modified));
    }

    // A restart forgets which backup is the only whole copy. The next save finds it on the
    // disk and keeps it under a free name; its own copy breaks off on the full disk and leaves
    // nothing of itself behind.
    const std::string kept = dir + "~Scrivex.kept.1.notes.txt";
    app.saves.soleCopies.clear();
    platform.answers.assign(10, Answer::Ignore);
    files::SaveDocument(app, Active());
    EXPECT_TRUE(ReadFile(kept) == previous) << ReadFile(kept).size() << " bytes kept";
    const std::string backup = ReadFile(dir + "~Scrivex.temporary.notes.txt");
    EXPECT_TRUE(backup == "<missing>" || backup == ReadFile(path)) << backup.size() << " bytes";

    // With room again, the save goes through and the backup goes; the kept copy stays.
    DeleteFileA(filler.c_str());
    platform.shown.clear();
    files::SaveDocument(app, Active());
    EXPECT_EQ(ReadFile(path), std::string(60000, 'n'));
    EXPECT_EQ(ReadFile(dir + "~Scrivex.temporary.notes.txt"), "<missing>");
    EXPECT_TRUE(platform.shown.empty());
    EXPECT_TRUE(ReadFile(kept) == previous);
}

} // namespace
