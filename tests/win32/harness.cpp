// The contract tests' platform under Windows: the real Win32 one, shared by all tests.
#include "contract/contract_harness.h"
#include "platform/win32/win32_platform.h"

platform::Platform& ContractPlatform() {
    static platform::win32::Win32Platform platform;
    return platform;
}

std::string ContractFolder() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "scrivex-contract\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string path = folder + found.cFileName;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    return folder;
}
