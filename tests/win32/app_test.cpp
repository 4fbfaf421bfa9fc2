// The program itself on real windows: start-up, new documents by shortcut, typing and the
// caret panels, the tool windows, closing and the frame's own bar.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "app/app.h"
#include "app/document_window.h"
#include "app/frame_window.h"
#include "calc/calculator_window.h"
#include "contract/contract_harness.h"
#include "desktop/clipboard_viewer.h"
#include "files/status_bar.h"
#include "harness_support.h"
#include "platform/keys.h"
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_form_kinds.h"
#include "platform/win32/win32_menu.h"

using platform::key::F;
using win32_test::HwndOf;
using win32_test::PressKey;

namespace {

bool BarHas(HWND frame, const char* caption) {
    HMENU bar = GetMenu(frame);
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        char text[64] = "";
        GetMenuStringA(bar, i, text, sizeof text, MF_BYPOSITION);
        if (std::string(text) == caption) return true;
    }
    return false;
}

class ProgramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        app.Start();
        // The test program's own command line is not a list of files to open; the frame's
        // activation is posted, so it can still be taken off here.
        app.frame().form().onActivate = nullptr;
        win32_test::Platform().DoEvents();
    }
    HWND Frame() { return HwndOf(app.frame().form()); }
    HWND Text1() { return HwndOf(app.ActiveDocument()->Text1()); }

    app::App app{win32_test::Platform()};
};

} // namespace

TEST_F(ProgramTest, StartsWithTheFrameAtTheLeftEdgeAndOneMaximisedDocument) {
    RECT frame;
    GetWindowRect(Frame(), &frame);
    EXPECT_EQ(frame.left, 0);
    EXPECT_EQ(app.frame().form().Caption(), "Scrivex");
    ASSERT_EQ(app.registry.Count(), 1);
    core::Document* doc = app.ActiveDocument();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->form().Caption(), "Untitled");
    EXPECT_TRUE(IsZoomed(HwndOf(doc->form())));
    EXPECT_TRUE(BarHas(Frame(), "&Edit"));
    EXPECT_EQ(app.frame().StatusBar1().PanelText(1), "Scrivex - Ultimate MDI Text Editor");
    EXPECT_FALSE(app.paths.windowsFolder.empty());
    EXPECT_EQ(app.paths.systemRoot.size(), 3u);
}

TEST_F(ProgramTest, TheWindowMenuListsTheFirstDocumentFromTheStart) {
    HMENU bar = GetMenu(Frame());
    HMENU window = nullptr;
    for (int i = 0; i < GetMenuItemCount(bar) && !window; ++i) {
        char text[64] = "";
        GetMenuStringA(bar, i, text, sizeof text, MF_BYPOSITION);
        if (std::string(text) == "&Window") window = GetSubMenu(bar, i);
    }
    ASSERT_NE(window, nullptr);
    int count = GetMenuItemCount(window);
    ASSERT_GE(count, 2);
    // The menu's own items, then a separator and the one document.
    EXPECT_TRUE(GetMenuState(window, count - 2, MF_BYPOSITION) & MF_SEPARATOR);
    char last[64] = "";
    GetMenuStringA(window, count - 1, last, sizeof last, MF_BYPOSITION);
    EXPECT_STREQ(last, "&1 Untitled");
    EXPECT_TRUE(GetMenuState(window, count - 1, MF_BYPOSITION) & MF_CHECKED);
}

TEST_F(ProgramTest, ShortcutsMakeDocumentsAndTheLastOneIsMaximisedAgain) {
    PressKey(Text1(), F(2));
    PressKey(Text1(), 'N', platform::shift::Ctrl);
    ASSERT_EQ(app.registry.Count(), 3);
    for (core::Document* doc : app.OpenDocuments())
        EXPECT_FALSE(IsZoomed(HwndOf(doc->form())));
    EXPECT_EQ(app.ActiveDocument()->form().Tag(), "3");

    ASSERT_TRUE(app.registry.Window(2)->form().Close());
    PressKey(Text1(), F(2));
    EXPECT_EQ(app.ActiveDocument()->form().Tag(), "2");

    app.registry.Window(2)->form().Close();
    app.registry.Window(3)->form().Close();
    win32_test::Platform().DoEvents();
    ASSERT_EQ(app.registry.Count(), 1);
    EXPECT_TRUE(IsZoomed(HwndOf(app.ActiveDocument()->form())));
}

