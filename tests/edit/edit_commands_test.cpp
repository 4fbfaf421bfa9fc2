// The Edit and Insert menus of a document window through the fake: the enabling rule as the
// Edit menu opens, the clipboard commands with a clipboard that may be busy or hold a picture,
// the case and line commands, and the inserts with a fixed clock.
#include "app/app_fixture.h"
#include "core/document_flags.h"

using platform::Ctrl;
using platform::Plain;
namespace key = platform::key;

namespace {

class EditCommands : public AppTest {
  protected:
    void SetUp() override { Start(); }
    // The active document holding `text` with [start, start + length) selected.
    fake::FakeTextBox& Doc(const std::string& text, int start = 0, int length = 0) {
        auto& box = Text1(Active());
        box.SetText(text);
        box.SetSelStart(start);
        box.SetSelLength(length);
        return box;
    }
    bool Enabled(const char* item) { return Active()->menu().Enabled(item); }
    std::map<std::string, std::string>& Clipboard() { return platform.clipboard.formats; }
};

const char* const kSelectionItems[] = {"mnuEditCut", "mnuEditCopy", "mnuEditChangeCase",
                                       "mnuEditTruncateLines"};

} // namespace

TEST_F(EditCommands, OpeningTheEditMenuEnablesTheSelectionItemsByTheSelection) {
    for (const char* item : kSelectionItems)
        EXPECT_TRUE(Enabled(item)) << "enabled before the first opening: " << item;
    Doc("hello", 2);
    frame().OpenMenu("mnuEdit");
    for (const char* item : kSelectionItems)
        EXPECT_FALSE(Enabled(item)) << item;
    for (const char* item : {"mnuEditUndo", "mnuEditDelete", "mnuEditPaste", "mnuEditSelectAll"})
        EXPECT_TRUE(Enabled(item)) << item;
    // The states stay as set until the menu opens again, whatever the selection does.
    Doc("hello", 0, 5);
    EXPECT_FALSE(Enabled("mnuEditCut"));
    frame().OpenMenu("mnuEdit");
    for (const char* item : kSelectionItems)
        EXPECT_TRUE(Enabled(item)) << item;
    // Opening another menu changes nothing.
    Doc("hello", 1);
    frame().OpenMenu("mnuSearch");
    frame().OpenMenu("mnuEditChangeCase");
    EXPECT_TRUE(Enabled("mnuEditCut"));
}

TEST_F(EditCommands, DisabledItemsCannotBeChosenByShortcutOrMenu) {
    auto& box = Doc("hello world", 0);
    frame().OpenMenu("mnuEdit"); // nothing selected: the four go grey
    Clipboard() = {{"Text", "before"}};
    box.SetSelLength(5);
    frame().PressShortcut(Ctrl('X'));
    frame().PressShortcut(Ctrl('C'));
    frame().ChooseMenu("mnuEditCaseUpperCase");
    frame().ChooseMenu("mnuEditTruncateLines");
    EXPECT_EQ(box.Text(), "hello world");
    EXPECT_EQ(Clipboard()["Text"], "before");
    // Paste stays enabled.
    frame().PressShortcut(Ctrl('V'));
    EXPECT_EQ(box.Text(), "before world");
    // Opened again with a selection, the shortcut works.
    box.SetSelStart(0);
    box.SetSelLength(6);
    frame().OpenMenu("mnuEdit");
    frame().PressShortcut(Ctrl('X'));
    EXPECT_EQ(box.Text(), " world");
    EXPECT_EQ(Clipboard()["Text"], "before");
}

