// Opening files: dialogs, the size and NUL rules, bad names, window reuse.
#include "app/app_fixture.h"
#include "core/document_flags.h"
#include "files/open_file.h"
#include "platform/errors.h"

using platform::Answer;
namespace mb = platform::mb;

namespace {

const char* kLarge = "This file is larger than 64 kB. You will be able to\r\n"
                     "view and work only with the first 64 kB, and therefore\r\n"
                     "DO NOT SAVE this file to it's original path, until you\r\n"
                     "want to lose all the data over the first 64 kB!";
const char* kBinary = "This is a binary file. You will be able to view and\r\n"
                      "work only with data, until first NULL char and\r\n"
                      "therefore DO NOT SAVE this file to it's original\r\n"
                      "path, until you want to destroy it!";

class OpenFileTest : public AppTest {
  protected:
    std::string& File(const std::string& path) { return platform.files.files[path]; }
    std::vector<std::string> Texts() {
        std::vector<std::string> texts;
        for (const auto& m : platform.messages)
            texts.push_back(m.text);
        return texts;
    }
    // The run-time error numbers reported, in order.
    std::vector<int> Reports() {
        std::vector<int> numbers;
        for (const auto& m : platform.messages) {
            if (m.title != "Run-time error") continue;
            size_t at = m.text.find("Error Number = ") + 15;
            numbers.push_back(std::stoi(m.text.substr(at)));
        }
        return numbers;
    }
};

} // namespace

TEST_F(OpenFileTest, SizeAndNulRulesDecideMarksWarningsAndSave) {
    struct Case {
        std::string content;
        std::string caption;
        size_t textLength;
        std::string tag; // flags after the load
        std::vector<std::string> warnings;
    };
    std::string binaryLarge(70000, 'b');
    binaryLarge[9] = '\0';
    const Case cases[] = {
        {"", "f.txt", 0, "5", {}},
        {"one\r\ntwo", "f.txt", 8, "5", {}},
        {std::string(65535, 'x'), "f.txt", 65535, "5", {}},
        {std::string(65536, 'x'), "~ under 64 kB ~ f.txt", 65535, "1", {kLarge}},
        {std::string("ab\0cd", 5), "~ Binary until NULL ~ f.txt", 2, "1", {kBinary}},
        {std::string("\0", 1), "~ Binary until NULL ~ f.txt", 0, "1", {kBinary}},
        {binaryLarge, "~ Binary until NULL ~ ~ under 64 kB ~ f.txt", 9, "1", {kLarge, kBinary}},
        {std::string(10'000'000, 'y'), "~ under 64 kB ~ f.txt", 65535, "1", {kLarge}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption + " " + std::to_string(c.content.size()));
        fake::FakePlatform p;
        p.files.files["C:\\dir\\f.txt"] = c.content;
        app::App a(p);
        a.Start();
        files::OpenFile(a, "C:\\dir\\f.txt", 1);
        core::Document& doc = *a.ActiveDocument();
        EXPECT_EQ(doc.form().Caption(), c.caption);
        EXPECT_EQ(doc.Text1().Text().size(), c.textLength);
        EXPECT_EQ(doc.Text1().Tag(), c.tag);
        EXPECT_EQ(doc.StatusBar1().PanelText(4), "C:\\dir\\f.txt");
        EXPECT_EQ(doc.StatusBar1().PanelText(5), std::to_string(c.content.size()) + " Bytes ");
        EXPECT_EQ(doc.StatusBar1().PanelText(3), "Pos0");
        ASSERT_EQ(p.messages.size(), c.warnings.size());
        for (size_t i = 0; i < c.warnings.size(); ++i) {
            EXPECT_EQ(p.messages[i].text, c.warnings[i]);
            EXPECT_EQ(p.messages[i].title, "f.txt");
            EXPECT_EQ(p.messages[i].style, mb::Exclamation | mb::OkOnly);
        }
    }
}

