// A second program for the clipboard viewer's test: puts its command line's text on the
// clipboard and ends.
#include <windows.h>

#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    size_t size = std::strlen(commandLine) + 1;
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (OpenClipboard(nullptr)) {
            EmptyClipboard();
            HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
            std::memcpy(GlobalLock(memory), commandLine, size);
            GlobalUnlock(memory);
            SetClipboardData(CF_TEXT, memory);
            CloseClipboard();
            return 0;
        }
        Sleep(20);
    }
    return 1;
}
