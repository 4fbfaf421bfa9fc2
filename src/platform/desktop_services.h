// What the desktop tools need from the system: the tray icon, the topmost switch, starting
// programs, the per-user settings store, the clipboard viewer chain and pop-up menus.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/controls.h"

namespace platform {

class Form;
class Menu;

// The icon in the taskbar's notification area, as the program fills its record.
struct TrayIconRecord {
    Control* target = nullptr; // receives the callback message (the tray's picture box)
    int id = 0;
    unsigned callbackMessage = 0;
    IconHandle icon = 0;
    std::string tip;
};

class TrayIcons {
  public:
    virtual ~TrayIcons() = default;
    // Adds the icon; false when the shell does not take it (no notification area yet).
    virtual bool Add(const TrayIconRecord& record) = 0;
    // Removes the icon of the record's target and id; a missing icon is no error.
    virtual void Delete(const TrayIconRecord& record) = 0;

    // The shell made its taskbar anew (it was restarted): the icons it showed are gone.
    std::function<void()> onTaskbarCreated;
};

// Named text values kept per user between runs (the registry, under the program's own key).
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual std::string Read(std::string_view app, std::string_view section, std::string_view key,
                             std::string_view defaultValue = "") = 0;
    virtual void Write(std::string_view app, std::string_view section, std::string_view key,
                       std::string_view value) = 0;
    // Deleting a value that is not there is no error.
    virtual void Delete(std::string_view app, std::string_view section, std::string_view key) = 0;
};

// What the clipboard holds now. The bitmap is a copy that the caller owns (a picture box
// takes it over); 0 when the clipboard holds none.
struct ClipboardContents {
    bool hasText = false;
    std::string text;
    BitmapHandle bitmap = 0;
};

// A window's place in the system's chain of clipboard viewers, with its window procedure
// replaced so that it sees the chain's messages. Destroying the link leaves the chain and
// puts the replaced procedure back.
class ClipboardViewerLink {
  public:
    virtual ~ClipboardViewerLink() = default;
    // The window procedure that the replacement keeps (full pointer width); 0 once the window
    // is gone and its procedure was put back.
    virtual std::uintptr_t SavedWindowProc() const = 0;
    // The settings-store key under which that procedure is written while replaced: the
    // window's handle as decimal text.
    virtual std::string StoreKey() const = 0;
};

// Where the viewer writes its replaced window procedure in the settings store.
inline constexpr const char* kViewerStoreApp = "ClipView";
inline constexpr const char* kViewerStoreSection = "WndProc";

class DesktopServices {
  public:
    virtual ~DesktopServices() = default;

    virtual TrayIcons& Tray() = 0;
    // Puts a top-level window above all windows that are not topmost, or back among them;
    // neither moves, sizes nor activates it.
    virtual void SetTopmost(Form& form, bool on) = 0;
    virtual bool IsTopmost(Form& form) = 0;
    // Starts a command line in a normal window with the focus and does not wait for it.
    // Throws RuntimeError 53 when no program of that name is found, 5 for an empty or
    // otherwise unusable command line.
    virtual void StartProgram(std::string_view commandLine) = 0;
    virtual SettingsStore& Settings() = 0;
    virtual ClipboardContents ReadClipboard() = 0;
    // Joins the chain of clipboard viewers with this window: onChange runs at once and after
    // every change of the clipboard, whether the window is shown or not.
    virtual std::unique_ptr<ClipboardViewerLink>
    JoinClipboardViewers(Form& form, std::function<void()> onChange) = 0;
    // Pops up the children of a top-level item of `menu` at the mouse position, owned by
    // `owner`, with `defaultItem` in bold; runs the chosen item.
    virtual void PopupMenu(Form& owner, Menu& menu, std::string_view topItem,
                           std::string_view defaultItem) = 0;
};

} // namespace platform
