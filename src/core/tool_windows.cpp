// The holder of the tool windows.
#include "core/tool_windows.h"

#include <stdexcept>

namespace core {

ToolWindow& ToolWindows::Get(std::string_view formName) {
    if (ToolWindow* made = Find(formName)) return *made;
    auto it = makers_.find(formName);
    if (it == makers_.end()) throw std::out_of_range("no tool window " + std::string(formName));
    return it->second();
}

ToolWindow* ToolWindows::Find(std::string_view formName) const {
    for (const auto& [name, window] : made_)
        if (name == formName) return window.get();
    return nullptr;
}

std::vector<ToolWindow*> ToolWindows::Made() const {
    std::vector<ToolWindow*> windows;
    for (const auto& entry : made_)
        windows.push_back(entry.second.get());
    return windows;
}

void ToolWindows::Clear() {
    while (!made_.empty()) {
        // Taken out first: a window's destructor may still ask the holder for others.
        std::unique_ptr<ToolWindow> last = std::move(made_.back().second);
        made_.pop_back();
        last.reset();
    }
}

void ToolWindows::Keep(std::string_view formName, std::unique_ptr<ToolWindow> window) {
    made_.emplace_back(std::string(formName), std::move(window));
}

} // namespace core
