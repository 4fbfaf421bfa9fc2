// Routes a menu item's click to the handler that the item's window has for that item name.
#pragma once
#include <map>
#include <string>
#include <string_view>

namespace app {

template <class Window> using MenuHandlers = std::map<std::string_view, void (Window::*)(int)>;

template <class Window>
void RouteMenuClick(const MenuHandlers<Window>& handlers, Window& window, const std::string& name,
                    int index) {
    if (auto it = handlers.find(name); it != handlers.end()) (window.*(it->second))(index);
}

} // namespace app
