// The texts of the clipboard viewer, the tray, the launcher and the system files.
#pragma once
#include <cstddef>
#include <string>

namespace desktop::text {
inline constexpr const char* ClipViewTitle = "Clipboard viewer";
inline constexpr const char* ClipTextLabel = "Text on the Clipboard:";
inline constexpr const char* ClipBitmapLabel = "Bitmap on the Clipboard:";
inline constexpr const char* ClipHide = "&Hide Clipboard viewer";
inline constexpr const char* TrayCaption = "Form2";
inline constexpr const char* TrayTip = "Scrivex";
inline constexpr const char* ShellPrompt = "Enter a command line argument to execute :";
inline constexpr const char* AboutProgram = "About.exe";
inline constexpr const char* AboutMissing = "File About.exe not find";
inline constexpr const char* HelpMessage =
    "You are stupid, that you need\r\nhelp on this simple text editor?";
// The label over the clipboard's text when the box shows only its first `shown` characters.
inline std::string ClipTextPartLabel(std::size_t shown, std::size_t length) {
    return "Text on the Clipboard (the first " + std::to_string(shown) + " of " +
           std::to_string(length) + " characters):";
}
// A system file that is not there.
inline std::string SystemFileMissing(const std::string& path) {
    return "File " + path + " doesn't exist.";
}
} // namespace desktop::text
