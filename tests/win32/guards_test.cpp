// The scope guards of the Win32 wrappers give back what they took when their scope ends, a
// throw included; a global block's text stops at its NUL or its end.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "platform/win32/win32_guards.h"

using namespace platform::win32;

namespace {

struct GuardCase {
    const char* name;
    std::function<void()> take;      // takes the resource under a guard, checks, then throws
    std::function<bool()> givenBack; // whether the resource was given back
};

TEST(Win32Guards, EveryGuardGivesBackWhatItTookWhenAThrowEndsItsScope) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 16);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ font = GetStockObject(ANSI_FIXED_FONT);
    HGDIOBJ fontBefore = GetCurrentObject(memory, OBJ_FONT);
    HWND window = CreateWindowExA(0, "STATIC", "guards", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    HKEY key = nullptr;
    HDC windowDC = nullptr, ownedDC = nullptr;
    HFONT ownedFont = nullptr;
    auto fail = [] { throw std::runtime_error("the scope ends by a throw"); };
    const GuardCase cases[] = {
        {"LockedGlobal",
         [&] {
             LockedGlobal locked(block);
             EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 1u);
             fail();
         },
         [&] { return (GlobalFlags(block) & GMEM_LOCKCOUNT) == 0; }},
        {"SelectedObject",
         [&] {
             SelectedObject selected(memory, font);
             EXPECT_EQ(GetCurrentObject(memory, OBJ_FONT), font);
             fail();
         },
         [&] { return GetCurrentObject(memory, OBJ_FONT) == fontBefore; }},
        {"OwnedDC and GdiObject",
         [&] {
             OwnedDC dc(CreateCompatibleDC(nullptr));
             GdiObject<HFONT> made(CreateFontA(12, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Arial"));
             ownedDC = dc.get(), ownedFont = made.get();
             EXPECT_NE(GetObjectType(ownedDC), 0u);
             EXPECT_NE(GetObjectType(ownedFont), 0u);
             fail();
         },
         [&] { return GetObjectType(ownedDC) == 0 && GetObjectType(ownedFont) == 0; }},
        {"WindowDC",
         [&] {
             WindowDC dc(nullptr);
             windowDC = dc.get();
             EXPECT_NE(windowDC, nullptr);
             fail();
         },
         [&] { return ReleaseDC(nullptr, windowDC) == 0; }}, // released already
        {"RegistryKey",
         [&] {
             RegistryKey opened =
                 RegistryKey::Create(HKEY_CURRENT_USER, "Software\\Scrivex\\GuardTest", KEY_READ);
             key = opened.get();
             EXPECT_NE(key, nullptr);
             fail();
         },
         [&] {
             return RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                     nullptr, nullptr, nullptr, nullptr,
                                     nullptr) == ERROR_INVALID_HANDLE;
         }},
        {"OpenClipboardScope",
         [&] {
             OpenClipboardScope clipboard(window);
             EXPECT_TRUE(clipboard.IsOpen());
             EXPECT_EQ(GetOpenClipboardWindow(), window);
             fail();
         },
         [&] { return GetOpenClipboardWindow() == nullptr; }},
    };
    for (const GuardCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THROW(c.take(), std::runtime_error);
        EXPECT_TRUE(c.givenBack());
    }
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Scrivex\\GuardTest");
    DestroyWindow(window);
    DeleteDC(memory);
    GlobalFree(block);
}

TEST(Win32Guards, AGlobalBlocksTextEndsAtItsNulOrItsEnd) {
    struct Case {
        std::string bytes;
        std::string text;
    };
    const Case cases[] = {
        {std::string("abc\0def", 7), "abc"},
        {"abcde", "abcde"}, // no NUL: another program's text need not have one
        {std::string(1, '\0'), ""},
    };
    for (const Case& c : cases) {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, c.bytes.size());
        memcpy(LockedGlobal(block).As(), c.bytes.data(), c.bytes.size());
        EXPECT_EQ(GlobalText(block), c.text);
        GlobalFree(block);
    }
    EXPECT_EQ(GlobalText(nullptr), std::nullopt);
}

} // namespace