TEST_F(OpenFileTest, OpenDialogReusesAnEmptyWindowAndMakesANewOneForText) {
    File("C:\\d\\a.txt") = "alpha";
    File("C:\\d\\b.txt") = "beta";
    Start();
    core::Document* first = Active();
    platform.dialogAnswers = {"C:\\d\\a.txt", "C:\\d\\b.txt"};
    ASSERT_TRUE(frame().ChooseMenu("mnuFileOpen"));
    EXPECT_EQ(Active(), first);
    EXPECT_EQ(first->form().Caption(), "a.txt");
    EXPECT_EQ(first->Text1().Text(), "alpha");

    first->Text1().SetSelStart(5);
    Text1(first).Type("!"); // modified: Open without reuse leaves it alone
    ASSERT_TRUE(frame().PressShortcut(platform::Ctrl('O')));
    ASSERT_EQ(Count(), 2);
    EXPECT_EQ(Active()->form().Caption(), "b.txt");
    EXPECT_EQ(first->Text1().Text(), "alpha!");
    EXPECT_EQ(first->Text1().Tag(), "7");

    ASSERT_EQ(platform.dialogs.size(), 2u);
    for (const auto& d : platform.dialogs) {
        EXPECT_EQ(d.kind, "Open");
        EXPECT_EQ(d.fileName, "");
        EXPECT_EQ(d.filter, "Text files (*.txt)|*.txt|Log files (*.log)|*.log|INI files "
                            "(*.ini)|*.ini|All files (*.*)|*.*");
        EXPECT_EQ(d.dialogTitle, "Open text file");
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(OpenFileTest, CancelInTheDialogChangesNothingAndSaysNothing) {
    Start();
    Text1(Active()).Type("keep");
    ASSERT_TRUE(frame().ChooseMenu("mnuFileOpen")); // no answer scripted: Cancel
    EXPECT_EQ(Count(), 1);
    EXPECT_EQ(Active()->Text1().Text(), "keep");
    EXPECT_TRUE(platform.messages.empty());

    // From the frame's own menu the empty window made before the dialog stays.
    Active()->form().Unload();
    ASSERT_EQ(Count(), 0);
    ASSERT_TRUE(frame().ChooseMenu("mnuFileOpen"));
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(Active()->form().Caption(), "Untitled");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(OpenFileTest, ReuseAsksAboutAModifiedWindowFirst) {
    struct Case {
        Answer answer;
        bool loaded;
        bool savedFirst;
    };
    const Case cases[] = {
        {Answer::Cancel, false, false}, {Answer::No, true, false}, {Answer::Yes, true, true}};
    for (const auto& c : cases) {
        fake::FakePlatform p;
        p.files.files["C:\\d\\old.txt"] = "old";
        p.files.files["C:\\d\\new.txt"] = "new";
        app::App a(p);
        a.Start();
        files::OpenFile(a, "C:\\d\\old.txt", 1);
        core::Document* doc = a.ActiveDocument();
        dynamic_cast<fake::FakeTextBox&>(doc->Text1()).Type("er");
        p.answers = {c.answer};
        files::OpenFile(a, "C:\\d\\new.txt", 1);
        EXPECT_EQ(a.ActiveDocument(), doc);
        ASSERT_EQ(p.messages.size(), 1u);
        EXPECT_EQ(p.messages[0].text, "File old.txt was modified.\r\nDo you want to save it?");
        EXPECT_EQ(p.messages[0].title, "old.txt");
        EXPECT_EQ(p.messages[0].style, mb::YesNoCancel | mb::Question);
        EXPECT_EQ(doc->Text1().Text(), c.loaded ? "new" : "erold"); // typed at the caret, 0
        EXPECT_EQ(doc->form().Caption(), c.loaded ? "new.txt" : "old.txt");
        EXPECT_EQ(p.files.files["C:\\d\\old.txt"], c.savedFirst ? "erold" : "old");
    }
}

TEST_F(OpenFileTest, OpenWithoutReuseStopsAtTheWindowLimit) {
    File("C:\\d\\a.txt") = "alpha";
    Start();
    while (Count() < 64)
        app.NewDocument();
    Text1(Active()).Type("unsaved");
    platform.dialogAnswers = {"C:\\d\\a.txt"};
    ASSERT_TRUE(frame().PressShortcut(platform::Ctrl('O')));
    EXPECT_EQ(Count(), 64);
    EXPECT_EQ(Active()->Text1().Text(), "unsaved");
    EXPECT_EQ(Active()->form().Caption(), "Untitled");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "Are you crazy? You need more\r\nthan 64 text windows...?");

    // An empty window at the limit still takes the file.
    platform.dialogAnswers = {"C:\\d\\a.txt"};
    Active()->form().Unload();
    app.NewDocument();
    ASSERT_TRUE(frame().PressShortcut(platform::Ctrl('O')));
    EXPECT_EQ(Active()->Text1().Text(), "alpha");
}

TEST_F(OpenFileTest, RelativeNamesAreKeptAsFullPaths) {
    File("C:\\WORK\\notes.txt") = "n";
    Start();
    files::OpenFile(app, "notes.txt", 1);
    EXPECT_EQ(Active()->form().Caption(), "notes.txt");
    EXPECT_EQ(Active()->StatusBar1().PanelText(4), "C:\\WORK\\notes.txt");
}

TEST_F(OpenFileTest, BadInputReportsAndLeavesAUsableWindowThatWillNotOverwrite) {
    struct Case {
        std::string path;
        std::function<void(fake::FakeFileSystem&)> setUp;
        std::vector<int> reports; // with Ignore to every report
    };
    const Case cases[] = {
        {"C:\\d\\missing.txt", [](auto&) {}, {53, 53}},
        {"C:\\d\\folder", [](auto& fs) { fs.folders.insert("C:\\d\\folder"); }, {75}},
        {"C:\\d\\locked.txt",
         [](auto& fs) {
             fs.files["C:\\d\\locked.txt"] = "secret";
             fs.locked.insert("C:\\d\\locked.txt");
         },
         {70}},
        {"C:\\d\\noaccess.txt",
         [](auto& fs) {
             fs.files["C:\\d\\noaccess.txt"] = "secret";
             fs.Fail("ReadAll", platform::err::PermissionDenied);
         },
         {70}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        fake::FakePlatform p;
        c.setUp(p.files);
        app::App a(p);
        a.Start();
        p.answers.assign(10, Answer::Ignore);
        files::OpenFile(a, c.path, 1);
        std::vector<int> reports;
        for (const auto& m : p.messages) {
            ASSERT_EQ(m.title, "Run-time error");
            reports.push_back(std::stoi(m.text.substr(m.text.find("Number = ") + 9)));
        }
        EXPECT_EQ(reports, c.reports);
        core::Document& doc = *a.ActiveDocument();
        EXPECT_EQ(doc.Text1().Text(), "");
        EXPECT_FALSE(core::HasFlag(doc.Text1(), core::flag::SaveInPlace));
        // Save asks for a name instead of writing over the file it could not read.
        p.messages.clear();
        dynamic_cast<fake::FakeTextBox&>(doc.Text1()).Type("new");
        EXPECT_TRUE(doc.form().Close()); // No to the question
        EXPECT_EQ(p.dialogs.size(), 0u);
        if (p.files.files.contains(c.path)) {
            EXPECT_EQ(p.files.files[c.path], "secret");
        }
    }
}

TEST_F(OpenFileTest, RetryReadsAgainAndAbortEndsTheProgram) {
    File("C:\\d\\a.txt") = "alpha";
    Start();
    platform.files.Fail("ReadAll", platform::err::PermissionDenied);
    platform.answers = {Answer::Retry};
    files::OpenFile(app, "C:\\d\\a.txt", 1);
    EXPECT_EQ(Reports(), std::vector<int>{70});
    EXPECT_EQ(Active()->Text1().Text(), "alpha");
    EXPECT_EQ(Active()->Text1().Tag(), "5");

    platform.files.Fail("ReadAll", platform::err::PermissionDenied);
    platform.answers = {Answer::Abort};
    EXPECT_THROW(files::OpenFile(app, "C:\\d\\a.txt", 1), fake::ProgramEnded);
}
