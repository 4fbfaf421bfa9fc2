// The desktop services against the real system: the icon in the notification area, the
// shell's new-taskbar announcement, the clipboard viewer chain across programs and a
// destroyed viewer window, and the about program.
#include <gtest/gtest.h>

#include <string>

#include "app/app.h"
#include "contract/contract_harness.h"
#include "desktop/tray_window.h"
#include "harness_support.h"
#include "platform/errors.h"

#include <shellapi.h>
#include <shlobj.h>

#include "platform/win32/win32_controls.h"

namespace {

platform::FormDef ProbeForm() {
    return OneControlForm(platform::ControlKind::PictureBox, "pic", 3000, 2000);
}

// Whether the shell shows an icon: changing one that is not there fails.
bool TrayHas(HWND hwnd, UINT id) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = hwnd;
    data.uID = id;
    data.uFlags = NIF_TIP;
    lstrcpyA(data.szTip, "Scrivex");
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

// The folder of this test program, with a backslash at the end.
std::string OwnFolder() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

// Lets messages run until `done` or about five seconds have passed.
bool PumpUntil(const std::function<bool()>& done) {
    for (int i = 0; i < 250 && !done(); ++i) {
        win32_test::Platform().DoEvents();
        Sleep(20);
    }
    return done();
}

TEST(DesktopWin32, TrayIconIsAddedToAndDeletedFromTheNotificationArea) {
    auto form = win32_test::Platform().CreateForm(ProbeForm());
    auto& box = form->Get<platform::PictureBox>("pic");
    platform::TrayIcons& tray = win32_test::Platform().Desktop().Tray();
    platform::TrayIconRecord record{&box, 7, 0x200, form->Icon(), "Scrivex"};
    HWND hwnd = win32_test::HwndOf(box);
    ASSERT_FALSE(TrayHas(hwnd, 7));
    ASSERT_TRUE(tray.Add(record));
    EXPECT_TRUE(TrayHas(hwnd, 7));
    EXPECT_FALSE(TrayHas(hwnd, 8));
    tray.Delete(record);
    EXPECT_FALSE(TrayHas(hwnd, 7));
    tray.Delete(record); // a second delete is harmless
}

TEST(DesktopWin32, TheProgramsIconIsInTheNotificationAreaOnceItsStartIsOver) {
    app::App app{win32_test::Platform()};
    app.Start();
    app.FrameForm().onActivate = nullptr; // the test's command line names no files
    HWND hwnd = win32_test::HwndOf(app.tools.Get<desktop::TrayWindow>().picSystray());
    EXPECT_TRUE(PumpUntil([&] { return TrayHas(hwnd, 1); }));
}

TEST(DesktopWin32, TheShellsNewTaskbarAnnouncementReachesTheTray) {
    platform::TrayIcons& tray = win32_test::Platform().Desktop().Tray();
    int heard = 0;
    tray.onTaskbarCreated = [&] { ++heard; };
    DWORD_PTR result = 0;
    SendMessageTimeoutA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0,
                        SMTO_ABORTIFHUNG, 3000, &result);
    EXPECT_TRUE(PumpUntil([&] { return heard > 0; }));
    EXPECT_EQ(heard, 1);
    tray.onTaskbarCreated = nullptr;
}

TEST(DesktopWin32, ViewerSeesACopyMadeByAnotherProgram) {
    platform::DesktopServices& desktop = win32_test::Platform().Desktop();
    auto form = win32_test::Platform().CreateForm(ProbeForm());
    std::string seen;
    auto link = desktop.JoinClipboardViewers(*form, [&] {
        platform::ClipboardContents now = desktop.ReadClipboard();
        if (now.hasText) seen = now.text;
    });
    std::string commandLine = OwnFolder();
    commandLine.insert(0, 1, '"');
    commandLine.append("scrivex_clip_copy.exe\" from another program");
    desktop.StartProgram(commandLine);
    EXPECT_TRUE(PumpUntil([&] { return seen == "from another program"; })) << seen;
}

