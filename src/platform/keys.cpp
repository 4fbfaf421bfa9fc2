// Shortcut keys and their names.
#include "platform/keys.h"

namespace platform {

std::string Shortcut::Text() const {
    if (Empty()) return {};
    std::string text;
    if (mods & shift::Shift) text += "Shift+";
    if (mods & shift::Ctrl) text += "Ctrl+";
    if (mods & shift::Alt) text += "Alt+";
    if (key >= key::F(1) && key <= key::F(24))
        return text + "F" + std::to_string(key - key::F1 + 1);
    switch (key) {
    case key::Back:
        return text + "Backspace";
    case key::Delete:
        return text + "Del";
    case key::Insert:
        return text + "Ins";
    default:
        return text + static_cast<char>(key);
    }
}

} // namespace platform
