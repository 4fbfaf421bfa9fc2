// Key codes and shortcut keys, with the values Windows gives its virtual keys.
#pragma once
#include <string>

namespace platform {

namespace key {
inline constexpr int Back = 0x08;
inline constexpr int Tab = 0x09;
inline constexpr int Return = 0x0D;
inline constexpr int Escape = 0x1B;
inline constexpr int Space = 0x20;
inline constexpr int End = 0x23;
inline constexpr int Home = 0x24;
inline constexpr int Left = 0x25;
inline constexpr int Up = 0x26;
inline constexpr int Right = 0x27;
inline constexpr int Down = 0x28;
inline constexpr int Insert = 0x2D;
inline constexpr int Delete = 0x2E;
inline constexpr int F1 = 0x70; // the function keys follow one another: F(n) is Fn
inline constexpr int F(int n) {
    return F1 + n - 1;
}
} // namespace key

// Shift state bits as key events report them.
namespace shift {
inline constexpr int Shift = 1;
inline constexpr int Ctrl = 2;
inline constexpr int Alt = 4;
} // namespace shift

struct Shortcut {
    int key = 0;  // 0: no shortcut
    int mods = 0; // shift:: bits
    bool operator==(const Shortcut&) const = default;
    bool Empty() const { return key == 0; }
    // The text a menu shows beside its caption: "Ctrl+O", "Shift+Ctrl+F5", "Del".
    std::string Text() const;
};

inline constexpr Shortcut Plain(int k) {
    return {k, 0};
}
inline constexpr Shortcut Ctrl(int k) {
    return {k, shift::Ctrl};
}
inline constexpr Shortcut ShiftKey(int k) {
    return {k, shift::Shift};
}
inline constexpr Shortcut Alt(int k) {
    return {k, shift::Alt};
}
inline constexpr Shortcut ShiftCtrl(int k) {
    return {k, shift::Shift | shift::Ctrl};
}

} // namespace platform
