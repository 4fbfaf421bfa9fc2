// Saving files: the backup, the size check, the faults of a failing disk.
#include "app/app_fixture.h"
#include <set>

#include "core/document_flags.h"
#include "files/open_file.h"
#include "files/save_file.h"
#include "platform/errors.h"

using platform::Answer;
namespace mb = platform::mb;
namespace err = platform::err;

namespace {

const std::string kPath = "C:\\docs\\notes.txt";
const std::string kBackup = "C:\\docs\\~Scrivex.temporary.notes.txt";

// A window that loaded notes.txt whole and was edited since.
class SaveTest : public AppTest {
  protected:
    void SetUp() override {
        platform.files.files[kPath] = "old content";
        Start();
        files::OpenFile(app, kPath, 1);
        doc = Active();
        Text1(doc).Type("new ");
        platform.files.log.clear();
    }
    bool Modified() { return core::HasFlag(doc->Text1(), core::flag::Modified); }
    std::map<std::string, std::string, std::less<>>& disk() { return platform.files.files; }
    std::vector<std::string> Ops() {
        std::vector<std::string> ops;
        for (const auto& entry : platform.files.log)
            ops.push_back(entry.substr(0, entry.find(' ')));
        return ops;
    }
    core::Document* doc = nullptr;
};

} // namespace

TEST_F(SaveTest, SaveInPlaceRewritesTheFileAndLeavesNoBackup) {
    EXPECT_FALSE(files::SaveDocument(app, *doc));
    EXPECT_EQ(disk()[kPath], "new old content");
    EXPECT_FALSE(disk().contains(kBackup));
    EXPECT_FALSE(Modified());
    EXPECT_EQ(doc->Text1().Tag(), "5");
    EXPECT_EQ(doc->form().Caption(), "notes.txt");
    EXPECT_EQ(doc->StatusBar1().PanelText(5), "15 Bytes ");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.dialogs.empty());
    // The backup exists before the file is emptied, and the new content is flushed before
    // the backup goes.
    EXPECT_EQ(Ops(),
              (std::vector<std::string>{"FileLength", "Copy", "OpenEmpty", "Close", "Open", "Write",
                                        "Flush", "Close", "FileLength", "Delete", "FileLength"}));
    EXPECT_EQ(platform.files.log[1], "Copy " + kPath);
    EXPECT_EQ(platform.files.log[9], "Delete " + kBackup);
}

TEST_F(SaveTest, SaveAsToANewFileMakesNoBackupAndAllowsSaveInPlace) {
    core::ClearFlag(doc->Text1(), core::flag::SaveInPlace);
    platform.dialogAnswers = {"C:\\other\\copy.log"};
    ASSERT_TRUE(frame().PressShortcut(platform::Ctrl('S'))); // Save acts as Save As
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].kind, "Save");
    EXPECT_EQ(platform.dialogs[0].fileName, "notes.txt");
    EXPECT_EQ(platform.dialogs[0].dialogTitle, "Save text file");
    EXPECT_EQ(platform.dialogs[0].filter, "Text files (*.txt)|*.txt|Log files (*.log)|*.log|INI "
                                          "files (*.ini)|*.ini|All files (*.*)|*.*");
    EXPECT_EQ(disk()["C:\\other\\copy.log"], "new old content");
    EXPECT_EQ(disk()[kPath], "old content");
    for (const auto& entry : platform.files.log)
        EXPECT_NE(entry.substr(0, 4), "Copy");
    EXPECT_EQ(doc->form().Caption(), "copy.log");
    EXPECT_EQ(doc->StatusBar1().PanelText(4), "C:\\other\\copy.log");
    EXPECT_EQ(doc->Text1().Tag(), "5");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SaveTest, SaveAsOverAnExistingFileAsksFirst) {
    disk()["C:\\d\\x.txt"] = "x";
    struct Case {
        Answer answer;
        std::string after;
    };
    for (const Case& c : {Case{Answer::No, "x"}, Case{Answer::Yes, "new old content"}}) {
        platform.messages.clear();
        platform.answers = {c.answer};
        platform.dialogAnswers = {"C:\\d\\x.txt"};
        EXPECT_FALSE(files::SaveDocumentAs(app, *doc)); // only Cancel in the dialog cancels
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text,
                  "File x.txt already exists.\r\nDo you want to overwrite it?");
        EXPECT_EQ(platform.messages[0].title, "notes.txt");
        EXPECT_EQ(platform.messages[0].style, mb::YesNo | mb::Question | mb::DefaultButton2);
        EXPECT_EQ(disk()["C:\\d\\x.txt"], c.after);
        EXPECT_FALSE(disk().contains("C:\\d\\~Scrivex.temporary.x.txt"));
    }
    EXPECT_EQ(doc->form().Caption(), "x.txt");
}

