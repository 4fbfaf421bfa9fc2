// The three menu trees: the document window's bar, the frame's bar and the tray pop-up.
#pragma once
#include <vector>

#include "platform/menu.h"

namespace app {

std::vector<platform::MenuItemDef> DocumentMenuTree();
std::vector<platform::MenuItemDef> FrameMenuTree();
std::vector<platform::MenuItemDef> TrayMenuTree();

} // namespace app
