// The frame, its documents and their menu bars under real windows: which bar is on show, the
// window list, shortcuts, and closing with its questions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness_support.h"
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_form_kinds.h"
#include "platform/win32/win32_menu.h"

using namespace platform;
using win32_test::HwndOf;
using win32_test::PressKey;

namespace {

MenuItemDef Item(std::string name, std::string caption, Shortcut shortcut = {}, int index = -1) {
    MenuItemDef def;
    def.name = std::move(name);
    def.caption = std::move(caption);
    def.shortcut = shortcut;
    def.index = index;
    return def;
}

MenuItemDef Sub(std::string name, std::string caption, std::vector<MenuItemDef> children,
                bool windowList = false) {
    MenuItemDef def = Item(std::move(name), std::move(caption));
    def.children = std::move(children);
    def.windowList = windowList;
    return def;
}

std::string MenuText(HMENU menu, UINT position) {
    char text[256] = "";
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

class MdiMenus : public ::testing::Test {
  protected:
    void SetUp() override {
        FormDef def;
        def.kind = FormKind::MdiFrame;
        def.name = "MDIForm1";
        def.caption = "Scrivex";
        def.width = 9000;
        def.height = 6000;
        frame = win32_test::Platform().CreateFrame(def);
        auto record = [this](const std::string& who) {
            return [this, who](const std::string& name, int index) {
                chosen.push_back(who + ":" + name + (index >= 0 ? std::to_string(index) : ""));
            };
        };
        frameMenu = win32_test::Platform().CreateMenu(
            {Sub("MnuFile", "&File", {Item("mnuFileNew", "&New", Plain(key::F(2)))})},
            record("frame"));
        docMenu = win32_test::Platform().CreateMenu(
            {Sub("mnuFile", "&File",
                 {Item("mnuFileSave", "&Save", Ctrl('S')), Item("mnuFileSepar1", "-"),
                  Item("mnuFileClose", "C&lose", Ctrl('L'))}),
             Sub("mnuFormat", "&Format", {Item("mnuFormatWordWrap", "Word &wrap", Ctrl('W'))}),
             Sub("mnuTools", "&Tools",
                 {Item("mnuToolsShell", "Explorer", Ctrl(key::F(4)), 4),
                  Item("mnuToolsShell", "CDPlayer", Ctrl(key::F(6)), 6)}),
             Sub("mnuWindow", "&Window", {Item("mnuWindowNew", "&New window", Ctrl('N'))}, true)},
            record("doc"));
        frame->SetMenu(frameMenu.get());
        frame->Show();
    }
    void TearDown() override {
        children.clear();
        frame->Unload();
        MSG quit;
        PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }

    Form& NewChild(const std::string& caption) {
        FormDef def;
        def.kind = FormKind::MdiChild;
        def.name = "Form1";
        def.caption = caption;
        def.width = 4000;
        def.height = 2500;
        children.push_back(frame->CreateChild(def));
        children.back()->SetMenu(docMenu.get());
        return *children.back();
    }

    std::unique_ptr<MdiFrame> frame;
    std::unique_ptr<Menu> frameMenu, docMenu;
    std::vector<std::unique_ptr<Form>> children;
    std::vector<std::string> chosen;
};

TEST_F(MdiMenus, TheActiveDocumentsBarReplacesTheFramesUntilTheLastCloses) {
    HWND hwnd = HwndOf(*frame);
    auto* frameBar = dynamic_cast<win32::Win32Menu*>(frameMenu.get());
    auto* docBar = dynamic_cast<win32::Win32Menu*>(docMenu.get());
    EXPECT_EQ(frame->ShownMenu(), frameMenu.get());
    EXPECT_EQ(GetMenu(hwnd), frameBar->Bar());

    Form& first = NewChild("Untitled");
    EXPECT_EQ(frame->ActiveChild(), &first);
    EXPECT_EQ(frame->ShownMenu(), docMenu.get());
    EXPECT_EQ(GetMenu(hwnd), docBar->Bar());
    Form& second = NewChild("Second");
    EXPECT_EQ(frame->ActiveChild(), &second);

    // The window list names the open documents after the menu's own items.
    HMENU list = docBar->WindowList();
    ASSERT_NE(list, nullptr);
    std::vector<std::string> names;
    for (int i = 0; i < GetMenuItemCount(list); ++i)
        names.push_back(MenuText(list, i));
    ASSERT_GE(names.size(), 3u);
    EXPECT_NE(names[names.size() - 2].find("Untitled"), std::string::npos);
    EXPECT_NE(names.back().find("Second"), std::string::npos);
    second.SetCaption("Renamed");
    EXPECT_NE(MenuText(list, GetMenuItemCount(list) - 1).find("Renamed"), std::string::npos);

    EXPECT_TRUE(second.Close());
    EXPECT_FALSE(second.Loaded());
    EXPECT_EQ(frame->ActiveChild(), &first);
    EXPECT_EQ(frame->ShownMenu(), docMenu.get());
    EXPECT_TRUE(first.Close());
    EXPECT_EQ(frame->ActiveChild(), nullptr);
    EXPECT_EQ(frame->ShownMenu(), frameMenu.get());
    EXPECT_EQ(GetMenu(hwnd), frameBar->Bar());
}

TEST_F(MdiMenus, ShortcutsActOnlyForTheBarOnShow) {
    HWND hwnd = HwndOf(*frame);
    struct Case {
        int key, mods;
        bool swallowed;
        std::string chosen; // empty: no handler runs
    };
    // The frame's bar: document shortcuts pass through untouched.
    const Case frameCases[] = {
        {key::F(2), 0, true, "frame:mnuFileNew"},
        {'S', shift::Ctrl, false, ""},
        {VK_F10, shift::Ctrl, true, ""},
    };
    for (const auto& c : frameCases) {
        chosen.clear();
        EXPECT_EQ(PressKey(hwnd, c.key, c.mods), c.swallowed) << c.key;
        EXPECT_EQ(chosen.empty() ? "" : chosen.front(), c.chosen) << c.key;
    }

    Form& doc = NewChild("Untitled");
    docMenu->SetEnabled("mnuFormatWordWrap", false);
    HWND inDoc = GetWindow(HwndOf(doc), GW_CHILD);
    if (!inDoc) inDoc = HwndOf(doc);
    const Case docCases[] = {
        {'S', shift::Ctrl, true, "doc:mnuFileSave"},
        {VK_F4, shift::Ctrl, true, "doc:mnuToolsShell4"},
        {VK_F6, shift::Ctrl, true, "doc:mnuToolsShell6"},
        {'W', shift::Ctrl, true, ""}, // disabled: swallowed, nothing runs
        {key::F(2), 0, false, ""},    // the frame's shortcut is not on show
        {VK_F10, shift::Ctrl, true, ""},
    };
    for (const auto& c : docCases) {
        chosen.clear();
        EXPECT_EQ(PressKey(inDoc, c.key, c.mods), c.swallowed) << c.key;
        EXPECT_EQ(chosen.empty() ? "" : chosen.front(), c.chosen) << c.key;
        EXPECT_TRUE(doc.Loaded()) << c.key;
    }
    EXPECT_EQ(frame->ActiveChild(), &doc);
    EXPECT_EQ(doc.State(), WindowState::Normal);
}

TEST_F(MdiMenus, MenuItemsShowShortcutsAndFollowTheModel) {
    NewChild("Untitled");
    auto* docBar = dynamic_cast<win32::Win32Menu*>(docMenu.get());
    HMENU file = GetSubMenu(docBar->Bar(), 0);
    EXPECT_EQ(MenuText(file, 0), "&Save\tCtrl+S");
    EXPECT_EQ(MenuText(file, 2), "C&lose\tCtrl+L");
    EXPECT_TRUE(GetMenuState(file, 1, MF_BYPOSITION) & MF_SEPARATOR);

    UINT save = win32::kMenuCommandBase + docMenu->Find("mnuFileSave");
    docMenu->SetChecked("mnuFileSave", true);
    docMenu->SetEnabled("mnuFileSave", false);
    EXPECT_TRUE(GetMenuState(file, save, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(file, save, MF_BYCOMMAND) & MF_GRAYED);
    // A menu click on a disabled item does nothing.
    SendMessageA(HwndOf(*frame), WM_COMMAND, save, 0);
    EXPECT_TRUE(chosen.empty());
    docMenu->SetEnabled("mnuFileSave", true);
    SendMessageA(HwndOf(*frame), WM_COMMAND, save, 0);
    EXPECT_EQ(chosen, std::vector<std::string>{"doc:mnuFileSave"});

    docMenu->SetEnabled("mnuFormat", false);
    EXPECT_TRUE(GetMenuState(docBar->Bar(), 1, MF_BYPOSITION) & MF_GRAYED);
}

TEST_F(MdiMenus, ClosingTheFrameAsksEveryDocumentFirst) {
    Form& a = NewChild("A");
    Form& b = NewChild("B");
    std::vector<std::string> asked;
    bool refuse = true;
    frame->onQueryUnload = [&](UnloadMode mode, bool&) {
        asked.push_back("frame" + std::to_string(static_cast<int>(mode)));
    };
    for (Form* f : {&a, &b}) {
        f->onQueryUnload = [&, f](UnloadMode mode, bool& cancel) {
            asked.push_back(f->Caption() + std::to_string(static_cast<int>(mode)));
            cancel = refuse && f == &b;
        };
        f->onUnload = [&, f] { asked.push_back("unload " + f->Caption()); };
    }
    // Closed from its control menu; B refuses: nothing closes.
    SendMessageA(HwndOf(*frame), WM_CLOSE, 0, 0);
    EXPECT_TRUE(frame->Loaded());
    EXPECT_TRUE(a.Loaded());
    EXPECT_TRUE(b.Loaded());
    const std::string control = std::to_string(static_cast<int>(UnloadMode::ControlMenu));
    const std::string closing = std::to_string(static_cast<int>(UnloadMode::FrameClosing));
    EXPECT_EQ(asked, (std::vector<std::string>{"frame" + control, "A" + closing, "B" + closing}));

    asked.clear();
    refuse = false;
    EXPECT_TRUE(frame->Close(UnloadMode::Code));
    EXPECT_FALSE(frame->Loaded());
    EXPECT_FALSE(a.Loaded());
    EXPECT_FALSE(b.Loaded());
    ASSERT_EQ(asked.size(), 5u);
    EXPECT_EQ(asked[3], "unload A");
    EXPECT_EQ(asked[4], "unload B");
    // Closed objects stay safe to use.
    a.SetCaption("x");
    a.Show();
    EXPECT_EQ(a.ScaleWidth(), 0);
    EXPECT_EQ(frame->ActiveChild(), nullptr);
    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)); // the loop would end
}

TEST_F(MdiMenus, DocumentsCloseFromTheirControlMenuUnlessCancelled) {
    Form& a = NewChild("A");
    int unloads = 0;
    bool cancel = true;
    a.onQueryUnload = [&](UnloadMode mode, bool& c) {
        EXPECT_EQ(mode, UnloadMode::ControlMenu);
        c = cancel;
    };
    a.onUnload = [&] { ++unloads; };
    SendMessageA(HwndOf(a), WM_CLOSE, 0, 0);
    EXPECT_TRUE(a.Loaded());
    cancel = false;
    SendMessageA(HwndOf(a), WM_CLOSE, 0, 0);
    EXPECT_FALSE(a.Loaded());
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(frame->ShownMenu(), frameMenu.get());
}

TEST_F(MdiMenus, ActivationEventsAndWindowStates) {
    Form& a = NewChild("A");
    std::vector<std::string> events;
    a.onActivate = [&] { events.push_back("A+"); };
    a.onDeactivate = [&] { events.push_back("A-"); };
    Form& b = NewChild("B");
    b.onActivate = [&] { events.push_back("B+"); };
    SendMessageA(win32::Win32MdiFrame::Current()->Client(), WM_MDIACTIVATE,
                 reinterpret_cast<WPARAM>(HwndOf(a)), 0);
    EXPECT_EQ(events, (std::vector<std::string>{"A-", "A+"}));
    EXPECT_EQ(frame->ActiveChild(), &a);

    a.SetState(WindowState::Maximized);
    EXPECT_EQ(a.State(), WindowState::Maximized);
    a.SetState(WindowState::Normal);
    EXPECT_EQ(a.State(), WindowState::Normal);
    a.Move(300, 600, 4500, 3000);
    EXPECT_NEAR(a.Left(), 300, 15);
    EXPECT_NEAR(a.Top(), 600, 15);
    EXPECT_NEAR(a.Width(), 4500, 15);
    EXPECT_NEAR(a.Height(), 3000, 15);
    // The documents outlive this test's `events`: closing A at tear-down activates B.
    a.onActivate = a.onDeactivate = b.onActivate = nullptr;
}

} // namespace