TEST_F(ProgramTest, TypingMarksTheDocumentAndKeyReleaseShowsTheCaret) {
    HWND text1 = Text1();
    for (char c : std::string("abc"))
        SendMessageA(text1, WM_CHAR, c, 1);
    SendMessageA(text1, WM_CHAR, VK_RETURN, 1);
    SendMessageA(text1, WM_CHAR, 'd', 1);
    SendMessageA(text1, WM_KEYUP, 'D', 0xC0000001);
    core::Document* doc = app.ActiveDocument();
    EXPECT_EQ(doc->Text1().Text(), "abc\r\nd");
    EXPECT_EQ(doc->Text1().Tag(), "3");
    EXPECT_EQ(doc->StatusBar1().PanelText(1), "Ln2 /2");
    EXPECT_EQ(doc->StatusBar1().PanelText(2), "Col2 /1");
    EXPECT_EQ(doc->StatusBar1().PanelText(3), "Pos6");
}

TEST_F(ProgramTest, ClosingEveryDocumentBringsBackTheFramesBar) {
    PressKey(Text1(), F(2));
    PressKey(Text1(), F(9), platform::shift::Shift); // Close all
    win32_test::Platform().DoEvents();
    EXPECT_EQ(app.registry.Count(), 0);
    EXPECT_FALSE(BarHas(Frame(), "&Edit"));
    EXPECT_TRUE(BarHas(Frame(), "&Tools"));
    // Document shortcuts do nothing now; the frame's own work.
    PressKey(Frame(), 'L', platform::shift::Ctrl);
    PressKey(Frame(), F(2));
    win32_test::Platform().DoEvents();
    ASSERT_EQ(app.registry.Count(), 1);
    EXPECT_TRUE(IsZoomed(HwndOf(app.ActiveDocument()->form())));
    EXPECT_TRUE(BarHas(Frame(), "&Edit"));
}

TEST_F(ProgramTest, FileInfoReadsTheSizeFromDisk) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + "scrivex info test.txt";
    std::ofstream(path, std::ios::binary) << std::string(1536, 'x');
    core::Document* doc = app.ActiveDocument();
    files::ShowFileInfo(app, *doc, path, "scrivex info test.txt");
    EXPECT_EQ(doc->form().Caption(), "scrivex info test.txt");
    EXPECT_EQ(doc->StatusBar1().PanelText(4), path);
    EXPECT_EQ(doc->StatusBar1().PanelText(5), "1536 Bytes ");
    std::string kilobytes = "1";
    kilobytes += app.platform.Numbers().decimal;
    EXPECT_EQ(doc->StatusBar1().PanelTooltip(5), kilobytes + "5 kB");
    std::remove(path.c_str());
}

TEST_F(ProgramTest, TheCalculatorOpensByItsShortcutCalculatesOnEnterAndCopiesIntoTheDocument) {
    PressKey(Text1(), F(3), platform::shift::Shift);
    calc::CalculatorWindow& calculator = app.tools.Get<calc::CalculatorWindow>();
    platform::Form& form = calculator.form();
    HWND window = HwndOf(form);
    ASSERT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
    char caption[64] = "";
    GetWindowTextA(window, caption, sizeof caption);
    EXPECT_STREQ(caption, "1-row calculator");
    RECT client;
    GetClientRect(window, &client);
    EXPECT_NEAR(platform::win32::PixelsToTwipsX(client.right), 4725, 15);
    EXPECT_NEAR(platform::win32::PixelsToTwipsY(client.bottom), 2250, 15);
    HWND math = HwndOf(calculator.txtMath());
    EXPECT_EQ(GetFocus(), math);
    // Tab goes from the expression to the result and on to the = button; Shift+Tab comes back.
    PressKey(math, VK_TAB);
    EXPECT_EQ(GetFocus(), HwndOf(calculator.txtResult()));
    PressKey(GetFocus(), VK_TAB);
    EXPECT_EQ(GetFocus(), HwndOf(form.Get<platform::Button>("cmd")));
    PressKey(GetFocus(), VK_TAB, platform::shift::Shift);
    PressKey(GetFocus(), VK_TAB, platform::shift::Shift);
    EXPECT_EQ(GetFocus(), math);

    // Typed as keys arrive: characters through the program's loop, then Enter.
    for (char c : std::string("2*(3+4)")) {
        MSG msg{math, WM_CHAR, static_cast<unsigned char>(c), 1, 0, {}};
        if (!platform::win32::Win32Platform::PreTranslate(msg)) DispatchMessageA(&msg);
    }
    PressKey(math, VK_RETURN);
    EXPECT_EQ(calculator.txtResult().Text(), "14");
    EXPECT_EQ(GetFocus(), math);

    core::Document* doc = app.ActiveDocument();
    doc->Text1().SetText("ab");
    doc->Text1().SetSelStart(2);
    SendMessageA(HwndOf(form.Get<platform::Button>("cmdCopyEquation")), BM_CLICK, 0, 0);
    EXPECT_EQ(doc->Text1().Text(), "ab2*(3+4) = 14");

    // The label beside the check box switches it; Esc in a text box hides the window.
    HWND label = HwndOf(form.Get<platform::Label>("Label3"));
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(label), STN_CLICKED),
                 reinterpret_cast<LPARAM>(label));
    EXPECT_TRUE(calculator.chkRevers().Value());
    PressKey(HwndOf(calculator.txtVars()), VK_ESCAPE);
    EXPECT_FALSE(IsWindowVisible(window));

    // Opening again empties both boxes and keeps the check box.
    PressKey(Text1(), F(3), platform::shift::Shift);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(calculator.txtMath().Text(), "");
    EXPECT_EQ(calculator.txtResult().Text(), "");
    EXPECT_TRUE(calculator.chkRevers().Value());
    form.Hide();
}