TEST_F(SaveTest, CancelInTheSaveDialogWritesNothingAndSaysSo) {
    core::ClearFlag(doc->Text1(), core::flag::SaveInPlace);
    EXPECT_TRUE(files::SaveDocument(app, *doc));
    EXPECT_EQ(disk()[kPath], "old content");
    EXPECT_TRUE(Modified());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SaveTest, APartlyLoadedFileProposesItsMarkedCaption) {
    disk()["C:\\d\\big.txt"] = std::string(70000, 'b');
    files::OpenFile(app, "C:\\d\\big.txt"); // a new window: the active one holds text
    platform.dialogAnswers = {std::nullopt};
    ASSERT_TRUE(frame().PressShortcut(platform::Ctrl('S')));
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].fileName, "~ under 64 kB ~ big.txt");
    EXPECT_EQ(disk()["C:\\d\\big.txt"].size(), 70000u);
}

TEST_F(SaveTest, APathWithoutAFolderNamesTheBackupAfterTheWholePath) {
    disk()["notes.txt"] = "old";
    platform.files.currentFolder = "";
    EXPECT_TRUE(files::WriteDocumentFile(app, *doc, "notes.txt"));
    EXPECT_EQ(disk()["notes.txt"], "new old content");
    EXPECT_EQ(doc->form().Caption(), "");
    EXPECT_EQ(platform.files.log[1], "Copy notes.txt");
    EXPECT_EQ(platform.files.log[9], "Delete notes.txt~Scrivex.temporary.");
}