TEST_F(EditCommands, CutAndCopyReplaceTheWholeClipboardWithTheSelection) {
    auto& box = Doc("one two three", 4, 3);
    Clipboard() = {{"Bitmap", "picture"}, {"Text", "old"}};
    frame().PressShortcut(Ctrl('C'));
    EXPECT_EQ(Clipboard(), (std::map<std::string, std::string>{{"Text", "two"}}));
    EXPECT_EQ(box.Text(), "one two three");
    EXPECT_EQ(box.SelLength(), 3);

    Clipboard() = {{"Bitmap", "picture"}};
    frame().PressShortcut(Ctrl('X'));
    EXPECT_EQ(Clipboard(), (std::map<std::string, std::string>{{"Text", "two"}}));
    EXPECT_EQ(box.Text(), "one  three");
    EXPECT_EQ(box.SelStart(), 4);
    EXPECT_TRUE(core::HasFlag(box, core::flag::Modified));

    // With nothing selected (the menu not opened since), they do nothing.
    Clipboard() = {{"Bitmap", "picture"}};
    frame().PressShortcut(Ctrl('X'));
    frame().PressShortcut(Ctrl('C'));
    EXPECT_EQ(Clipboard(), (std::map<std::string, std::string>{{"Bitmap", "picture"}}));
    EXPECT_EQ(box.Text(), "one  three");
}

TEST_F(EditCommands, PasteReplacesTheSelectionWithTheClipboardText) {
    struct Case {
        std::map<std::string, std::string> clipboard;
        int start, length;
        const char* expected;
        int caret;
    };
    const Case cases[] = {
        {{{"Text", "XY"}}, 2, 0, "abXYcdef", 4},   // inserted at the caret
        {{{"Text", "XY"}}, 1, 3, "aXYef", 3},      // replaces the selection
        {{{"Bitmap", "picture"}}, 1, 3, "aef", 1}, // a picture only: selection goes
        {{}, 1, 3, "aef", 1},                      // an empty clipboard: the same
        {{{"Text", "a\r\nb\xE9\x01"}}, 6, 0, "abcdefa\r\nb\xE9\x01", 12},
    };
    for (const auto& c : cases) {
        auto& box = Doc("abcdef", c.start, c.length);
        Clipboard() = c.clipboard;
        frame().PressShortcut(Ctrl('V'));
        EXPECT_EQ(box.Text(), c.expected);
        EXPECT_EQ(box.SelStart(), c.caret);
        EXPECT_EQ(box.SelLength(), 0);
    }
    // Nothing on the clipboard and nothing selected: the document does not change at all.
    auto& box = Doc("abc", 1);
    core::ClearFlag(box, core::flag::Modified);
    Clipboard().clear();
    int changes = box.changeCount;
    frame().PressShortcut(Ctrl('V'));
    EXPECT_EQ(box.changeCount, changes);
    EXPECT_FALSE(core::HasFlag(box, core::flag::Modified));
}

TEST_F(EditCommands, AClipboardHeldByAnotherProgramIsWaitedForBrieflyThenLeftAlone) {
    auto& box = Doc("keep this", 0, 4);
    Clipboard() = {{"Text", "theirs"}};
    // Held for a moment: the commands try again and get it.
    platform.clipboard.heldFor = 3;
    frame().PressShortcut(Ctrl('C'));
    EXPECT_EQ(Clipboard()["Text"], "keep");
    // Held for good: Cut keeps the text, Paste changes nothing, Copy leaves the clipboard.
    Clipboard() = {{"Text", "theirs"}};
    for (const char* command : {"mnuEditCut", "mnuEditPaste", "mnuEditCopy"}) {
        platform.clipboard.heldFor = 1000;
        box.SetSelStart(0);
        box.SetSelLength(4);
        frame().ChooseMenu(command);
        EXPECT_EQ(box.Text(), "keep this") << command;
        EXPECT_EQ(Clipboard()["Text"], "theirs") << command;
    }
}

