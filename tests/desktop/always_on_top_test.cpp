// The always-on-top switch: its set in order, the windows it makes, and the marks of its three
// menus in step.
#include <gtest/gtest.h>

#include "app/app_fixture.h"
#include "calc/calculator_window.h"
#include "desktop/clipboard_viewer.h"
#include "desktop/tray_window.h"

namespace {

class AlwaysOnTopTest : public AppTest {
  protected:
    platform::Menu& trayMenu() { return app.tools.Get<desktop::TrayWindow>().menu(); }
    // The marks: tray, frame, then every open document window.
    std::vector<bool> Marks() {
        std::vector<bool> marks{trayMenu().Checked("mnuSystrayAOT"),
                                app.FrameMenu().Checked("mnuViewAOT")};
        for (core::Document* doc : app.OpenDocuments())
            marks.push_back(doc->menu().Checked("mnuViewAOT"));
        return marks;
    }
    std::vector<std::pair<std::string, bool>> Applied(bool on) {
        // Find and the result list join the set once their windows are registered.
        std::vector<std::pair<std::string, bool>> set = {
            {"MDIForm1", on}, {"frmCalc", on}, {"frmClipView", on}};
        for (const char* name : {"frmFind", "frmSearchResult"})
            if (app.tools.Registered(name)) set.emplace_back(name, on);
        return set;
    }
};

TEST_F(AlwaysOnTopTest, EachOfTheThreeSwitchesTogglesAllTreesAndTheWholeSet) {
    Start();
    app.NewDocument();
    EXPECT_EQ(Marks(), (std::vector<bool>{false, false, false, false}));
    EXPECT_EQ(app.tools.Find("frmCalc"), nullptr);

    // F4 in a document window.
    frame().PressShortcut(platform::Plain(platform::key::F(4)));
    EXPECT_EQ(platform.desktop.topmostLog, Applied(true));
    EXPECT_EQ(Marks(), (std::vector<bool>{true, true, true, true}));
    // The windows it needed were made hidden; the viewer joined the clipboard chain with it.
    ASSERT_NE(app.tools.Find("frmCalc"), nullptr);
    EXPECT_FALSE(app.tools.Find("frmCalc")->form().Visible());
    EXPECT_FALSE(app.tools.Get<desktop::ClipViewWindow>().form().Visible());
    EXPECT_EQ(platform.desktop.viewerCount, 1);
    EXPECT_TRUE(platform.desktop.IsTopmost(app.tools.Find("frmCalc")->form()));

    // The tray menu's item.
    platform.desktop.topmostLog.clear();
    platform.desktop.popupChoices = {"mnuSystrayAOT"};
    platform.desktop.tray.Mouse(517);
    EXPECT_EQ(platform.desktop.topmostLog, Applied(false));
    EXPECT_EQ(Marks(), (std::vector<bool>{false, false, false, false}));

    // The frame's item, with no document window open.
    while (Active())
        Active()->form().Close(platform::UnloadMode::Code);
    platform.desktop.topmostLog.clear();
    frame().PressShortcut(platform::Plain(platform::key::F(4)));
    EXPECT_EQ(platform.desktop.topmostLog, Applied(true));
    EXPECT_EQ(Marks(), (std::vector<bool>{true, true}));
    // A window opened afterwards shows the mark.
    app.NewDocument();
    EXPECT_EQ(Marks(), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(platform.desktop.viewerCount, 1); // made once, joined once
}

TEST_F(AlwaysOnTopTest, TaskbarItemStaysCheckedAndCannotBeChosen) {
    Start();
    for (platform::Menu* menu : {&app.FrameMenu(), &Active()->menu()}) {
        int item = menu->Find("mnuViewShowTaskbar");
        EXPECT_FALSE(menu->Choose(item));
        EXPECT_TRUE(menu->Checked("mnuViewShowTaskbar"));
        EXPECT_FALSE(menu->Enabled("mnuViewShowTaskbar"));
    }
}

} // namespace
