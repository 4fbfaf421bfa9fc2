// The Win32 scope guards give back what they took at the end of their scope; a global block's
// text stops at its NUL or at its end.
#include <gtest/gtest.h>

#include <functional>

#include "platform/win32/win32_guards.h"

using namespace platform::win32;

TEST(Win32Guards, EachGivesBackWhatItTookAtTheEndOfItsScope) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 16);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ font = GetStockObject(ANSI_FIXED_FONT), fontBefore = GetCurrentObject(dc, OBJ_FONT);
    HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    HKEY key = nullptr;
    HDC owned = nullptr;
    struct Case {
        const char* guard;
        // Takes the resource under a guard that lives to the end of the statement; whether it
        // was taken meanwhile.
        std::function<bool()> take;
        std::function<bool()> givenBack;
    };
    const Case cases[] = {
        {"LockedGlobal", [&] { return LockedGlobal(block) && GlobalFlags(block) & GMEM_LOCKCOUNT; },
         [&] { return (GlobalFlags(block) & GMEM_LOCKCOUNT) == 0; }},
        {"SelectedObject",
         [&] { return SelectedObject(dc, font), GetCurrentObject(dc, OBJ_FONT) == font; },
         [&] { return GetCurrentObject(dc, OBJ_FONT) == fontBefore; }},
        {"OwnedDC", [&] { return GetObjectType(owned = OwnedDC(CreateCompatibleDC(dc)).get()); },
         [&] { return GetObjectType(owned) == 0; }},
        {"RegistryKey",
         [&] {
             return (key = RegistryKey::Create(HKEY_CURRENT_USER, "Software\\Scrivex\\GuardTest",
                                               KEY_READ)
                               .get()) != nullptr;
         },
         [&] { return RegCloseKey(key) == ERROR_INVALID_HANDLE; }},
        {"OpenClipboardScope",
         [&] { return OpenClipboardScope(owner).IsOpen() && GetOpenClipboardWindow() == owner; },
         [&] { return GetOpenClipboardWindow() == nullptr; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.guard);
        EXPECT_TRUE(c.take());
        EXPECT_TRUE(c.givenBack());
    }
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Scrivex\\GuardTest");
    DestroyWindow(owner);
    DeleteDC(dc);
    GlobalFree(block);
}

TEST(Win32Guards, AGlobalBlocksTextEndsAtItsNulOrAtItsEnd) {
    for (const std::string& bytes : {std::string("abc\0def", 7), std::string("abc")}) {
        HGLOBAL block = GlobalCopy(bytes.data(), bytes.size()); // the second has no NUL
        EXPECT_EQ(GlobalText(block), "abc");
        GlobalFree(block);
    }
    EXPECT_EQ(GlobalText(nullptr), std::nullopt);
}