TEST(DesktopWin32, DestroyedViewerWindowPutsItsProcedureBackAndLeavesTheStore) {
    platform::DesktopServices& desktop = win32_test::Platform().Desktop();
    auto form = win32_test::Platform().CreateForm(ProbeForm());
    HWND hwnd = win32_test::HwndOf(*form);
    LONG_PTR classProc = GetWindowLongPtrA(hwnd, GWLP_WNDPROC);
    int changes = 0;
    auto link = desktop.JoinClipboardViewers(*form, [&] { ++changes; });
    std::string key = link->StoreKey();
    EXPECT_EQ(key, std::to_string(reinterpret_cast<std::uintptr_t>(hwnd)));
    EXPECT_NE(GetWindowLongPtrA(hwnd, GWLP_WNDPROC), classProc);
    EXPECT_EQ(link->SavedWindowProc(), static_cast<std::uintptr_t>(classProc));
    EXPECT_EQ(desktop.Settings().Read("ClipView", "WndProc", key, ""),
              std::to_string(static_cast<std::uintptr_t>(classProc)));

    form->Unload(); // the window is destroyed under the link
    EXPECT_EQ(link->SavedWindowProc(), 0u);
    EXPECT_EQ(desktop.Settings().Read("ClipView", "WndProc", key, "gone"), "gone");
    int before = changes;
    ContractCopyText("after the window");
    EXPECT_EQ(changes, before);
    link.reset(); // nothing left to undo
}

TEST(DesktopWin32, AboutProgramStartsFromItsFolderAndShowsItsBox) {
    platform::DesktopServices& desktop = win32_test::Platform().Desktop();
    char saved[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, saved);
    // About.exe stands next to scrivex.exe, one folder above the tests.
    SetCurrentDirectoryA((OwnFolder() + "..").c_str());
    EXPECT_NO_THROW(desktop.StartProgram("About.exe"));
    SetCurrentDirectoryA(saved);
    HWND box = nullptr;
    EXPECT_TRUE(
        PumpUntil([&] { return (box = FindWindowA(nullptr, "About Scrivex")) != nullptr; }));
    if (box) {
        std::string text;
        EnumChildWindows(
            box,
            [](HWND child, LPARAM into) {
                char buffer[256] = "";
                GetWindowTextA(child, buffer, sizeof buffer);
                *reinterpret_cast<std::string*>(into) += buffer;
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&text));
        EXPECT_NE(text.find("Scrivex"), std::string::npos) << text;
        EXPECT_NE(text.find("Version 1.0.0"), std::string::npos) << text;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
}

} // namespace

namespace {

// A file list (wide names, as the shell makes them) and a text on the clipboard.
void CopyDropData(const std::vector<std::wstring>& names, const char* text) {
    size_t chars = 1;
    for (const auto& name : names)
        chars += name.size() + 1;
    HGLOBAL list = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + chars * 2);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(list));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    auto* at = reinterpret_cast<wchar_t*>(drop + 1);
    for (const auto& name : names) {
        memcpy(at, name.c_str(), (name.size() + 1) * 2);
        at += name.size() + 1;
    }
    GlobalUnlock(list);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_HDROP, list);
    if (text) {
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, strlen(text) + 1);
        memcpy(GlobalLock(memory), text, strlen(text) + 1);
        GlobalUnlock(memory);
        SetClipboardData(CF_TEXT, memory);
    }
    CloseClipboard();
}

TEST(DesktopWin32, EditBoxTakesDroppedFileListsAndTextThroughTheDropService) {
    platform::FormDef def = ProbeForm();
    platform::ControlDef box;
    box.kind = platform::ControlKind::MultiLineBox;
    box.name = "Text1";
    box.width = 2000;
    box.height = 1000;
    def.controls.push_back(box);
    auto form = win32_test::Platform().CreateForm(def);
    auto& text1 = dynamic_cast<platform::win32::Win32TextBox&>(form->GetControl("Text1"));
    ASSERT_NE(text1.DropTarget(), nullptr); // registered with the system
    std::vector<platform::DropData> drops;
    text1.onDrop = [&](const platform::DropData& data) { drops.push_back(data); };

    struct Case {
        std::vector<std::wstring> names;
        const char* text;
        std::vector<std::string> files;
    } cases[] = {
        {{L"C:\\a.txt", L"C:\\dir\\b c.txt"}, "dropped text", {"C:\\a.txt", "C:\\dir\\b c.txt"}},
        // A name outside the code page keeps its place, with '?' for what it cannot say.
        {{L"C:\\\x4E2D\x6587.txt"}, nullptr, {"C:\\??.txt"}},
        {{}, nullptr, {}}, // an empty list
    };
    for (const Case& c : cases) {
        CopyDropData(c.names, c.text);
        IDataObject* data = nullptr;
        ASSERT_EQ(OleGetClipboard(&data), S_OK);
        drops.clear();
        text1.DropTarget()->DropForTest(data);
        data->Release();
        ASSERT_EQ(drops.size(), 1u);
        EXPECT_TRUE(drops[0].hasFiles);
        EXPECT_EQ(drops[0].files, c.files);
        EXPECT_EQ(drops[0].hasText, c.text != nullptr);
        EXPECT_EQ(drops[0].text, c.text ? c.text : "");
    }
}

} // namespace
