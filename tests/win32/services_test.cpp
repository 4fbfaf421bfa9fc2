// The Win32 services: the command line, the file system and its error numbers, folders.
#include <gtest/gtest.h>

#include <fstream>

#include "harness_support.h"
#include "platform/errors.h"

using namespace platform;

namespace {

TEST(CommandLine, TheProgramsOwnNameIsLeftOut) {
    struct Case {
        const char* line;
        const char* arguments;
    };
    const Case cases[] = {
        {"scrivex.exe", ""},
        {"scrivex.exe a.txt", "a.txt"},
        {"C:\\bin\\scrivex.exe   \"C:\\a b.txt\" c.txt ", "\"C:\\a b.txt\" c.txt "},
        {"\"C:\\Program Files\\scrivex.exe\" x", "x"},
        {"\"C:\\Program Files\\scrivex.exe\"x y", "y"},
        {"\"unbalanced a.txt", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(win32::ArgumentsOf(c.line), c.arguments) << c.line;
}

TEST(FileErrors, SystemErrorsMapToTheProgramsNumbers) {
    const std::pair<DWORD, int> cases[] = {
        {ERROR_FILE_NOT_FOUND, 53},    {ERROR_PATH_NOT_FOUND, 76}, {ERROR_ACCESS_DENIED, 70},
        {ERROR_SHARING_VIOLATION, 70}, {ERROR_DISK_FULL, 61},      {ERROR_INVALID_NAME, 52},
        {ERROR_GEN_FAILURE, 75},
    };
    for (auto [system, number] : cases)
        EXPECT_EQ(win32::ErrorNumberFor(system), number) << system;
}

class Files : public ::testing::Test {
  protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "scrivex-files-test";
        CreateDirectoryA(folder.c_str(), nullptr);
        file = folder + "\\a b.txt";
        std::ofstream(file, std::ios::binary) << std::string("x\0y\r\n", 5);
    }
    void TearDown() override {
        DeleteFileA(file.c_str());
        RemoveDirectoryA(folder.c_str());
    }
    int ErrorOf(void (*call)(FileSystem&, const std::string&), const std::string& path) {
        try {
            call(fs(), path);
        } catch (const RuntimeError& e) {
            return e.Number();
        }
        return 0;
    }
    static FileSystem& fs() { return win32_test::Platform().Files(); }
    std::string folder, file;
};

TEST_F(Files, ReadsBytesAndAnswersQuestions) {
    EXPECT_TRUE(fs().Exists(file));
    EXPECT_TRUE(fs().Exists(folder));
    EXPECT_FALSE(fs().IsFolder(file));
    EXPECT_TRUE(fs().IsFolder(folder));
    EXPECT_EQ(fs().FileLength(file), 5);
    EXPECT_EQ(fs().ReadAll(file), std::string("x\0y\r\n", 5));
    EXPECT_FALSE(fs().Exists(folder + "\\missing.txt"));
    EXPECT_FALSE(fs().Exists(""));
}

TEST_F(Files, FailuresCarryTheProgramsErrorNumbers) {
    auto read = [](FileSystem& f, const std::string& p) { f.ReadAll(p); };
    auto length = [](FileSystem& f, const std::string& p) { f.FileLength(p); };
    auto isFolder = [](FileSystem& f, const std::string& p) { f.IsFolder(p); };
    EXPECT_EQ(ErrorOf(read, folder + "\\missing.txt"), err::FileNotFound);
    EXPECT_EQ(ErrorOf(read, folder + "\\no such folder\\a.txt"), err::PathNotFound);
    EXPECT_EQ(ErrorOf(read, folder), err::PathFileAccess);
    EXPECT_EQ(ErrorOf(read, file + std::string(1, '\0') + "x"), err::BadFileName);
    EXPECT_EQ(ErrorOf(length, folder + "\\missing.txt"), err::FileNotFound);
    EXPECT_EQ(ErrorOf(isFolder, folder + "\\missing.txt"), err::FileNotFound);
    EXPECT_EQ(ErrorOf(read, ""), err::FileNotFound);
}

TEST(SpecialFolders, WindowsAndSystemFolders) {
    std::string windows = win32_test::Platform().SpecialFolder(36);
    std::string system = win32_test::Platform().SpecialFolder(37);
    EXPECT_FALSE(windows.empty());
    EXPECT_EQ(windows.find('\0'), std::string::npos);
    EXPECT_EQ(system.rfind(windows, 0), 0u) << windows << " / " << system;
    // Taken from the system rather than the shell, they are still the shell's folders.
    for (int folder : {36, 37})
        EXPECT_EQ(lstrcmpiA(win32_test::Platform().SpecialFolder(folder).c_str(),
                            platform::win32::Win32Platform::ShellFolder(folder).c_str()),
                  0)
            << folder;
    // Other folders come from the shell, which is loaded for them on first use.
    EXPECT_FALSE(win32_test::Platform().SpecialFolder(0x001a).empty()); // application data
}

} // namespace