// Every step of the save can fail; whatever the user answers, the previous content is on the
// disk (in the file or in its backup) and the window's text is as it was.
TEST_F(SaveTest, EveryFailingStepKeepsThePreviousContent) {
    struct Case {
        const char* op;
        int nth;
        int error;
        bool savedAfterIgnore; // the file holds the new text after Ignore to every report
    };
    const Case cases[] = {
        {"FileLength", 1, err::PermissionDenied, true}, // the size question
        {"Copy", 1, err::DiskFull, false},
        {"OpenEmpty", 1, err::PermissionDenied, true},
        {"Close", 1, err::PathFileAccess, true},
        {"Open", 1, err::PermissionDenied, false},
        {"Write", 1, err::DiskFull, false},
        {"Flush", 1, err::DiskFull, false},
        {"Close", 2, err::DiskFull, false},
        {"FileLength", 2, err::PathFileAccess, false}, // the size check
        {"Delete", 1, err::PermissionDenied, true},
    };
    const std::string text = "new old content";
    for (const auto& c : cases) {
        for (Answer answer : {Answer::Abort, Answer::Retry, Answer::Ignore}) {
            SCOPED_TRACE(std::string(c.op) + " #" + std::to_string(c.nth) + " answer " +
                         std::to_string(static_cast<int>(answer)));
            fake::FakePlatform p;
            p.files.files[kPath] = "old content";
            app::App a(p);
            a.Start();
            files::OpenFile(a, kPath, 1);
            core::Document& d = *a.ActiveDocument();
            dynamic_cast<fake::FakeTextBox&>(d.Text1()).Type("new ");
            p.files.Fail(c.op, c.error, c.nth);
            p.answers.assign(10, answer);
            if (answer == Answer::Abort) p.answers[1] = Answer::Yes; // "End Scrivex anyway?"

            bool ended = false;
            try {
                files::SaveDocument(a, d);
            } catch (const fake::ProgramEnded&) {
                ended = true;
            }
            auto& disk = p.files.files;
            const bool inFile = disk[kPath] == "old content";
            const bool inBackup = disk.contains(kBackup) && disk[kBackup] == "old content";
            const bool saved =
                answer == Answer::Retry || (answer == Answer::Ignore && c.savedAfterIgnore);
            // Replaced only by a save that worked; else kept in the file or its backup.
            if (saved) {
                EXPECT_EQ(disk[kPath], text);
            } else {
                EXPECT_TRUE(inFile || inBackup) << "file: " << disk[kPath];
            }
            EXPECT_EQ(d.Text1().Text(), text);
            ASSERT_FALSE(p.messages.empty());
            EXPECT_EQ(p.messages[0].title, "Run-time error");
            EXPECT_EQ(ended, answer == Answer::Abort);
            if (ended) continue;

            // Saved: modified cleared, and the backup gone unless deleting it failed.
            EXPECT_EQ(core::HasFlag(d.Text1(), core::flag::Modified), !saved);
            if (saved) {
                EXPECT_EQ(disk.contains(kBackup),
                          answer == Answer::Ignore && std::string(c.op) == "Delete");
            }
            // Not saved: the user is told so, with where the previous version is.
            const auto& last = p.messages.back();
            if (!saved) {
                EXPECT_EQ(last.title, "File error");
                EXPECT_EQ(last.style, mb::Critical | mb::OkOnly);
                if (inBackup) {
                    EXPECT_EQ(last.text,
                              "File notes.txt wasn't successfully saved!\r\nPrevious "
                              "version of file is stored in ~Scrivex.temporary.notes.txt");
                } else {
                    EXPECT_EQ(last.text.substr(0, 29), "File notes.txt wasn't saved!\r");
                }
            } else {
                EXPECT_EQ(last.title, "Run-time error");
            }
        }
    }
}

TEST_F(SaveTest, AReadOnlyFileStaysAsItWas) {
    platform.files.readOnly.insert(kPath);
    platform.answers.assign(10, Answer::Ignore);
    files::SaveDocument(app, *doc);
    EXPECT_EQ(disk()[kPath], "old content");
    EXPECT_TRUE(Modified());
    EXPECT_EQ(platform.messages.back().title, "File error");
}

TEST_F(SaveTest, AFailedNewFileNamesNoBackup) {
    core::ClearFlag(doc->Text1(), core::flag::SaveInPlace);
    platform.dialogAnswers = {"C:\\d\\fresh.txt"};
    platform.files.Fail("Write", err::DiskFull);
    platform.answers.assign(10, Answer::Ignore);
    files::SaveDocumentAs(app, *doc);
    EXPECT_EQ(platform.messages.back().text, "File fresh.txt wasn't successfully saved!");
    EXPECT_TRUE(Modified());
    // The panel names the chosen file, so Save goes there from now on.
    EXPECT_EQ(doc->Text1().Tag(), "7");
}

TEST_F(SaveTest, ARefusedSaveAsKeepsSaveAskingForAName) {
    // A partly loaded file: Save As to an existing file whose backup cannot be made must not
    // leave Save writing the part to the original path.
    disk()["C:\\d\\big.txt"] = std::string(70000, 'b');
    files::OpenFile(app, "C:\\d\\big.txt");
    core::Document* big = Active();
    disk()["C:\\d\\other.txt"] = "other";
    platform.dialogAnswers = {"C:\\d\\other.txt"};
    platform.files.Fail("Copy", err::DiskFull);
    platform.answers = {Answer::Yes, Answer::Ignore, Answer::Ok};
    files::SaveDocumentAs(app, *big);
    EXPECT_EQ(disk()["C:\\d\\other.txt"], "other");
    EXPECT_FALSE(core::HasFlag(big->Text1(), core::flag::SaveInPlace));
    EXPECT_EQ(big->StatusBar1().PanelText(4), "C:\\d\\big.txt");
}

