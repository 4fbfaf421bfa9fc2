// An in-memory platform: windows that record what happened, message boxes answered from a
// script, a file system in memory. Deterministic, for tests on the host.
#pragma once
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "fake/fake_controls.h"
#include "fake/fake_desktop.h"
#include "fake/fake_services.h"
#include "platform/platform.h"

namespace fake {

// Every fake window starts with this icon, as the real ones start with the program's.
inline constexpr platform::IconHandle kProgramIcon = 0x1C0;

class FakeForm : public platform::MdiFrame {
  public:
    FakeForm(const platform::FormDef& def, FakeForm* frame);
    ~FakeForm() override;

    std::string Caption() const override { return caption_; }
    void SetCaption(std::string_view c) override { caption_ = c; }
    std::string Tag() const override { return tag_; }
    void SetTag(std::string_view t) override { tag_ = t; }
    platform::WindowState State() const override { return state_; }
    void SetState(platform::WindowState s) override;
    bool Visible() const override { return visible_; }
    void Show() override;
    // Nothing here models which window is active: both shows leave the focus alone.
    void ShowWithoutFocus() override { Show(); }
    void Hide() override { visible_ = false; }
    void SetFocus() override {
        if (frame_) frame_->Activate(this);
    }
    int Left() const override { return left_; }
    int Top() const override { return top_; }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Move(int l, int t, int w, int h) override;
    int ScaleWidth() const override { return width_ - 120; }
    int ScaleHeight() const override { return height_ - 420; }
    platform::IconHandle Icon() const override { return icon_; }
    void SetIcon(platform::IconHandle icon) override { icon_ = icon; }
    void SetMenu(platform::Menu* menu) override { menu_ = menu; }
    bool Close(platform::UnloadMode mode) override;
    void Unload() override;
    bool Loaded() const override { return loaded_; }
    platform::Control& GetControl(std::string_view name) override;

    // Frame side (only for the frame's form).
    std::unique_ptr<platform::Form> CreateChild(const platform::FormDef& def) override;
    platform::Form* ActiveChild() const override;
    platform::Menu* ShownMenu() const override;
    // Nothing here is painted, and the bar on show is always the active document's.
    void BeginUpdate() override {}
    void EndUpdate() override {}
    void Arrange(platform::Arrangement arrangement) override;
    void ActivateNextChild() override;
    void HoldRedraw(bool hold) override;
    void RunWhenIdle(std::function<void()> task) override { idleTasks_.push_back(std::move(task)); }

    // Test side.
    // The program waits for input: the tasks left for then run, and those they leave in turn.
    void RunIdleTasks() {
        for (size_t i = 0; i < idleTasks_.size(); ++i) {
            std::function<void()> task = idleTasks_[i]; // a task may add more
            task();
        }
        idleTasks_.clear();
    }
    platform::Menu* OwnMenu() const { return menu_; }
    const std::vector<FakeForm*>& Children() const { return children_; } // front: active
    void Activate(FakeForm* child); // the user clicks into a document window
    // The user clicks the window's close box. A tool window hides, as its hide button does.
    bool UserClose();
    // Windows is shutting down: the frame is asked to close.
    bool EndSession() { return Close(platform::UnloadMode::WindowsShutdown); }
    // Presses a shortcut key in the frame: the shown menu bar's item runs.
    bool PressShortcut(platform::Shortcut s);
    // Chooses an item of the shown menu bar by name.
    bool ChooseMenu(std::string_view name, int index = -1);
    // Opens a sub-menu of the shown menu bar by its item's name, as a click on it would.
    void OpenMenu(std::string_view name);
    // A key pressed while the focus is in this window. With key preview the window sees it
    // first; then, as in a dialog, Enter presses the default button and Esc the cancel button
    // or, with no cancel button, reaches the key preview as the character 27.
    void PressKey(int key, int shift = 0);
    std::string name;
    // Repaints of the frame's document area: one per document window moved or resized while
    // redraw is not held, and one when the hold ends.
    int repaints = 0;

  private:
    void ChildGone(FakeForm* child);
    void ChildMoved();
    bool redrawHeld_ = false;
    std::vector<std::function<void()>> idleTasks_;

