// The desktop services in memory: a tray that can refuse icons or restart, a topmost flag per
// window, programs that exist by name, a settings store, a clipboard that tells its viewers,
// pop-up menus answered from a script.
#pragma once
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "fake/fake_controls.h"
#include "platform/desktop_services.h"
#include "platform/menu.h"

namespace fake {

class FakePictureBox : public FakeControl<platform::PictureBox> {
  public:
    using FakeControl::FakeControl;
    platform::BitmapHandle Picture() const override { return picture_; }
    void SetPicture(platform::BitmapHandle bitmap) override { picture_ = bitmap; }
    platform::IconHandle DragIcon() const override { return dragIcon_; }
    void SetDragIcon(platform::IconHandle icon) override { dragIcon_ = icon; }
    // Test side: the mouse moves over the box (or a message says so).
    void MouseMove(int x, int y = 0) {
        if (onMouseMove) onMouseMove(0, 0, x, y);
    }

  private:
    platform::BitmapHandle picture_ = 0;
    platform::IconHandle dragIcon_ = 0;
};

class FakeTrayIcons : public platform::TrayIcons {
  public:
    bool Add(const platform::TrayIconRecord& record) override;
    void Delete(const platform::TrayIconRecord& record) override;

    // Test side.
    bool shellRunning = true; // false: no notification area, every add fails
    int refuseNext = 0;       // the next adds that fail although the shell runs
    int addAttempts = 0;
    std::vector<platform::TrayIconRecord> shown;
    // The shell restarts: its icons are gone and it announces the new taskbar.
    void RestartShell();
    // The user does something with the mouse over the icon: the shell sends the record's
    // callback message with that mouse message to the record's target.
    void Mouse(int mouseMessage);
};

class FakeSettingsStore : public platform::SettingsStore {
  public:
    std::string Read(std::string_view app, std::string_view section, std::string_view key,
                     std::string_view defaultValue) override;
    void Write(std::string_view app, std::string_view section, std::string_view key,
               std::string_view value) override;
    void Delete(std::string_view app, std::string_view section, std::string_view key) override;
    std::map<std::string, std::string> values; // "app\section\key" -> value
};

class FakeDesktop : public platform::DesktopServices {
  public:
    FakeDesktop();
    platform::TrayIcons& Tray() override { return tray; }
    void SetTopmost(platform::Form& form, bool on) override;
    bool IsTopmost(platform::Form& form) override { return topmost[&form]; }
    void StartProgram(std::string_view commandLine) override;
    platform::SettingsStore& Settings() override { return settings; }
    platform::ClipboardContents ReadClipboard() override;
    std::unique_ptr<platform::ClipboardViewerLink>
    JoinClipboardViewers(platform::Form& form, std::function<void()> onChange) override;
    void PopupMenu(platform::Form& owner, platform::Menu& menu, std::string_view topItem,
                   std::string_view defaultItem) override;

    // Test side.
    FakeTrayIcons tray;
    FakeSettingsStore settings;
    std::map<const platform::Form*, bool> topmost;
    std::vector<std::pair<std::string, bool>> topmostLog; // form name, mark; in call order
    std::set<std::string> programs;                       // names that start, lower case
    std::vector<std::string> started;
    // The clipboard; changing it tells every viewer.
    void CopyText(std::string_view text);
    void CopyBitmap(platform::BitmapHandle bitmap);
    void ClearClipboard();
    platform::ClipboardContents clipboard;
    int viewerCount = 0;
    struct ShownPopup {
        std::string topItem, defaultItem;
        std::map<std::string, bool> enabled, checked; // of the popped-up items, by name
    };
    std::vector<ShownPopup> popups;
    std::deque<std::string> popupChoices; // item names chosen in the next pop-ups; none: away

  private:
    void ClipboardChanged();
    friend class FakeViewerLink;
    std::vector<class FakeViewerLink*> viewers_;
};

} // namespace fake
