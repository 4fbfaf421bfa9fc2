// A menu tree mirrored into a Win32 menu: the model stays the authority, the HMENU follows it.
#pragma once
#include "platform/win32/win32_windows.h"

#include <vector>

#include "platform/menu.h"

namespace platform::win32 {

class Win32FormCore;

class Win32Menu : public Menu {
  public:
    Win32Menu(const std::vector<MenuItemDef>& tree, MenuHandler handler);
    ~Win32Menu() override;

    // The menu bar; its sub-menus are the top-level items' children.
    HMENU Bar() const { return bar_; }
    // The sub-menu that lists the open windows at its end, or null.
    HMENU WindowList() const { return windowList_; }
    // Runs the item behind a command ID that the system reported; false when not ours.
    bool ChooseReported(int id);
    // Raises the opening event of the item whose sub-menu the system is about to show;
    // false when the sub-menu is not ours.
    bool OpeningReported(HMENU popup);
    // Pops up the children of a top-level item at a screen point and runs the chosen item;
    // `defaultItem` (a command, or -1 for none) is drawn bold.
    bool Popup(HWND owner, int topItem, int x, int y, int defaultItem = -1);

    // Forms that refer to this menu, told when it goes away.
    void AddUser(Win32FormCore* form);
    void RemoveUser(Win32FormCore* form);
    // The window whose bar this is at the moment (redrawn when items change), or null.
    void SetShownIn(HWND hwnd) { shownIn_ = hwnd; }

  protected:
    void ItemChanged(int command) override;

  private:
    void Build(int item, HMENU into);
    UINT StateFlags(int item) const;

    HMENU bar_ = nullptr;
    HMENU windowList_ = nullptr;
    std::vector<HMENU> subMenus_; // per item: its sub-menu, or null for a plain item
    std::vector<Win32FormCore*> users_;
    HWND shownIn_ = nullptr;
};

} // namespace platform::win32
