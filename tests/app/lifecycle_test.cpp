// Document windows from creation to close: flags, the save question, the registry.
#include "app/app_fixture.h"
#include "core/document_flags.h"
#include "files/open_file.h"
#include "platform/errors.h"

using platform::Answer;
using platform::WindowState;

namespace {

// Three windows with files of their own, each edited: slots 1, 2 and 3.
class LifecycleTest : public AppTest {
  protected:
    void OpenThreeModified() {
        for (int i = 1; i <= 3; ++i) {
            std::string path = "C:\\d\\f" + std::to_string(i) + ".txt";
            platform.files.files[path] = "v1";
            if (i > 1) app.NewDocument();
            files::OpenFile(app, path, 1);
            Text1(Active()).Type("+");
        }
    }
    std::string Disk(int i) {
        return platform.files.files["C:\\d\\f" + std::to_string(i) + ".txt"];
    }
    // The captions that the save questions named, in order.
    std::vector<std::string> Asked() {
        std::vector<std::string> titles;
        for (const auto& m : platform.messages)
            if (m.text.find("was modified") != std::string::npos) titles.push_back(m.title);
        return titles;
    }
};

} // namespace

TEST_F(LifecycleTest, ChangesAndDeactivationInvalidateTheSearchResults) {
    Start();
    app.search.resultsValid = true;
    Text1(Active()).Type("x");
    EXPECT_FALSE(app.search.resultsValid);
    core::Document* first = Active();
    app.NewDocument();
    app.search.resultsValid = true;
    frame().Activate(dynamic_cast<fake::FakeForm*>(&first->form()));
    EXPECT_FALSE(app.search.resultsValid);
}

TEST_F(LifecycleTest, TheEditControlFillsTheWindowAboveItsStatusBar) {
    Start();
    core::Document* doc = Active();
    for (int height : {6000, 300}) {
        doc->form().Move(0, 0, 8000, height);
        EXPECT_EQ(doc->Text1().Width(), doc->form().ScaleWidth());
        int expected = std::max(0, doc->form().ScaleHeight() - doc->StatusBar1().Height());
        EXPECT_EQ(doc->Text1().Height(), expected);
        EXPECT_EQ(doc->Text1().Top(), 0);
    }
    EXPECT_EQ(doc->Text1().Height(), 0);
}