TEST_F(EditCommands, CaseAndLineCommandsRewriteTheSelectionAndLeaveTheCaretAfterIt) {
    struct Case {
        const char* item;
        const char* text;
        int start, length;
        const char* expected;
    };
    const Case cases[] = {
        {"mnuEditCaseLowerCase", "AB CD EF", 3, 2, "AB cd EF"},
        {"mnuEditCaseUpperCase", "ab cd ef", 3, 2, "ab CD ef"},
        {"mnuEditCaseCapitalize", "one two three", 4, 9, "one Two Three"},
        {"mnuEditCaseSentecize", "x. hi. yo", 3, 6, "x. Hi. Yo"},
        {"mnuEditCaseInvertCase", "aB\xE9\xC9", 0, 4, "Ab\xC9\xE9"},
        {"mnuEditCaseCrackzCase", "aaaa bbbb", 5, 4, "aaaa bBbB"},
        {"mnuEditTruncateLines", "a  \r\nb \t\r\nc  ", 1, 9, "a\r\nb\r\nc  "},
        {"mnuEditTruncateLines", "keep  ", 0, 6, "keep"},
    };
    for (const auto& c : cases) {
        auto& box = Doc(c.text, c.start, c.length);
        ASSERT_TRUE(frame().ChooseMenu(c.item)) << c.item;
        EXPECT_EQ(box.Text(), c.expected) << c.item;
        int end = c.start + c.length -
                  static_cast<int>(std::string(c.text).size() - std::string(c.expected).size());
        EXPECT_EQ(box.SelStart(), end) << c.item;
        EXPECT_EQ(box.SelLength(), 0) << c.item;
    }
    // An empty selection: no change at all.
    for (const auto& c : cases) {
        auto& box = Doc("Mixed Text  ", 3);
        int changes = box.changeCount;
        frame().ChooseMenu(c.item);
        EXPECT_EQ(box.Text(), "Mixed Text  ");
        EXPECT_EQ(box.changeCount, changes) << c.item;
    }
}

TEST_F(EditCommands, AWholeFullTextOfEveryByteSurvivesEveryCommand) {
    std::string text;
    while (text.size() < static_cast<size_t>(platform::kMultiLineCapacity))
        for (int c = 1; c < 256 && text.size() < 65535; ++c)
            text += static_cast<char>(c);
    for (const char* item :
         {"mnuEditCaseLowerCase", "mnuEditCaseUpperCase", "mnuEditCaseCapitalize",
          "mnuEditCaseSentecize", "mnuEditCaseInvertCase", "mnuEditCaseCrackzCase"}) {
        auto& box = Doc(text);
        frame().ChooseMenu("mnuEditSelectAll");
        ASSERT_EQ(box.SelLength(), 65535);
        frame().ChooseMenu(item);
        EXPECT_EQ(box.Text().size(), 65535u) << item;
        EXPECT_EQ(box.SelStart(), 65535) << item;
    }
    auto& box = Doc(text);
    frame().ChooseMenu("mnuEditSelectAll");
    frame().ChooseMenu("mnuEditCopy");
    frame().ChooseMenu("mnuEditPaste");
    frame().ChooseMenu("mnuEditTruncateLines");
    EXPECT_EQ(box.Text(), text); // no blank stands before a CR LF or at the end
    frame().ChooseMenu("mnuEditSelectAll");
    frame().ChooseMenu("mnuEditCut");
    EXPECT_EQ(box.Text(), "");
    EXPECT_EQ(Clipboard()["Text"], text);
}

TEST_F(EditCommands, InsertsWriteTheClockInTheUsersFormats) {
    struct Case {
        platform::Shortcut key;
        const char* expected;
    };
    const Case cases[] = {
        {Plain(key::F(5)), "Monday, December 7, 2026 (Monday) 09:05:07"},
        {Plain(key::F(6)), "9:05:07 AM"},
        {Plain(key::F(7)), "12/7/2026"},
    };
    for (const auto& c : cases) {
        auto& box = Doc("[sel]", 1, 3);
        frame().PressShortcut(c.key);
        EXPECT_EQ(box.Text(), "[" + std::string(c.expected) + "]");
        EXPECT_EQ(box.SelStart(), 1 + static_cast<int>(std::string(c.expected).size()));
    }
    // The long date and the time follow the user's settings; the clock part of Insert now
    // keeps 24 hours and leading zeros whatever they are.
    platform.locale.longDate = "d. MMMM yyyy";
    platform.locale.time = "HH.mm";
    platform.now = {2027, 1, 2, 6, 23, 4, 0};
    auto& box = Doc("");
    frame().PressShortcut(Plain(key::F(5)));
    frame().PressShortcut(Plain(key::F(6)));
    EXPECT_EQ(box.Text(), "2. January 2027 (Saturday) 23:04:0023.04");
}

