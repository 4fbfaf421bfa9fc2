// The program's entry: build the Win32 platform, hand it to the program, run the messages.
#include <windows.h>

#include "app/app.h"
#include "platform/errors.h"
#include "platform/win32/win32_platform.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    platform::win32::Win32Platform platform(instance, show);
    app::App app(platform);
    platform::RunEvent([&] { app.Start(); });
    return platform.Run();
}