// Saves of one document that fail in a row, then one that works. Whatever failed and whatever
// was answered, the last content that was whole on the disk stays there (in the file or in the
// backup) until a save has been checked; a backup is never left holding part of a file.
TEST(SaveSequence, FailedSavesInARowNeverLoseTheLastWholeContent) {
    struct Fault {
        const char* op;
        int nth;
        int error;
    };
    const Fault faults[] = {
        {"FileLength", 1, err::PermissionDenied},
        {"Copy", 1, err::DiskFull},
        {"OpenEmpty", 1, err::PermissionDenied},
        {"Close", 1, err::PathFileAccess},
        {"Open", 1, err::PermissionDenied},
        {"Write", 1, err::DiskFull},
        {"Flush", 1, err::DiskFull},
        {"Close", 2, err::DiskFull},
        {"FileLength", 2, err::PathFileAccess},
        {"Delete", 1, err::PermissionDenied},
    };
    // The answers to one save's reports: Ignore to all, Retry once into a second failure, or
    // Abort. A save can also come from the close question, which then closes the window.
    enum class Answers { Ignore, RetryThenIgnore, Abort, IgnoreOnClose };
    struct Save {
        const Fault* fault;
        Answers answers;
    };
    auto run = [&](const std::vector<Save>& saves) {
        std::string trace;
        for (const Save& s : saves)
            trace += std::string(s.fault->op) + "#" + std::to_string(s.fault->nth) + "/" +
                     std::to_string(static_cast<int>(s.answers)) + " ";
        SCOPED_TRACE(trace);
        fake::FakePlatform p;
        auto& disk = p.files.files;
        disk[kPath] = "old content";
        app::App a(p);
        a.Start();
        files::OpenFile(a, kPath, 1);
        core::Document* d = a.ActiveDocument();
        std::string whole = disk[kPath];        // the last content that was whole in the file
        std::set<std::string> everWhole{whole}; // what a backup may hold
        std::string text;                       // the window's text at the save
        bool ended = false;
        auto check = [&](const std::string& when) {
            SCOPED_TRACE(when);
            if (disk[kPath] != whole && disk[kPath] != text) {
                ASSERT_TRUE(disk.contains(kBackup)) << "file: " << disk[kPath];
                EXPECT_EQ(disk[kBackup], whole);
            }
            if (disk[kPath] == text) whole = disk[kPath], everWhole.insert(whole);
            // Abort ends the program at once, even in the middle of a copy, which leaves no
            // part of itself behind.
            if (disk.contains(kBackup)) {
                EXPECT_TRUE(everWhole.contains(disk[kBackup]));
            }
        };
        for (size_t i = 0; i < saves.size(); ++i) {
            const Save& s = saves[i];
            dynamic_cast<fake::FakeTextBox&>(d->Text1()).Type(std::string(i + 1, 'x'));
            text = d->Text1().Text();
            p.files.Heal();
            p.files.Fail(s.fault->op, s.fault->error, s.fault->nth,
                         s.answers == Answers::RetryThenIgnore ? 2 : 1);
            p.answers.assign(20, Answer::Ignore);
            if (s.answers == Answers::RetryThenIgnore) p.answers.front() = Answer::Retry;
            if (s.answers == Answers::Abort)
                p.answers.front() = Answer::Abort, p.answers[1] = Answer::Yes;
            ended = false;
            try {
                if (s.answers == Answers::IgnoreOnClose) {
                    p.answers.push_front(Answer::Yes); // "Do you want to save it?"
                    d->form().Close(platform::UnloadMode::Code);
                } else {
                    files::SaveDocument(a, *d);
                }
            } catch (const fake::ProgramEnded&) {
                ended = true;
            }
            check("after save " + std::to_string(i + 1));
            if (ended || s.answers == Answers::IgnoreOnClose) return;
        }
        // Then a save that works: the file holds the text and no backup is left.
        p.files.Heal();
        dynamic_cast<fake::FakeTextBox&>(d->Text1()).Type("last ");
        p.answers.clear();
        files::SaveDocument(a, *d);
        EXPECT_EQ(disk[kPath], d->Text1().Text());
        EXPECT_FALSE(disk.contains(kBackup));
        EXPECT_FALSE(core::HasFlag(d->Text1(), core::flag::Modified));
    };
    const Answers all[] = {Answers::Ignore, Answers::RetryThenIgnore, Answers::Abort,
                           Answers::IgnoreOnClose};
    for (const Fault& f1 : faults)
        for (Answers a1 : {Answers::Ignore, Answers::RetryThenIgnore})
            for (const Fault& f2 : faults)
                for (Answers a2 : all)
                    run({{&f1, a1}, {&f2, a2}});
    for (const Fault& f1 : faults)
        for (const Fault& f2 : faults)
            for (const Fault& f3 : faults)
                for (Answers a3 : {Answers::Ignore, Answers::IgnoreOnClose})
                    run({{&f1, Answers::Ignore}, {&f2, Answers::Ignore}, {&f3, a3}});
}

