// About.exe: the editor's about box, a separate small program that the editor's Help menu and
// tray menu start. Shows the program's name, icon and version, and ends when it is closed.
#include <windows.h>

#include "about_resources.h"

namespace {

// The version from this program's own version resource, as "major.minor.build".
void VersionText(char* out, int size) {
    lstrcpynA(out, "?", size);
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16)); // RT_VERSION
    if (!found) return;
    HGLOBAL loaded = LoadResource(nullptr, found);
    const BYTE* data = static_cast<const BYTE*>(LockResource(loaded));
    if (!data) return;
    // VS_VERSIONINFO: 6 bytes of header, the key L"VS_VERSION_INFO" with its NUL, padding to
    // 4 bytes, then VS_FIXEDFILEINFO.
    const BYTE* fixed = data + 6 + sizeof(L"VS_VERSION_INFO");
    fixed += (4 - (reinterpret_cast<ULONG_PTR>(fixed) & 3)) & 3;
    const auto* info = reinterpret_cast<const VS_FIXEDFILEINFO*>(fixed);
    if (info->dwSignature != 0xFEEF04BD) return;
    wsprintfA(out, "%u.%u.%u", HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
              HIWORD(info->dwFileVersionLS));
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    char version[32];
    VersionText(version, sizeof version);
    char text[256];
    wsprintfA(text,
              "Scrivex\r\nVersion %s\r\n\r\nA multiple-document plain-text editor\r\n"
              "for the Windows desktop.",
              version);
    MSGBOXPARAMSA box{};
    box.cbSize = sizeof box;
    box.hInstance = instance;
    box.lpszText = text;
    box.lpszCaption = "About Scrivex";
    box.dwStyle = MB_OK | MB_USERICON | MB_SETFOREGROUND;
    box.lpszIcon = MAKEINTRESOURCEA(IDI_ABOUT);
    MessageBoxIndirectA(&box);
    return 0;
}
