// The built executables as Windows reads them: the version resource that Explorer's
// properties and installers show, and the application manifest the system applies.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

// scrivex.exe and About.exe stand one folder above the tests.
std::string BuiltProgram(const std::string& name) {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.resize(folder.find_last_of('\\'));
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

std::string VersionText(std::vector<char>& info, const std::string& name) {
    char* value = nullptr;
    UINT length = 0;
    const std::string key = "\\StringFileInfo\\040904E4\\" + name;
    return VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &length)
               ? value
               : "(none)";
}

std::string ManifestOf(const std::string& file) {
    HMODULE module = LoadLibraryExA(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC found = module ? FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)) : 0;
    std::string text;
    if (found)
        text.assign(static_cast<const char*>(LockResource(LoadResource(module, found))),
                    SizeofResource(module, found));
    if (module) FreeLibrary(module);
    return text;
}

} // namespace

TEST(Release, BothProgramsCarryTheProjectVersionAndTheManifest) {
    for (auto [file, description] : {std::pair{"scrivex.exe", "Scrivex text editor"},
                                     std::pair{"About.exe", "About Scrivex"}}) {
        const std::string path = BuiltProgram(file);
        DWORD ignored = 0;
        std::vector<char> info(GetFileVersionInfoSizeA(path.c_str(), &ignored));
        ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, info.size(), info.data())) << file;
        for (auto [name, want] :
             {std::pair{"FileDescription", description}, std::pair{"OriginalFilename", file},
              std::pair{"ProductName", "Scrivex"}, std::pair{"FileVersion", SCRIVEX_VERSION},
              std::pair{"ProductVersion", SCRIVEX_VERSION}})
            EXPECT_EQ(VersionText(info, name), want) << file << ' ' << name;
        EXPECT_NE(VersionText(info, "LegalCopyright").find("The Scrivex authors"),
                  std::string::npos);
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
        char binary[32]; // the version in numbers, as Explorer's details show it
        wsprintfA(binary, "%u.%u.%u", HIWORD(fixed->dwFileVersionMS),
                  LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS));
        EXPECT_STREQ(binary, SCRIVEX_VERSION) << file;
        // Windows 7, 8, 8.1, 10 and 11; per-monitor DPI; the common controls 6; no elevation.
        const std::string manifest = ManifestOf(path);
        for (const char* entry :
             {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
              "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",
              ">true/pm</dpiAware>", ">PerMonitorV2, PerMonitor</dpiAwareness>",
              "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
              "level=\"asInvoker\""})
            EXPECT_NE(manifest.find(entry), std::string::npos) << file << ": " << entry;
    }
    // This test program carries the same manifest: the system gave it the controls it names,
    // from the side-by-side store, not the old ones from the system folder.
    char controls[MAX_PATH] = "";
    GetModuleFileNameA(GetModuleHandleA("comctl32.dll"), controls, MAX_PATH);
    CharLowerA(controls);
    EXPECT_NE(std::string(controls).find("common-controls_6595b64144ccf1df_6.0."),
              std::string::npos);
}
