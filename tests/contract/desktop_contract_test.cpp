// The desktop services agree on both platforms: settings store, program starts, the topmost
// switch, the picture box, and the clipboard viewer chain.
#include <gtest/gtest.h>

#include "contract/contract_harness.h"
#include "platform/errors.h"

namespace {

platform::FormDef ProbeForm() {
    return OneControlForm(platform::ControlKind::PictureBox, "pic", 3000, 2000);
}

int ErrorOf(const std::function<void()>& statement) {
    try {
        statement();
    } catch (const platform::RuntimeError& e) {
        return e.Number();
    }
    return 0;
}

TEST(DesktopContract, SettingsStoreKeepsReplacesAndDeletesOneValue) {
    platform::SettingsStore& store = ContractPlatform().Desktop().Settings();
    const char* app = "ContractTest";
    store.Delete(app, "Section", "Key");
    EXPECT_EQ(store.Read(app, "Section", "Key", "none"), "none");
    store.Write(app, "Section", "Key", "140737488355328"); // wider than 32 bits
    EXPECT_EQ(store.Read(app, "Section", "Key", "none"), "140737488355328");
    store.Write(app, "Section", "Key", "-1");
    EXPECT_EQ(store.Read(app, "Section", "Key"), "-1");
    EXPECT_EQ(store.Read(app, "Other", "Key", "d"), "d");
    store.Delete(app, "Section", "Key");
    store.Delete(app, "Section", "Key"); // a second delete is no error
    EXPECT_EQ(store.Read(app, "Section", "Key", ""), "");
}

TEST(DesktopContract, ProgramStartFailsWithFileNotFoundOrInvalidCall) {
    platform::DesktopServices& desktop = ContractPlatform().Desktop();
    struct Case {
        const char* commandLine;
        int error;
    } cases[] = {
        {"", 5},
        {"   ", 5},
        {"scrivex_no_such_program.exe", platform::err::FileNotFound},
        {"scrivex_no_such_program.exe with arguments", platform::err::FileNotFound},
        {"cmd.exe /c exit", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ErrorOf([&] { desktop.StartProgram(c.commandLine); }), c.error)
            << '"' << c.commandLine << '"';
}

TEST(DesktopContract, TopmostSwitchesOnAndOff) {
    auto form = ContractPlatform().CreateForm(ProbeForm());
    platform::DesktopServices& desktop = ContractPlatform().Desktop();
    EXPECT_FALSE(desktop.IsTopmost(*form));
    desktop.SetTopmost(*form, true);
    EXPECT_TRUE(desktop.IsTopmost(*form));
    EXPECT_FALSE(form->Visible()); // the switch never shows a window
    desktop.SetTopmost(*form, false);
    EXPECT_FALSE(desktop.IsTopmost(*form));
}

TEST(DesktopContract, PictureBoxReportsMouseMovesInPixelsAndKeepsItsIcon) {
    auto form = ContractPlatform().CreateForm(ProbeForm());
    auto& box = form->Get<platform::PictureBox>("pic");
    std::vector<int> xs;
    box.onMouseMove = [&](int, int, int x, int) { xs.push_back(x); };
    // The tray's callback carries the mouse message where a move carries X.
    for (int x : {515, 517, 512, 3})
        ContractMouseMove(box, x, 0);
    EXPECT_EQ(xs, (std::vector<int>{515, 517, 512, 3}));
    EXPECT_EQ(box.DragIcon(), 0u);
    box.SetDragIcon(form->Icon());
    EXPECT_EQ(box.DragIcon(), form->Icon());
    EXPECT_EQ(box.Picture(), 0u);
}

TEST(DesktopContract, ClipboardViewerSeesEveryChangeAndKeepsItsProcedureInTheStore) {
    platform::DesktopServices& desktop = ContractPlatform().Desktop();
    auto form = ContractPlatform().CreateForm(ProbeForm());
    int changes = 0;
    std::string key;
    {
        auto link = desktop.JoinClipboardViewers(*form, [&] { ++changes; });
        EXPECT_GE(changes, 1); // joining shows the clipboard as it is
        key = link->StoreKey();
        ASSERT_NE(link->SavedWindowProc(), 0u);
        EXPECT_EQ(desktop.Settings().Read("ClipView", "WndProc", key, ""),
                  std::to_string(link->SavedWindowProc()));

        int before = changes;
        ContractCopyText("copied text");
        EXPECT_EQ(changes, before + 1);
        platform::ClipboardContents now = desktop.ReadClipboard();
        EXPECT_TRUE(now.hasText);
        EXPECT_EQ(now.text, "copied text");
        EXPECT_EQ(now.bitmap, 0u);

        ContractCopyBitmap();
        EXPECT_EQ(changes, before + 2);
        now = desktop.ReadClipboard();
        EXPECT_FALSE(now.hasText);
        EXPECT_NE(now.bitmap, 0u);
        // The copy is the caller's: a picture box takes it over.
        form->Get<platform::PictureBox>("pic").SetPicture(now.bitmap);
        EXPECT_EQ(form->Get<platform::PictureBox>("pic").Picture(), now.bitmap);
    }
    // Out of the chain: no more changes, and the store no longer holds the procedure.
    int after = changes;
    ContractCopyText("later");
    EXPECT_EQ(changes, after);
    EXPECT_EQ(desktop.Settings().Read("ClipView", "WndProc", key, "gone"), "gone");
}

} // namespace
