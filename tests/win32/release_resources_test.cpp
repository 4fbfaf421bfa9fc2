// The built executables as Windows reads them: the version resource that Explorer's
// properties and installers show, and the application manifest the system applies when it
// starts them.
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

struct VersionInfo {
    std::vector<char> block;
    bool Read(const std::string& file) {
        DWORD ignored = 0;
        DWORD size = GetFileVersionInfoSizeA(file.c_str(), &ignored);
        if (size == 0) return false;
        block.resize(size);
        return GetFileVersionInfoA(file.c_str(), 0, size, block.data()) != FALSE;
    }
    std::string Text(const char* name) {
        std::string key = std::string("\\StringFileInfo\\040904E4\\") + name;
        char* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(block.data(), key.c_str(), reinterpret_cast<void**>(&value), &length))
            return "(none)";
        return std::string(value);
    }
    VS_FIXEDFILEINFO* Fixed() {
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length))
            return nullptr;
        return fixed;
    }
};

std::string ManifestOf(const std::string& file) {
    HMODULE module = LoadLibraryExA(file.c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!module) return {};
    std::string text;
    if (HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)))
        if (HGLOBAL loaded = LoadResource(module, found))
            text.assign(static_cast<const char*>(LockResource(loaded)),
                        SizeofResource(module, found));
    FreeLibrary(module);
    return text;
}

} // namespace

TEST(Release, BothProgramsCarryTheProjectVersionAndTheirNames) {
    const struct {
        const char* file;
        const char* description;
    } programs[] = {{"scrivex.exe", "Scrivex text editor"}, {"About.exe", "About Scrivex"}};
    for (const auto& program : programs) {
        VersionInfo info;
        ASSERT_TRUE(info.Read(BuiltProgram(program.file))) << program.file;
        EXPECT_EQ(info.Text("FileDescription"), program.description);
        EXPECT_EQ(info.Text("OriginalFilename"), program.file);
        EXPECT_EQ(info.Text("ProductName"), "Scrivex") << program.file;
        EXPECT_EQ(info.Text("FileVersion"), SCRIVEX_VERSION) << program.file;
        EXPECT_EQ(info.Text("ProductVersion"), SCRIVEX_VERSION) << program.file;
        EXPECT_NE(info.Text("LegalCopyright").find("The Scrivex authors"), std::string::npos)
            << program.file;
        VS_FIXEDFILEINFO* fixed = info.Fixed();
        ASSERT_NE(fixed, nullptr) << program.file;
        EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
        const std::string binary = std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
                                   std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
                                   std::to_string(HIWORD(fixed->dwFileVersionLS));
        EXPECT_EQ(binary, SCRIVEX_VERSION) << program.file;
        EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS) << program.file;
        EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS) << program.file;
    }
}

TEST(Release, BothProgramsCarryTheManifest) {
    const char* const entries[] = {
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", // Windows 7
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", // Windows 8
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", // Windows 8.1
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", // Windows 10 and 11
        ">true/pm</dpiAware>",
        ">PerMonitorV2, PerMonitor</dpiAwareness>",
        "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
        "level=\"asInvoker\"",
    };
    for (const char* file : {"scrivex.exe", "About.exe"}) {
        const std::string manifest = ManifestOf(BuiltProgram(file));
        ASSERT_FALSE(manifest.empty()) << file;
        for (const char* entry : entries)
            EXPECT_NE(manifest.find(entry), std::string::npos) << file << ": " << entry;
    }
}

TEST(Release, TheManifestGivesTheProgramTheCommonControls6) {
    // This test program carries the same manifest: the system loaded the controls it names,
    // from the side-by-side store, not the old ones from the system folder.
    HMODULE controls = GetModuleHandleA("comctl32.dll");
    ASSERT_NE(controls, nullptr);
    char path[MAX_PATH] = "";
    GetModuleFileNameA(controls, path, MAX_PATH);
    CharLowerA(path);
    EXPECT_NE(std::string(path).find("microsoft.windows.common-controls_6595b64144ccf1df_6.0."),
              std::string::npos)
        << path;
}