    FakeForm* frame_; // the frame a document window lives in; null for others
    bool isFrame_;
    platform::FormKind kind_;
    std::string caption_, tag_;
    platform::WindowState state_ = platform::WindowState::Normal;
    bool visible_ = false, loaded_ = true;
    int left_ = 1200, top_ = 1200, width_ = 9000, height_ = 6000;
    platform::Menu* menu_ = nullptr;
    platform::IconHandle icon_ = kProgramIcon;
    bool keyPreview_ = false;
    std::vector<platform::ControlDef> defs_;
    std::map<std::string, std::unique_ptr<platform::Control>, std::less<>> controls_;
    std::vector<FakeForm*> children_; // front: active
    std::vector<FakeForm*> created_;  // in the order they were made
};

using FakeMdiFrame = FakeForm;

// Files in memory. Any operation can be made to fail (`Fail`), to show what the program does
// when a disk fills up or a file is taken away halfway.
class FakeFileSystem : public platform::FileSystem {
  public:
    bool Exists(std::string_view path) override;
    bool IsFolder(std::string_view path) override;
    std::string FullPath(std::string_view path) override;
    std::int64_t FileLength(std::string_view path) override;
    std::string ReadAll(std::string_view path) override;
    void Copy(std::string_view from, std::string_view to) override;
    void Rename(std::string_view from, std::string_view to) override;
    void Delete(std::string_view path) override;
    std::unique_ptr<platform::OutputFile> OpenForWriting(std::string_view path,
                                                         bool empty) override;

    // Test side. Operation names: "FileLength", "ReadAll", "Copy", "Rename", "Delete",
    // "OpenEmpty", "Open", "Write", "Flush", "Close". The nth call of `op` (1-based) and the
    // `times` - 1 calls after it fail with `error`. A failing Write, or a failing Copy over an
    // existing file, leaves half of the bytes behind, as a full disk does.
    void Fail(std::string op, int error, int nth = 1, int times = 1);
    // Ends every failure set up with Fail.
    void Heal() { faults_.clear(); }
    std::map<std::string, std::string, std::less<>> files;
    std::set<std::string, std::less<>> folders;
    std::set<std::string, std::less<>> readOnly; // cannot be opened for writing or deleted
    std::set<std::string, std::less<>> locked;   // held by another program: cannot be opened
    std::vector<std::string> log;                // "op path" of every operation, in order
    std::string currentFolder = "C:\\WORK\\";

    // Called by the fake's output files.
    void Enter(const std::string& op, std::string_view path);
    bool Failing(const std::string& op, int& error);

  private:
    struct Fault {
        int error;
        int first, last;
    };
    std::map<std::string, Fault, std::less<>> faults_;
    std::map<std::string, int, std::less<>> calls_;
};

// The common dialog, answered from a script: each Show takes the next answer, a path or
// nullopt for Cancel. With no answer left, Show cancels.
class FakeCommonDialog : public platform::CommonDialog {
  public:
    explicit FakeCommonDialog(class FakePlatform& platform) : platform_(platform) {}
    void ShowOpen() override { Show("Open"); }
    void ShowSave() override { Show("Save"); }
    void ShowFont() override;
    void ShowPrinter() override;

  private:
    void Show(const char* kind);
    void Record(const char* kind);
    FakePlatform& platform_;
};

// What a dialog looked like when it was shown.
struct ShownDialog {
    std::string kind; // "Open", "Save", "Font" or "Printer"
    std::string fileName, filter, dialogTitle;
    int flags = 0;
    std::string fontName; // the font it opened with
    float fontSize = 0;
    bool fontBold = false, fontItalic = false;
};

// An answer to the font dialog: OK with this font; an empty name keeps the font shown.
struct FontChoice {
    std::string name;
    float size = 0;
    bool bold = false, italic = false;
};
// An answer to the printer dialog: OK with this printer (empty: the one shown) and page range.
struct PrinterChoice {
    std::string name;
    bool selection = false;
};

// A print job as the printer received it.
struct PrintedText {
    int x, y;
    std::string text;
};
struct PrintJobRecord {
    std::string title, printer;
    platform::FontDef font;
    std::vector<std::vector<PrintedText>> pages;
    bool ended = false, aborted = false;
    // The lines of every page, in order.
    std::vector<std::string> Lines() const;
};

// The printer: keeps the jobs it was given. Any operation can be made to fail with error 482
// (`Fail`), as a printer that is switched off or out of paper would.
class FakePrinter : public platform::Printer {
  public:
    void Select(const std::string& name, const std::string& settings) override;
    platform::PageMetrics StartJob(std::string_view title) override;
    void StartPage() override;
    void Text(int x, int y, std::string_view text) override;
    void EndPage() override;
    void EndJob() override;
    void AbortJob() override;