TEST_F(MdiMenus, AMaximisedDocumentFillsTheClientAreaWithoutScrollBars) {
    HWND client = dynamic_cast<win32::Win32MdiFrame&>(*frame).Client();
    Form& doc = NewChild("Untitled");
    doc.SetState(WindowState::Maximized);
    win32_test::Platform().DoEvents();
    EXPECT_EQ(GetWindowLongPtrA(client, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), 0);
    RECT area, window;
    GetClientRect(client, &area);
    GetWindowRect(HwndOf(doc), &window);
    MapWindowPoints(nullptr, client, reinterpret_cast<POINT*>(&window), 2);
    EXPECT_LE(window.left, 0);
    EXPECT_LE(window.top, 0);
    EXPECT_GE(window.right, area.right);
    EXPECT_GE(window.bottom, area.bottom);
}

TEST_F(MdiMenus, ADocumentsCaptionShowsInTheFramesTitleWhileItIsMaximised) {
    auto title = [](HWND hwnd) {
        char text[256] = "";
        GetWindowTextA(hwnd, text, sizeof text);
        return std::string(text);
    };
    HWND hwnd = HwndOf(*frame);
    Form& first = NewChild("Untitled");
    first.SetState(WindowState::Maximized);
    EXPECT_EQ(title(hwnd), "Scrivex - [Untitled]");
    first.SetCaption("a.txt");
    EXPECT_EQ(title(HwndOf(first)), "a.txt");
    EXPECT_EQ(title(hwnd), "Scrivex - [a.txt]");
    first.SetCaption("~ under 64 kB ~ a.txt");
    EXPECT_EQ(title(hwnd), "Scrivex - [~ under 64 kB ~ a.txt]");
    first.SetState(WindowState::Normal);
    EXPECT_EQ(title(hwnd), "Scrivex");
    first.SetCaption("b.txt");
    EXPECT_EQ(title(HwndOf(first)), "b.txt");
    EXPECT_EQ(title(hwnd), "Scrivex");
    first.SetState(WindowState::Maximized);
    EXPECT_EQ(title(hwnd), "Scrivex - [b.txt]");
    // The window list follows as well.
    HMENU list = dynamic_cast<win32::Win32Menu&>(*docMenu).WindowList();
    EXPECT_NE(MenuText(list, GetMenuItemCount(list) - 1).find("b.txt"), std::string::npos);
}

