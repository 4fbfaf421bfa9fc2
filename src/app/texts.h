// Texts of the frame and the document windows, defined once.
#pragma once
#include <string>

namespace app::text {
inline constexpr const char* Untitled = "Untitled";
inline constexpr const char* FrameStatus = "Scrivex - Ultimate MDI Text Editor";
inline constexpr const char* TooManyWindows =
    "Are you crazy? You need more\r\nthan 64 text windows...?";
// A name on the command line that is neither a file nor a folder.
inline std::string CannotFindFile(const std::string& name) {
    return "Cannot find the file " + name + ".";
}
} // namespace app::text