    // Test side. Operation names: "StartJob", "StartPage", "Text", "EndPage", "EndJob". The
    // nth call of `op` from now (1-based) and the `times` - 1 calls after it fail.
    void Fail(std::string op, int nth = 1, int times = 1);
    std::set<std::string, std::less<>> installed{"PDF", "Laser"}; // printers that exist
    std::string current;                 // the printer selected; empty: the default
    std::string settings;                // its settings
    platform::PageMetrics metrics = [] { // 80 characters a line, 60 lines a page
        platform::PageMetrics m;
        m.width = 800, m.height = 600, m.lineHeight = 10;
        m.charWidths.fill(10);
        return m;
    }();
    std::vector<PrintJobRecord> jobs;

  private:
    void Enter(const std::string& op);
    PrintJobRecord& Open();
    struct Fault {
        int first, last;
    };
    std::map<std::string, Fault, std::less<>> faults_;
    std::map<std::string, int, std::less<>> calls_;
    bool inJob_ = false;
};

// Thrown by EndProgram: the program ended at once.
struct ProgramEnded {};

struct ShownMessage {
    std::string text;
    int style;
    std::string title;
    platform::Answer answer;
};

class FakePlatform : public platform::Platform {
  public:
    std::unique_ptr<platform::MdiFrame> CreateFrame(const platform::FormDef& def) override;
    std::unique_ptr<platform::Form> CreateForm(const platform::FormDef& def) override;
    std::unique_ptr<platform::Menu> CreateMenu(const std::vector<platform::MenuItemDef>& tree,
                                               platform::MenuHandler handler) override;
    platform::Answer MsgBox(std::string_view text, int style, std::string_view title) override;
    void Beep() override { ++beeps; }
    std::string InputBox(std::string_view prompt, std::string_view title,
                         std::string_view defaultText) override;
    platform::FileSystem& Files() override { return files; }
    std::unique_ptr<platform::CommonDialog> CreateCommonDialog() override;
    platform::Printer& PrinterService() override { return printer; }
    std::string SpecialFolder(int folder) override;
    std::string CommandLine() override { return commandLine; }
    platform::NumberFormat Numbers() override { return numbers; }
    int SecondsSinceMidnight() override { return secondsSinceMidnight; }
    platform::Clipboard& SystemClipboard() override { return clipboard; }
    platform::Locale& UserLocale() override { return locale; }
    platform::LocalTime Now() override { return now; }
    // Runs the waiting events in order, and those that they queue in turn.
    void DoEvents() override;
    [[noreturn]] void EndProgram() override { throw ProgramEnded{}; }
    // Input waits when the test queued events.
    bool InputWaiting() override { return !pendingEvents.empty(); }
    platform::DesktopServices& Desktop() override { return desktop; }

    // Test side.
    std::deque<platform::Answer> answers; // answers to the next message boxes, in order
    std::vector<ShownMessage> messages;
    std::deque<std::optional<std::string>> dialogAnswers; // chosen paths; nullopt cancels
    std::vector<ShownDialog> dialogs;
    std::deque<std::optional<FontChoice>> fontAnswers;       // nullopt cancels
    std::deque<std::optional<PrinterChoice>> printerAnswers; // nullopt cancels
    int fontDialogError = 0; // when set, the next font dialog fails with this error
    FakePrinter printer;
    int beeps = 0;
    // Input boxes: each takes the next answer (nullopt is Cancel); with none left, Cancel.
    std::deque<std::optional<std::string>> inputAnswers;
    struct ShownInput {
        std::string prompt, title, defaultText;
    };
    std::vector<ShownInput> inputs;
    FakeFileSystem files;
    std::map<int, std::string> specialFolders{{36, "C:\\WINDOWS"}, {37, "C:\\WINDOWS\\system32"}};
    std::string commandLine;
    platform::NumberFormat numbers;
    int secondsSinceMidnight = 12 * 3600 + 34 * 60 + 56;
    FakeClipboard clipboard;
    FakeLocale locale;
    platform::LocalTime now{2026, 12, 7, 1, 9, 5, 7}; // Monday 7 December 2026, 09:05:07
    FakeMdiFrame* frame = nullptr;
    std::vector<FakeForm*> toolForms;
    // What the user does while the program is busy: it waits here until the program lets
    // events run. Tests queue keys, text changes and activations as small functions.
    std::deque<std::function<void()>> pendingEvents;
    int doEventsCalls = 0;
    FakeDesktop desktop;
};

} // namespace fake