TEST(MdiFrameBar, TheBarOnShowGoesOnTheWindowWhenTheFrameFirstShows) {
    FormDef def;
    def.kind = FormKind::MdiFrame;
    def.name = "MDIForm1";
    def.caption = "Scrivex";
    auto frame = win32_test::Platform().CreateFrame(def);
    auto frameMenu = win32_test::Platform().CreateMenu({Sub("MnuFile", "&File", {})}, nullptr);
    auto docMenu = win32_test::Platform().CreateMenu(
        {Sub("mnuFile", "&File", {Item("mnuFileSave", "&Save", Ctrl('S'))})}, nullptr);
    frame->SetMenu(frameMenu.get());
    FormDef childDef;
    childDef.kind = FormKind::MdiChild;
    childDef.name = "Form1";
    auto child = frame->CreateChild(childDef);
    child->SetMenu(docMenu.get());
    child->SetState(WindowState::Maximized);
    // Hidden, the frame only notes which bar it will show.
    EXPECT_EQ(frame->ShownMenu(), docMenu.get());
    EXPECT_EQ(GetMenu(HwndOf(*frame)), nullptr);
    frame->Show();
    HMENU bar = dynamic_cast<win32::Win32Menu&>(*docMenu).Bar();
    EXPECT_EQ(GetMenu(HwndOf(*frame)), bar);
    // The maximised document's own buttons join its bar.
    EXPECT_GT(GetMenuItemCount(bar), 1);
    child.reset();
    EXPECT_EQ(GetMenu(HwndOf(*frame)), dynamic_cast<win32::Win32Menu&>(*frameMenu).Bar());
    frame->Unload();
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

namespace {

// Counts the messages sent to the frame and the windows inside it that paint them or put a
// bar on it.
struct SentCounter {
    static inline HWND frame = nullptr;
    static inline int paints = 0, bars = 0;
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && (sent->hwnd == frame || IsChild(frame, sent->hwnd))) {
            if (sent->message == WM_NCPAINT || sent->message == WM_ERASEBKGND ||
                sent->message == WM_PAINT)
                ++paints;
            if (sent->message == WM_MDISETMENU) ++bars;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    explicit SentCounter(HWND f) {
        frame = f;
        paints = bars = 0;
        hook = SetWindowsHookExA(WH_CALLWNDPROC, Hook, nullptr, GetCurrentThreadId());
    }
    ~SentCounter() { UnhookWindowsHookEx(hook); }
    HHOOK hook;
};

} // namespace

TEST_F(MdiMenus, DocumentsClosedInAnUpdatePaintNothingUntilItEnds) {
    HWND client = dynamic_cast<win32::Win32MdiFrame&>(*frame).Client();
    std::vector<std::unique_ptr<Menu>> bars;
    for (int i = 0; i < 6; ++i) {
        Form& doc = NewChild("Doc" + std::to_string(i + 1));
        bars.push_back(win32_test::Platform().CreateMenu(
            {Sub("mnuWindow", "&Window", {Item("mnuWindowNew", "&New window")}, true)}, nullptr));
        doc.SetMenu(bars.back().get());
    }
    win32_test::Platform().DoEvents();
    SentCounter sent(HwndOf(*frame));
    {
        FrameUpdate update(*frame);
        // The active document goes each time: the next one comes to the top unpainted.
        for (size_t i = children.size() - 1; i >= 3; --i) {
            ASSERT_TRUE(children[i]->Close());
            EXPECT_EQ(sent.paints, 0) << i;
            EXPECT_EQ(sent.bars, 0) << i;
        }
        // A dialog that comes up meanwhile finds the frame as it is: the bar of the active
        // document on show and the documents painted. Message boxes send their owner no idle
        // message; other dialogs do.
        using Show = std::function<void()>;
        const std::pair<const char*, Show> dialogs[] = {
            {"message box", [] { win32_test::Platform().MsgBox("Save?", mb::OkOnly, "Doc3"); }},
            {"input box", [] { win32_test::Platform().InputBox("Name?", "Doc2", ""); }},
        };
        for (size_t d = 0; d < 2; ++d) {
            Form& doc = *children[2 - d];
            bool painted = false;
            doc.onQueryUnload = [&](UnloadMode, bool&) {
                sent.paints = sent.bars = 0;
                win32_test::DialogDriver driver([&](HWND box) {
                    for (int i = 0; i < 250 && !painted; ++i, Sleep(20))
                        painted = sent.paints > 0 && !GetUpdateRect(client, nullptr, FALSE);
                    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
                });
                dialogs[d].second();
            };
            ASSERT_TRUE(doc.Close());
            EXPECT_TRUE(painted) << dialogs[d].first;
            EXPECT_EQ(sent.bars, 1) << dialogs[d].first;
            HMENU bar = dynamic_cast<win32::Win32Menu&>(*bars[2 - d]).Bar();
            EXPECT_EQ(GetMenu(HwndOf(*frame)), bar) << dialogs[d].first;
        }
        sent.paints = sent.bars = 0;
        // Painting stops again for the next one to go.
        ASSERT_TRUE(children[0]->Close()); // the last one: the frame's own bar is due
        EXPECT_EQ(sent.paints, 0);
        EXPECT_EQ(sent.bars, 0);
    }
    EXPECT_EQ(sent.bars, 1);
    EXPECT_EQ(frame->ShownMenu(), frameMenu.get());
    EXPECT_EQ(GetMenu(HwndOf(*frame)), dynamic_cast<win32::Win32Menu&>(*frameMenu).Bar());
    // The client is painted once, after the update.
    EXPECT_TRUE(IsWindowVisible(client));
    EXPECT_TRUE(GetUpdateRect(client, nullptr, FALSE));
    win32_test::Platform().DoEvents();
    EXPECT_FALSE(GetUpdateRect(client, nullptr, FALSE));
}
