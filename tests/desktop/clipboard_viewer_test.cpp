// The clipboard viewer: what it shows as the clipboard changes, hidden or not, and its place
// in the viewer chain.
#include <gtest/gtest.h>

#include "app/app_fixture.h"
#include "desktop/clipboard_viewer.h"

namespace {

class ClipViewTest : public AppTest {
  protected:
    desktop::ClipViewWindow& viewer() { return app.tools.Get<desktop::ClipViewWindow>(); }
    void Open() { Active()->menu().Choose(Active()->menu().Find("mnuToolsClipboardViewer")); }
    std::size_t StoreEntries() { return platform.desktop.settings.values.size(); }
};

TEST_F(ClipViewTest, ShowsTheClipboardAsItChangesAlsoWhileHidden) {
    Start();
    platform.desktop.CopyText("before the viewer");
    Open();
    EXPECT_TRUE(viewer().form().Visible());
    EXPECT_EQ(viewer().form().Caption(), "Clipboard viewer");
    EXPECT_EQ(viewer().Text1().Text(), "before the viewer");

    fake::FakeForm& form = dynamic_cast<fake::FakeForm&>(viewer().form());
    form.PressKey(27); // Esc hides
    EXPECT_FALSE(form.Visible());
    platform.desktop.CopyText("while hidden");
    platform.desktop.CopyBitmap(0xB1);
    EXPECT_EQ(viewer().Text1().Text(), "while hidden"); // a bitmap leaves the text
    EXPECT_EQ(viewer().Picture1().Picture(), 0xB1u);
    platform.desktop.CopyText("new text");
    EXPECT_EQ(viewer().Picture1().Picture(), 0xB1u); // text leaves the picture
    platform.desktop.ClearClipboard();
    EXPECT_EQ(viewer().Text1().Text(), "new text");
    EXPECT_EQ(viewer().Picture1().Picture(), 0xB1u);

    Open();
    EXPECT_TRUE(form.Visible());
    form.GetControl("cmdHide").onClick();
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(platform.desktop.viewerCount, 1); // joined once, however often opened
}

TEST_F(ClipViewTest, ALongerTextShowsItsFirstPartAndTheLabelSaysSo) {
    Start();
    Open();
    auto& label = viewer().form().Get<platform::Label>("Label1_0");
    const std::string longer = std::string(65535, 'a') + "past the end";
    platform.desktop.CopyText(longer);
    EXPECT_EQ(viewer().Text1().Text(), longer.substr(0, 65535));
    EXPECT_EQ(label.Caption(), "Text on the Clipboard (the first 65535 of 65547 characters):");
    platform.desktop.CopyText(std::string(65535, 'b'));
    EXPECT_EQ(label.Caption(), "Text on the Clipboard:");
    EXPECT_EQ(viewer().Text1().Text().size(), 65535u);
}

TEST_F(ClipViewTest, TheStoreHoldsTheReplacedProcedureOnlyWhileInTheChain) {
    Start();
    EXPECT_EQ(StoreEntries(), 0u);
    Open();
    platform::ClipboardViewerLink* link = viewer().Link();
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(platform.desktop.settings.Read("ClipView", "WndProc", link->StoreKey(), ""),
              std::to_string(link->SavedWindowProc()));
    EXPECT_GT(link->SavedWindowProc(), 0xFFFFFFFFu); // kept at full width
    viewer().form().Unload();
    EXPECT_EQ(viewer().Link(), nullptr);
    EXPECT_EQ(StoreEntries(), 0u);
    platform.desktop.CopyText("after");
    EXPECT_NE(viewer().Text1().Text(), "after");
}

TEST_F(ClipViewTest, TheEndOfTheProgramLeavesTheChainAndTheStoreEmpty) {
    {
        fake::FakePlatform local;
        {
            app::App program(local);
            program.Start();
            program.tools.Get<desktop::ClipViewWindow>();
            EXPECT_EQ(local.desktop.settings.values.size(), 1u);
        }
        EXPECT_TRUE(local.desktop.settings.values.empty());
        local.desktop.CopyText("nobody listens"); // no viewer left to call
    }
}

} // namespace
