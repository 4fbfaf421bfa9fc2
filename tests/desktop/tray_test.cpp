// The tray icon, its messages and pop-up menu, and the Systray marks in every menu tree.
#include <gtest/gtest.h>

#include "app/app_fixture.h"
#include "desktop/tray_window.h"

namespace {

using platform::WindowState;

class TrayTest : public AppTest {
  protected:
    fake::FakeTrayIcons& tray() { return platform.desktop.tray; }
    desktop::TrayWindow& pic() { return app.tools.Get<desktop::TrayWindow>(); }
    bool Mark(platform::Menu& menu) { return menu.Checked("mnuViewShowSystray"); }
    // Every tree's Systray mark: the frame's first, then each open document window's.
    std::vector<bool> Marks() {
        std::vector<bool> marks{Mark(app.FrameMenu())};
        for (core::Document* doc : app.OpenDocuments())
            marks.push_back(Mark(doc->menu()));
        return marks;
    }
    void Choose(core::Document* doc, const char* item) {
        doc->menu().Choose(doc->menu().Find(item));
    }
};

TEST_F(TrayTest, StartPutsTheIconUpFromTheHiddenTrayWindow) {
    Start();
    ASSERT_EQ(tray().shown.size(), 1u);
    const platform::TrayIconRecord& icon = tray().shown[0];
    EXPECT_EQ(icon.id, 1);
    EXPECT_EQ(icon.tip, "Scrivex");
    EXPECT_EQ(icon.callbackMessage, 0x200u);
    EXPECT_EQ(icon.target, &pic().picSystray());
    EXPECT_EQ(icon.icon, pic().form().Icon());
    EXPECT_EQ(app.FrameForm().Icon(), pic().form().Icon());
    EXPECT_FALSE(pic().form().Visible());
    EXPECT_EQ(pic().form().Caption(), "Form2");
    EXPECT_EQ(Marks(), (std::vector<bool>{true, true}));
}

// The icon waits for the program to wait for input; a switch or the exit before then decides.
TEST(TrayStart, TheIconWaitsForTheProgramToWaitAndASwitchOrTheExitDecidesFirst) {
    for (int switches : {1, 2, -1}) { // -1: the program ends first
        fake::FakePlatform p;
        app::App a(p);
        a.Start();
        platform::Menu& menu = a.ActiveDocument()->menu();
        for (int i = 0; i < switches; ++i)
            menu.Choose(menu.Find("mnuViewShowSystray"));
        if (switches < 0) p.frame->Close(platform::UnloadMode::Code);
        p.frame->RunIdleTasks();
        EXPECT_EQ(p.desktop.tray.shown.size(), switches == 2 ? 1u : 0u) << switches;
    }
}

TEST_F(TrayTest, SystraySwitchKeepsEveryTreeInStepAndTheIconFollows) {
    Start();
    app.NewDocument();
    app.NewDocument();
    core::Document* middle = app.OpenDocuments()[1];
    Choose(middle, "mnuViewShowSystray");
    EXPECT_TRUE(tray().shown.empty());
    EXPECT_EQ(Marks(), (std::vector<bool>{false, false, false, false}));
    // A window opened now copies the frame's mark.
    app.NewDocument();
    EXPECT_FALSE(Mark(app.ActiveDocument()->menu()));
    Choose(app.OpenDocuments()[0], "mnuViewShowSystray");
    ASSERT_EQ(tray().shown.size(), 1u);
    EXPECT_EQ(tray().shown[0].id, 1); // the record is filled anew
    EXPECT_EQ(Marks(), (std::vector<bool>(5, true)));
}

TEST_F(TrayTest, ExitTakesTheIconDown) {
    Start();
    EXPECT_EQ(tray().shown.size(), 1u);
    frame().Close(platform::UnloadMode::Code);
    EXPECT_TRUE(tray().shown.empty());
}

TEST_F(TrayTest, RefusedAddsAreBoundedAndTheIconReturnsWithTheShell) {
    tray().refuseNext = 2;
    Start();
    ASSERT_EQ(tray().shown.size(), 1u);
    EXPECT_EQ(tray().shown[0].id, 3); // raised before every attempt

    // No notification area at all: a bounded number of attempts, then on without the icon.
    Choose(Active(), "mnuViewShowSystray");
    tray().shellRunning = false;
    tray().addAttempts = 0;
    Choose(Active(), "mnuViewShowSystray");
    EXPECT_EQ(tray().addAttempts, desktop::kTrayAddAttempts);
    EXPECT_TRUE(tray().shown.empty());
    EXPECT_TRUE(Mark(app.FrameMenu()));
    tray().RestartShell();
    ASSERT_EQ(tray().shown.size(), 1u);
    EXPECT_EQ(tray().shown[0].id, 1);

    // A restarted shell shows the icon again only while the mark is on.
    tray().RestartShell();
    EXPECT_EQ(tray().shown.size(), 1u);
    Choose(Active(), "mnuViewShowSystray");
    tray().RestartShell();
    EXPECT_TRUE(tray().shown.empty());
}

TEST_F(TrayTest, DoubleClickMinimisesAndRestoresTheLastStateOtherMessagesDoNothing) {
    Start();
    frame().SetState(WindowState::Maximized);
    for (int message : {512, 513, 514, 516, 518, 519})
        tray().Mouse(message);
    EXPECT_EQ(frame().State(), WindowState::Maximized);
    EXPECT_TRUE(platform.desktop.popups.empty());
    tray().Mouse(515);
    EXPECT_EQ(frame().State(), WindowState::Minimized);
    tray().Mouse(515);
    EXPECT_EQ(frame().State(), WindowState::Maximized);
    frame().SetState(WindowState::Normal);
    tray().Mouse(515);
    tray().Mouse(515);
    EXPECT_EQ(frame().State(), WindowState::Normal);
}

TEST_F(TrayTest, RightButtonPopsUpTheMenuWithShowOrHideAsTheDefault) {
    Start();
    struct Case {
        WindowState state;
        bool aot;
        const char* defaultItem;
        bool showEnabled;
    } cases[] = {
        {WindowState::Normal, false, "mnuSystrayHideScrivex", false},
        {WindowState::Maximized, true, "mnuSystrayHideScrivex", false},
        {WindowState::Minimized, true, "mnuSystrayShowScrivex", true},
    };
    for (const Case& c : cases) {
        frame().SetState(c.state);
        app.FrameMenu().SetChecked("mnuViewAOT", c.aot);
        tray().Mouse(517);
        ASSERT_FALSE(platform.desktop.popups.empty());
        const auto& popup = platform.desktop.popups.back();
        EXPECT_EQ(popup.topItem, "mnuSystray");
        EXPECT_EQ(popup.defaultItem, c.defaultItem);
        EXPECT_EQ(popup.enabled.at("mnuSystrayShowScrivex"), c.showEnabled);
        EXPECT_EQ(popup.enabled.at("mnuSystrayHideScrivex"), !c.showEnabled);
        EXPECT_EQ(popup.checked.at("mnuSystrayAOT"), c.aot);
    }
}

TEST_F(TrayTest, TrayMenuCommandsBringTheFrameBackFirst) {
    Start();
    frame().SetState(WindowState::Maximized);
    frame().SetState(WindowState::Minimized);
    platform.desktop.popupChoices = {"mnuSystrayNew"};
    tray().Mouse(517);
    EXPECT_EQ(frame().State(), WindowState::Maximized);
    EXPECT_EQ(Count(), 2);

    // Open with no window makes one first, then asks for the file.
    while (Active())
        Active()->form().Close(platform::UnloadMode::Code);
    frame().SetState(WindowState::Minimized);
    platform.files.files["C:\\a.txt"] = "alpha";
    platform.dialogAnswers = {"C:\\a.txt"};
    platform.desktop.popupChoices = {"mnuSystrayOpen"};
    tray().Mouse(517);
    EXPECT_EQ(frame().State(), WindowState::Maximized);
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(Text1(Active()).Text(), "alpha");

    frame().SetState(WindowState::Minimized);
    platform.desktop.popupChoices = {"mnuSystrayShowScrivex"};
    tray().Mouse(517);
    EXPECT_EQ(frame().State(), WindowState::Maximized);
    platform.desktop.popupChoices = {"mnuSystrayHideScrivex"};
    tray().Mouse(517);
    EXPECT_EQ(frame().State(), WindowState::Minimized);
}

TEST_F(TrayTest, TrayExitTakesTheFileMenusPathWithItsQuestions) {
    Start();
    Text1(Active()).Type("unsaved");
    platform.answers = {platform::Answer::Cancel};
    platform.desktop.popupChoices = {"mnuSystrayExit"};
    tray().Mouse(517);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(frame().Loaded());
    EXPECT_EQ(tray().shown.size(), 1u);

    platform.answers = {platform::Answer::No};
    platform.desktop.popupChoices = {"mnuSystrayExit"};
    tray().Mouse(517);
    EXPECT_FALSE(frame().Loaded());
    EXPECT_TRUE(tray().shown.empty());
}

} // namespace