TEST_F(EditCommands, UndoDeleteAndSelectAll) {
    auto& box = Doc("abc");
    frame().ChooseMenu("mnuEditSelectAll");
    EXPECT_EQ(box.SelStart(), 0);
    EXPECT_EQ(box.SelLength(), 3);
    box.SetSelStart(1);
    frame().PressShortcut(Plain(key::Delete));
    EXPECT_EQ(box.Text(), "ac");
    frame().ChooseMenu("mnuEditUndo");
    EXPECT_EQ(box.Text(), "abc");
    Doc("");
    frame().ChooseMenu("mnuEditSelectAll");
    EXPECT_EQ(box.SelLength(), 0);
}

TEST_F(EditCommands, AnInsertPastTheCapacityLeavesTheDocumentAndSaysHowMuchRoomThereIs) {
    const int capacity = platform::kMultiLineCapacity;
    const int now = 42; // "Monday, December 7, 2026 (Monday) 09:05:07"
    enum How { Menu, Box, Drop, Now };
    struct Case {
        How how;
        int length, selected, inserted; // the document, its selection, the clipboard or drop
        const char* says;               // empty: it fits
    } cases[] = {
        {Menu, capacity - 10, 0, 10, ""},
        {Menu, capacity, 5, 5, ""}, // the selection makes room
        {Menu, 3, 0, 1'000'000,
         "The text on the Clipboard is 1000000 characters long, but this "
         "document has room for only 65532 more"},
        {Box, capacity - 10, 2, 13,
         "13 characters long, but this document has room for only 12 more"},
        {Drop, capacity - 10, 0, 11, "The dropped text is 11 characters"},
        {Drop, capacity - 10, 3, 13, ""},
        {Now, capacity - now + 1, 0, 0, "The text to insert is 42 characters"},
        {Now, capacity - now, 0, 0, ""},
    };
    for (const Case& c : cases) {
        const std::string inserted(static_cast<size_t>(c.inserted), 'c');
        auto& box = Doc(std::string(static_cast<size_t>(c.length), 'x'), 2, c.selected);
        box.SetTag("5"); // saved: a refused insert must not mark it modified
        Clipboard() = {{"Text", inserted}};
        platform.messages.clear();
        if (c.how == Menu) frame().ChooseMenu("mnuEditPaste");
        if (c.how == Box) box.UserPaste(inserted);
        if (c.how == Drop) box.onDrop({false, {}, true, inserted});
        if (c.how == Now) frame().PressShortcut(Plain(key::F(5)));
        if (!*c.says) {
            const int added = c.how == Now ? now : c.inserted;
            EXPECT_EQ(box.Text().size(), static_cast<size_t>(c.length - c.selected + added));
            EXPECT_TRUE(platform.messages.empty());
            continue;
        }
        EXPECT_TRUE(box.Text() == std::string(static_cast<size_t>(c.length), 'x')) << c.says;
        EXPECT_EQ(std::make_pair(box.SelStart(), box.SelLength()), std::make_pair(2, c.selected));
        EXPECT_EQ(box.Tag(), "5");
        EXPECT_TRUE(Clipboard()["Text"] == inserted);
        ASSERT_EQ(platform.messages.size(), 1u) << c.says;
        EXPECT_EQ(platform.messages[0].title, "Untitled");
        EXPECT_NE(platform.messages[0].text.find(c.says), std::string::npos);
    }
}