// Esc in the clipboard viewer's multi-line box hides it, as its close box does (the contract
// tests); its next opening shows the same window and leaves the focus in the document, and it
// keeps watching the clipboard all the while.
TEST_F(ProgramTest, EscHidesTheClipboardViewerWhichGoesOnWatching) {
    auto& viewer = static_cast<desktop::ClipViewWindow&>(app.tools.Get("frmClipView"));
    const HWND window = HwndOf(viewer.form()), box = HwndOf(viewer.Text1());
    for (int opening : {1, 2}) {
        SCOPED_TRACE(opening);
        SetFocus(Text1());
        PressKey(Text1(), F(4), platform::shift::Shift);
        ASSERT_TRUE(IsWindowVisible(window));
        EXPECT_EQ(GetFocus(), Text1());
        SetFocus(box);
        PressKey(box, VK_ESCAPE);
        win32_test::Platform().DoEvents(); // what the key posted
        ASSERT_TRUE(IsWindow(window));
        EXPECT_FALSE(IsWindowVisible(window));
    }
    ContractCopyText("copied after the viewer was closed");
    EXPECT_EQ(viewer.Text1().Text(), "copied after the viewer was closed");
}

TEST_F(ProgramTest, TheTextIsShownInFixedsys) {
    // The system may lack the face in the Central European set; the face itself must stay.
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(Text1(), WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    char face[LF_FACESIZE] = "";
    GetTextFaceA(dc, LF_FACESIZE, face);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    EXPECT_STREQ(face, "Fixedsys");
    EXPECT_EQ(metrics.tmAveCharWidth, metrics.tmMaxCharWidth); // one width for every character
}

TEST_F(ProgramTest, ALongTextGoesInWithoutTakingTheFocusAndIsPaintedOnce) {
    core::Document* doc = app.ActiveDocument();
    SetFocus(Text1());
    std::string line = "The quick brown fox jumps over the lazy dog\r\n";
    std::string text;
    while (text.size() < 65535)
        text += line;
    text.resize(65535);
    doc->Text1().SetText(text);
    EXPECT_TRUE(IsWindowVisible(Text1()));
    EXPECT_EQ(GetFocus(), Text1()); // the write did not move the focus away and back
    EXPECT_EQ(GetWindowTextLengthA(Text1()), 65535);
    // Nothing was painted during the write; all of it is painted with the next paint.
    EXPECT_TRUE(GetUpdateRect(Text1(), nullptr, FALSE));
    win32_test::Platform().DoEvents();
    EXPECT_FALSE(GetUpdateRect(Text1(), nullptr, FALSE));
    EXPECT_EQ(doc->Text1().Text(), text);
}

TEST_F(ProgramTest, TheCaretPanelsArePaintedOnceWithTheWindowNotOncePerPanel) {
    HWND bar = HwndOf(app.ActiveDocument()->StatusBar1());
    win32_test::Platform().DoEvents();
    ASSERT_FALSE(GetUpdateRect(bar, nullptr, FALSE));
    SendMessageA(Text1(), WM_CHAR, 'x', 1);
    SendMessageA(Text1(), WM_KEYUP, 'X', 0xC0000001);
    // The bar holds the new texts; the changed panels wait for the window's next paint.
    char text[64] = "";
    SendMessageA(bar, SB_GETTEXTA, 2, reinterpret_cast<LPARAM>(text));
    EXPECT_NE(std::string(text).find("Pos1"), std::string::npos) << text;
    EXPECT_TRUE(GetUpdateRect(bar, nullptr, FALSE));
    win32_test::Platform().DoEvents();
    EXPECT_FALSE(GetUpdateRect(bar, nullptr, FALSE));
}

TEST(ProgramCloseAll, AsksFromTheTopSlotDownAndLeavesTheRefusedWindowMaximisedAndPainted) {
    win32_test::ScriptedPlatform platform;
    app::App app{platform};
    app.Start();
    app.frame().form().onActivate = nullptr;
    for (int i = 0; i < 3; ++i)
        app.NewDocument();
    for (int slot = 1; slot <= 4; ++slot) {
        core::Document& doc = *app.registry.Window(slot);
        doc.form().SetCaption(std::string("w") + static_cast<char>('0' + slot));
        if (slot % 2 == 0) SendMessageA(HwndOf(doc.Text1()), WM_CHAR, 'x', 1);
    }
    platform.DoEvents();
    platform.answers = {platform::Answer::No, platform::Answer::Cancel};
    PressKey(HwndOf(app.ActiveDocument()->Text1()), F(9), platform::shift::Shift);

    ASSERT_EQ(platform.shown.size(), 2u);
    EXPECT_EQ(platform.shown[0].title, "w4");
    EXPECT_EQ(platform.shown[1].title, "w2");
    ASSERT_EQ(app.registry.Count(), 1);
    EXPECT_TRUE(app.registry.InUse(2));
    core::Document& left = *app.registry.Window(2);
    EXPECT_EQ(app.ActiveDocument(), &left);
    EXPECT_TRUE(IsZoomed(HwndOf(left.form())));
    // Its bar is on show, with its window list, and everything is painted at the next paint.
    HWND frame = HwndOf(app.frame().form());
    auto& bar = dynamic_cast<platform::win32::Win32Menu&>(left.menu());
    EXPECT_EQ(GetMenu(frame), bar.Bar());
    bool closeButton = false; // the maximised document's own buttons joined its bar
    for (int i = 0; i < GetMenuItemCount(bar.Bar()); ++i)
        closeButton = closeButton || GetMenuItemID(bar.Bar(), i) == SC_CLOSE;
    EXPECT_TRUE(closeButton);
    char last[64] = "";
    GetMenuStringA(bar.WindowList(), GetMenuItemCount(bar.WindowList()) - 1, last, sizeof last,
                   MF_BYPOSITION);
    EXPECT_STREQ(last, "&1 w2");
    HWND client = platform::win32::Win32MdiFrame::Current()->Client();
    EXPECT_TRUE(IsWindowVisible(HwndOf(left.Text1())));
    platform.DoEvents();
    EXPECT_FALSE(GetUpdateRect(client, nullptr, FALSE));
    EXPECT_FALSE(GetUpdateRect(HwndOf(left.Text1()), nullptr, FALSE));
    app.frame().form().Unload();
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

// A drop on a document window that is not the active one: the focus makes it active first, so
// the dropped file goes into that window.
TEST_F(ProgramTest, DropOnAnInactiveDocumentGoesIntoThatDocument) {
    app.NewDocument();
    core::Document* first = app.OpenDocuments()[0];
    core::Document* second = app.OpenDocuments()[1];
    ASSERT_EQ(app.ActiveDocument(), second);
    std::string path = win32_test::TempFolder("scrivex-drop") + "dropped.txt";
    { std::ofstream(path) << "dropped"; }
    first->Text1().onDrop(platform::DropData{true, {path}, false, ""});
    win32_test::Platform().DoEvents();
    EXPECT_EQ(first->Text1().Text(), "dropped");
    EXPECT_EQ(second->Text1().Text(), "");
    EXPECT_EQ(app.registry.Count(), 2);
}
