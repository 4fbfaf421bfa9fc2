// An in-memory platform: windows that record what happened, message boxes answered from a
// script, a file system in memory. Deterministic, for tests on the host.
#pragma once
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "fake/fake_controls.h"
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
    void Hide() override { visible_ = false; }
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

    // Test side.
    platform::Menu* OwnMenu() const { return menu_; }
    const std::vector<FakeForm*>& Children() const { return children_; } // front: active
    void Activate(FakeForm* child);  // the user clicks into a document window
    bool UserClose() { return Close(platform::UnloadMode::ControlMenu); }
    // Presses a shortcut key in the frame: the shown menu bar's item runs.
    bool PressShortcut(platform::Shortcut s);
    // Chooses an item of the shown menu bar by name.
    bool ChooseMenu(std::string_view name, int index = -1);
    // A key pressed while the focus is in this window. With key preview the window sees it
    // first; then, as in a dialog, Enter presses the default button and Esc the cancel button
    // or, with no cancel button, reaches the key preview as the character 27.
    void PressKey(int key, int shift = 0);
    std::string name;

  private:
    void ChildGone(FakeForm* child);

    FakeForm* frame_; // the frame a document window lives in; null for others
    bool isFrame_;
    std::string caption_, tag_;
    platform::WindowState state_ = platform::WindowState::Normal;
    bool visible_ = false, loaded_ = true;
    int left_ = 1200, top_ = 1200, width_ = 9000, height_ = 6000;
    platform::Menu* menu_ = nullptr;
    platform::IconHandle icon_ = kProgramIcon;
    bool keyPreview_ = false;
    std::vector<platform::ControlDef> defs_;
    std::map<std::string, std::unique_ptr<platform::Control>, std::less<>> controls_;
    std::vector<FakeForm*> children_;
};

using FakeMdiFrame = FakeForm;

class FakeFileSystem : public platform::FileSystem {
  public:
    bool Exists(std::string_view path) override;
    bool IsFolder(std::string_view path) override;
    std::int64_t FileLength(std::string_view path) override;
    std::string ReadAll(std::string_view path) override;

    std::map<std::string, std::string, std::less<>> files;
    std::set<std::string, std::less<>> folders;
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
    platform::FileSystem& Files() override { return files; }
    std::string SpecialFolder(int folder) override;
    std::string CommandLine() override { return commandLine; }
    platform::NumberFormat Numbers() override { return numbers; }
    int SecondsSinceMidnight() override { return secondsSinceMidnight; }
    void DoEvents() override {}
    [[noreturn]] void EndProgram() override { throw ProgramEnded{}; }

    // Test side.
    std::deque<platform::Answer> answers; // answers to the next message boxes, in order
    std::vector<ShownMessage> messages;
    int beeps = 0;
    FakeFileSystem files;
    std::map<int, std::string> specialFolders{{36, "C:\\WINDOWS"}, {37, "C:\\WINDOWS\\system32"}};
    std::string commandLine;
    platform::NumberFormat numbers;
    int secondsSinceMidnight = 12 * 3600 + 34 * 60 + 56;
    FakeMdiFrame* frame = nullptr;
    std::vector<FakeForm*> toolForms;
};

} // namespace fake
