// Builds an HMENU from the menu model and keeps check marks and enabled states in step.
#include "platform/win32/win32_menu.h"

#include <algorithm>
#include <string>

#include "platform/win32/win32_common.h"
#include "platform/win32/win32_form.h"

namespace platform::win32 {

Win32Menu::Win32Menu(const std::vector<MenuItemDef>& tree, MenuHandler handler)
    : Menu(tree, std::move(handler)), subMenus_(Items().size(), nullptr) {
    bar_ = CreateMenu();
    for (int item : TopLevel())
        Build(item, bar_);
}

Win32Menu::~Win32Menu() {
    // Copy: a user may unregister while it forgets.
    auto users = users_;
    for (Win32FormCore* form : users)
        form->ForgetMenu(this);
    if (shownIn_ && IsWindow(shownIn_) && GetMenu(shownIn_) == bar_) ::SetMenu(shownIn_, nullptr);
    DestroyMenu(bar_);
}

UINT Win32Menu::StateFlags(int item) const {
    const auto& def = Items()[item].def;
    return (def.checked ? MF_CHECKED : MF_UNCHECKED) | (def.enabled ? MF_ENABLED : MF_GRAYED);
}

void Win32Menu::Build(int item, HMENU into) {
    const Item& it = Items()[item];
    if (it.IsSeparator()) {
        AppendMenuA(into, MF_SEPARATOR, kMenuCommandBase + item, nullptr);
        return;
    }
    std::string caption = it.def.caption;
    if (!it.def.shortcut.Empty()) {
        caption += '\t';
        caption += it.def.shortcut.Text();
    }
    if (it.children.empty()) {
        AppendMenuA(into, MF_STRING | StateFlags(item), kMenuCommandBase + item, caption.c_str());
        return;
    }
    HMENU sub = CreatePopupMenu();
    subMenus_[item] = sub;
    if (it.def.windowList) windowList_ = sub;
    for (int child : it.children)
        Build(child, sub);
    AppendMenuA(into, MF_POPUP | MF_STRING | StateFlags(item), reinterpret_cast<UINT_PTR>(sub),
                caption.c_str());
}

void Win32Menu::ItemChanged(int command) {
    const Item& it = Items()[command];
    HMENU parent = it.parent < 0 ? bar_ : subMenus_[it.parent];
    UINT state = StateFlags(command);
    if (!subMenus_[command]) {
        CheckMenuItem(parent, kMenuCommandBase + command,
                      MF_BYCOMMAND | (it.def.checked ? MF_CHECKED : MF_UNCHECKED));
        EnableMenuItem(parent, kMenuCommandBase + command,
                       MF_BYCOMMAND | (it.def.enabled ? MF_ENABLED : MF_GRAYED));
    } else {
        // A sub-menu heading has no command ID; find it by its sub-menu. Its position can
        // shift while a maximised document adds its own items to the bar.
        int count = GetMenuItemCount(parent);
        for (int pos = 0; pos < count; ++pos) {
            if (GetSubMenu(parent, pos) != subMenus_[command]) continue;
            CheckMenuItem(parent, pos, MF_BYPOSITION | (state & MF_CHECKED));
            EnableMenuItem(parent, pos, MF_BYPOSITION | (state & MF_GRAYED));
        }
    }
    if (it.parent < 0 && shownIn_ && IsWindow(shownIn_)) DrawMenuBar(shownIn_);
}

bool Win32Menu::ChooseReported(int id) {
    int command = id - kMenuCommandBase;
    if (command < 0 || command >= static_cast<int>(Items().size())) return false;
    Choose(command);
    return true;
}

bool Win32Menu::OpeningReported(HMENU popup) {
    for (size_t item = 0; item < subMenus_.size(); ++item) {
        if (!popup || subMenus_[item] != popup) continue;
        Open(static_cast<int>(item));
        return true;
    }
    return false;
}

bool Win32Menu::Popup(HWND owner, int topItem, int x, int y, int defaultItem) {
    if (topItem < 0 || topItem >= static_cast<int>(subMenus_.size()) || !subMenus_[topItem])
        return false;
    SetMenuDefaultItem(subMenus_[topItem],
                       defaultItem < 0 ? static_cast<UINT>(-1) : kMenuCommandBase + defaultItem,
                       FALSE);
    // The owner must be in the foreground, or the menu does not close when clicked away.
    SetForegroundWindow(owner);
    int id = TrackPopupMenu(subMenus_[topItem], TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, x,
                            y, 0, owner, nullptr);
    PostMessageA(owner, WM_NULL, 0, 0);
    return id != 0 && ChooseReported(id);
}

void Win32Menu::AddUser(Win32FormCore* form) {
    if (std::find(users_.begin(), users_.end(), form) == users_.end()) users_.push_back(form);
}

void Win32Menu::RemoveUser(Win32FormCore* form) {
    users_.erase(std::remove(users_.begin(), users_.end(), form), users_.end());
}

} // namespace platform::win32
