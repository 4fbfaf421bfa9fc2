// Texts of the frame and the document windows, defined once.
#pragma once

namespace app::text {
inline constexpr const char* Untitled = "Untitled";
inline constexpr const char* FrameStatus = "Scrivex - Ultimate MDI Text Editor";
inline constexpr const char* TooManyWindows =
    "Are you crazy? You need more\r\nthan 64 text windows...?";
} // namespace app::text