TEST_F(LifecycleTest, CloseAsksOnlyAboutAModifiedWindow) {
    struct Case {
        std::vector<Answer> answers;
        std::vector<std::optional<std::string>> dialog;
        bool inPlace;
        bool closes;
        std::string disk;
    };
    const Case cases[] = {
        {{Answer::Cancel}, {}, true, false, "v1"},
        {{Answer::No}, {}, true, true, "v1"},
        {{Answer::Yes}, {}, true, true, "+v1"},
        // Yes without a path of its own: the Save dialog; Cancel there keeps the window.
        {{Answer::Yes}, {std::nullopt}, false, false, "v1"},
        {{Answer::Yes}, {"C:\\d\\other.txt"}, false, true, "v1"},
        // No to overwriting through Yes and Save As is no cancel: the window closes unsaved.
        {{Answer::Yes, Answer::No}, {"C:\\d\\f1.txt"}, false, true, "v1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answers.size() * 10 + c.dialog.size() + (c.inPlace ? 100 : 0));
        fake::FakePlatform p;
        p.files.files["C:\\d\\f1.txt"] = "v1";
        app::App a(p);
        a.Start();
        files::OpenFile(a, "C:\\d\\f1.txt", 1);
        core::Document* doc = a.ActiveDocument();
        dynamic_cast<fake::FakeTextBox&>(doc->Text1()).Type("+");
        if (!c.inPlace) core::ClearFlag(doc->Text1(), core::flag::SaveInPlace);
        p.answers = {c.answers.begin(), c.answers.end()};
        p.dialogAnswers = {c.dialog.begin(), c.dialog.end()};
        EXPECT_EQ(p.frame->ChooseMenu("mnuFileClose"), true);
        EXPECT_EQ(a.registry.Count(), c.closes ? 0 : 1);
        EXPECT_EQ(a.registry.InUse(1), !c.closes);
        EXPECT_EQ(p.files.files["C:\\d\\f1.txt"], c.disk);
        ASSERT_FALSE(p.messages.empty());
        EXPECT_EQ(p.messages[0].text, "File f1.txt was modified.\r\nDo you want to save it?");
        EXPECT_EQ(p.messages[0].title, "f1.txt");
        EXPECT_EQ(p.messages[0].style, platform::mb::YesNoCancel | platform::mb::Question);
        if (!c.closes) {
            EXPECT_EQ(doc->Text1().Text(), "+v1");
        }
    }

    // Unmodified, and typed then deleted again.
    Start();
    EXPECT_TRUE(Active()->form().Close());
    EXPECT_TRUE(platform.messages.empty());
    app.NewDocument();
    Text1(Active()).Type("a\b");
    platform.answers = {Answer::Cancel};
    EXPECT_FALSE(Active()->form().Close());
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(LifecycleTest, CloseAllAsksFromTheHighestSlotDownAndGoesOnAfterACancel) {
    Start();
    OpenThreeModified();
    platform.answers = {Answer::Yes, Answer::Cancel, Answer::No};
    ASSERT_TRUE(frame().PressShortcut(platform::ShiftKey(platform::key::F(9))));
    EXPECT_EQ(Asked(), (std::vector<std::string>{"f3.txt", "f2.txt", "f1.txt"}));
    EXPECT_EQ(Count(), 1);
    EXPECT_TRUE(app.registry.InUse(2));
    EXPECT_EQ(Disk(3), "+v1");
    EXPECT_EQ(Disk(2), "v1");
    EXPECT_EQ(Disk(1), "v1");
    // The window left alone is maximised again.
    EXPECT_EQ(Active()->form().State(), WindowState::Maximized);
}

TEST_F(LifecycleTest, CloseAllSavesEachWindowToItsOwnPathUnderItsOwnCaption) {
    Start();
    OpenThreeModified();
    app.NewDocument(); // an unmodified window is the active one
    platform.answers.assign(3, Answer::Yes);
    ASSERT_TRUE(frame().PressShortcut(platform::ShiftKey(platform::key::F(9))));
    EXPECT_EQ(Asked(), (std::vector<std::string>{"f3.txt", "f2.txt", "f1.txt"}));
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(Disk(i), "+v1");
    EXPECT_EQ(Count(), 0);
}

TEST_F(LifecycleTest, ExitStopsAtTheFirstCancelWithEveryWindowOpen) {
    for (const char* how : {"mnuFileExit", "close box", "shutdown"}) {
        SCOPED_TRACE(how);
        fake::FakePlatform p;
        app::App a(p);
        a.Start();
        for (int i = 1; i <= 2; ++i) {
            std::string path = "C:\\d\\e" + std::to_string(i) + ".txt";
            p.files.files[path] = "v1";
            if (i > 1) a.NewDocument();
            files::OpenFile(a, path, 1);
            dynamic_cast<fake::FakeTextBox&>(a.ActiveDocument()->Text1()).Type("+");
        }
        p.answers = {Answer::Yes, Answer::Cancel};
        bool closed = std::string(how) == "mnuFileExit"
                          ? p.frame->ChooseMenu(how) && p.frame->Loaded() == false
                      : std::string(how) == "close box" ? p.frame->UserClose()
                                                        : p.frame->EndSession();
        EXPECT_FALSE(closed);
        EXPECT_TRUE(p.frame->Loaded());
        EXPECT_EQ(a.registry.Count(), 2);
        EXPECT_EQ(p.files.files["C:\\d\\e1.txt"], "+v1"); // the first was saved
        EXPECT_EQ(p.files.files["C:\\d\\e2.txt"], "v1");
        a.NewDocument();
        EXPECT_EQ(a.ActiveDocument()->form().Tag(), "3");

        // Asked again, nobody cancels: everything closes and the frame goes.
        p.answers = {Answer::No};
        EXPECT_TRUE(p.frame->Close(platform::UnloadMode::Code));
        EXPECT_FALSE(p.frame->Loaded());
        EXPECT_EQ(a.registry.Count(), 0);
    }
}

TEST_F(LifecycleTest, AFailedSaveFromTheQuestionStillClosesWithThePreviousVersionKept) {
    Start();
    OpenThreeModified();
    platform.files.Fail("Write", platform::err::DiskFull);
    platform.answers = {Answer::Yes, Answer::Ignore};
    ASSERT_TRUE(Active()->form().Close());
    EXPECT_EQ(platform.messages.back().title, "File error");
    EXPECT_EQ(platform.files.files["C:\\d\\~Scrivex.temporary.f3.txt"], "v1");
    EXPECT_EQ(Count(), 2);
}

TEST_F(LifecycleTest, AFailedSaveLeavesTheWindowModifiedSoALaterCloseStillAsks) {
    Start();
    OpenThreeModified();
    platform.files.Fail("Copy", platform::err::DiskFull);
    platform.answers = {Answer::Ignore};
    ASSERT_TRUE(frame().PressShortcut(platform::Ctrl('S')));
    EXPECT_EQ(Disk(3), "v1");
    platform.answers = {Answer::Cancel};
    EXPECT_FALSE(Active()->form().Close());
    EXPECT_EQ(Asked(), std::vector<std::string>{"f3.txt"});
}