// A backup on the disk that this run did not make (its save broke off before a restart) may be
// the only whole copy of the file. Whatever the next save meets, that copy is kept under a
// free name and the user is told where; a backup that cannot be moved stops the save.
TEST(SaveAfterRestart, ABackupFoundOnTheDiskIsKept) {
    const std::string kept = "~Scrivex.kept.", kept1 = "C:\\docs\\" + kept + "1.notes.txt";
    struct Case {
        const char* failing; // the operation that fails once, answered with Ignore
        int keptAs;          // the number of the free name; 0: the backup stays where it was
        const char* file;    // the file afterwards
    };
    const Case cases[] = {
        {"", 1, "xpart of"},
        {"", 2, "xpart of"},    // kept.1 is taken
        {"Copy", 1, "part of"}, // the disk is full
        {"Rename", 0, "part of"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.failing) + " kept as " + std::to_string(c.keptAs));
        fake::FakePlatform p;
        auto& disk = p.files.files;
        disk[kPath] = "part of";
        disk[kBackup] = "the whole old text";
        if (c.keptAs == 2) disk[kept1] = "another";
        app::App a(p);
        a.Start();
        files::OpenFile(a, kPath, 1);
        dynamic_cast<fake::FakeTextBox&>(a.ActiveDocument()->Text1()).Type("x");
        if (*c.failing) p.files.Fail(c.failing, err::DiskFull);
        p.answers.assign(10, Answer::Ignore);
        files::SaveDocument(a, *a.ActiveDocument());

        const std::string keptAs = kept + std::to_string(c.keptAs) + ".notes.txt";
        EXPECT_EQ(disk[kPath], c.file);
        EXPECT_EQ(disk.contains(kBackup), c.keptAs == 0);
        EXPECT_EQ(disk[c.keptAs ? "C:\\docs\\" + keptAs : kBackup], "the whole old text");
        if (c.keptAs == 2) {
            EXPECT_EQ(disk[kept1], "another");
        }
        if (c.keptAs == 0) continue;
        ASSERT_FALSE(p.messages.empty());
        EXPECT_EQ(p.messages[0].text,
                  "A backup copy of notes.txt from an earlier save was found.\r\nIt may be the "
                  "only whole copy of the file, so it was kept as " +
                      keptAs + ".");
    }
}
