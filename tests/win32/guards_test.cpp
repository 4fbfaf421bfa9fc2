// The Win32 scope guards give back what they took at the end of their scope (here: of the
// statement that made them); a global block's text stops at its NUL or at its end.
#include <gtest/gtest.h>

#include "platform/win32/win32_guards.h"

using namespace platform::win32;

TEST(Win32Guards, EachGivesBackWhatItTookAtTheEndOfItsScope) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 16);
    EXPECT_TRUE(LockedGlobal(block) && GlobalFlags(block) & GMEM_LOCKCOUNT);
    EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 0u);

    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ font = GetStockObject(ANSI_FIXED_FONT), fontBefore = GetCurrentObject(dc, OBJ_FONT);
    EXPECT_TRUE((SelectedObject(dc, font), GetCurrentObject(dc, OBJ_FONT) == font));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), fontBefore);
    HDC owned = nullptr;
    EXPECT_NE(GetObjectType(owned = OwnedDC(CreateCompatibleDC(dc)).get()), 0u);
    EXPECT_EQ(GetObjectType(owned), 0u);

    const char* path = "Software\\Scrivex\\GuardTest";
    HKEY key = RegistryKey::Create(HKEY_CURRENT_USER, path, KEY_READ).get();
    EXPECT_NE(key, nullptr);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);

    HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    EXPECT_TRUE(OpenClipboardScope(owner).IsOpen() && GetOpenClipboardWindow() == owner);
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr);

    RegDeleteKeyA(HKEY_CURRENT_USER, path);
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
