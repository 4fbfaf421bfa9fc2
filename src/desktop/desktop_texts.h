// The texts of the clipboard viewer, the tray, the launcher and the system files.
#pragma once

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
} // namespace desktop::text
