// Start-up: the frame, the first document, the folders.
#include "app/app_fixture.h"
#include "app/texts.h"

using platform::WindowState;

TEST_F(AppTest, StartsWithFrameAndOneMaximisedUntitledWindow) {
    Start();
    EXPECT_EQ(frame().Caption(), "Scrivex");
    EXPECT_EQ(frame().Left(), 0);
    EXPECT_TRUE(frame().Visible());
    ASSERT_EQ(Count(), 1);
    ASSERT_NE(Active(), nullptr);
    EXPECT_EQ(Active()->form().Caption(), "Untitled");
    EXPECT_EQ(Active()->form().State(), WindowState::Maximized);
    EXPECT_EQ(Active()->form().Tag(), "1");
    EXPECT_EQ(Active()->Text1().Text(), "");
    EXPECT_EQ(Active()->Text1().Tag(), "");
    for (int p = 1; p <= 5; ++p)
        EXPECT_EQ(Active()->StatusBar1().PanelText(p), "");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(AppTest, InitialiseComputesTheThreeFolders) {
    platform.specialFolders = {{36, "D:\\WINNT"}, {37, "D:\\WINNT\\System32"}};
    Start();
    EXPECT_EQ(app.paths.windowsFolder, "D:\\WINNT");
    EXPECT_EQ(app.paths.systemFolder, "D:\\WINNT\\System32");
    EXPECT_EQ(app.paths.systemRoot, "D:\\");
}

TEST_F(AppTest, FolderTheSystemCannotNameStaysBlank) {
    platform.specialFolders = {{37, "C:\\WINDOWS\\system32"}};
    Start();
    EXPECT_EQ(app.paths.windowsFolder, std::string(260, ' '));
    EXPECT_EQ(app.paths.systemRoot, "");
    EXPECT_EQ(app.paths.systemFolder, "C:\\WINDOWS\\system32");
}

TEST_F(AppTest, SecondWindowPutsAllInNormalStateAndClosingMaximisesTheLast) {
    Start();
    app.NewDocument();
    ASSERT_EQ(Count(), 2);
    for (core::Document* doc : app.OpenDocuments())
        EXPECT_EQ(doc->form().State(), WindowState::Normal);
    EXPECT_EQ(Active()->form().Tag(), "2");
    EXPECT_TRUE(Active()->form().Close());
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(app.OpenDocuments().front()->form().State(), WindowState::Maximized);
}

TEST_F(AppTest, FreedSlotIsReusedLowestFirst) {
    Start();
    for (int i = 0; i < 4; ++i)
        app.NewDocument();
    ASSERT_EQ(Count(), 5);
    ASSERT_TRUE(app.registry.Window(3)->form().Close());
    EXPECT_EQ(Count(), 4);
    EXPECT_FALSE(app.registry.InUse(3));
    app.NewDocument();
    EXPECT_EQ(Active()->form().Tag(), "3");
    EXPECT_EQ(Count(), 5);
    app.NewDocument();
    EXPECT_EQ(Active()->form().Tag(), "6");
}

TEST_F(AppTest, SixtyFifthWindowShowsTheLimitMessageAndChangesNothing) {
    Start();
    while (Count() < 64)
        app.NewDocument();
    core::Document* active = Active();
    EXPECT_TRUE(platform.messages.empty());
    app.NewDocument();
    EXPECT_EQ(Count(), 64);
    EXPECT_EQ(Active(), active);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "Are you crazy? You need more\r\nthan 64 text windows...?");
    EXPECT_EQ(platform.messages[0].title, "Scrivex");
    EXPECT_EQ(platform.messages[0].style, platform::mb::OkOnly);
    EXPECT_EQ(frame().Children().size(), 64u);
}

TEST_F(AppTest, ClosingTheLastWindowBringsBackTheFrameMenu) {
    Start();
    EXPECT_EQ(frame().ShownMenu(), &Active()->menu());
    Active()->form().Close();
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(frame().ShownMenu(), &app.frame().menu());
}

TEST_F(AppTest, ChangeSetsTextPresentAndModified) {
    Start();
    auto& text1 = Text1(Active());
    text1.Type("a");
    EXPECT_EQ(text1.Tag(), "3");
    text1.Type("\b");
    EXPECT_EQ(text1.Tag(), "3"); // typing and deleting leaves the window modified
}

TEST_F(AppTest, ExitClosesEveryWindowAndTheFrame) {
    Start();
    app.NewDocument();
    EXPECT_TRUE(frame().ChooseMenu("mnuFileExit"));
    EXPECT_FALSE(frame().Loaded());
    EXPECT_EQ(Count(), 0);
}

TEST_F(AppTest, CloseAllClosesFromTheHighestSlotDown) {
    Start();
    app.NewDocument();
    app.NewDocument();
    std::vector<std::string> order;
    for (core::Document* doc : app.OpenDocuments()) {
        std::string tag = doc->form().Tag();
        doc->form().onQueryUnload = [&order, tag](platform::UnloadMode, bool&) {
            order.push_back(tag);
        };
    }
    EXPECT_TRUE(frame().ChooseMenu("mnuFileCloseAll"));
    EXPECT_EQ(order, (std::vector<std::string>{"3", "2", "1"}));
    EXPECT_EQ(Count(), 0);
}

TEST_F(AppTest, ClosingTheFrameAsksEveryDocumentAndOneRefusalKeepsAllOpen) {
    Start();
    app.NewDocument();
    std::vector<platform::UnloadMode> asked;
    bool refuse = true;
    for (core::Document* doc : app.OpenDocuments()) {
        doc->form().onQueryUnload = [&](platform::UnloadMode mode, bool& cancel) {
            asked.push_back(mode);
            cancel = refuse;
        };
    }
    EXPECT_FALSE(frame().Close(platform::UnloadMode::ControlMenu));
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_EQ(Count(), 2);
    EXPECT_TRUE(frame().Loaded());
    refuse = false;
    asked.clear();
    EXPECT_TRUE(frame().Close(platform::UnloadMode::WindowsShutdown));
    EXPECT_EQ(asked, (std::vector<platform::UnloadMode>(2, platform::UnloadMode::WindowsShutdown)));
    EXPECT_EQ(Count(), 0);
}
