// The file system through the Win32 file functions, with the program's error numbers.
#pragma once
#include "platform/win32/win32_windows.h"

#include "platform/file_system.h"

namespace platform::win32 {

// The program's error number for a system error code (53 file not found, 76 path not found,
// 70 permission denied, 61 disk full, 52 bad file name, 75 otherwise).
int ErrorNumberFor(DWORD systemError);

class Win32FileSystem : public FileSystem {
  public:
    bool Exists(std::string_view path) override;
    bool IsFolder(std::string_view path) override;
    std::string FullPath(std::string_view path) override;
    std::int64_t FileLength(std::string_view path) override;
    std::string ReadAll(std::string_view path) override;
    void Copy(std::string_view from, std::string_view to) override;
    void Rename(std::string_view from, std::string_view to) override;
    void Delete(std::string_view path) override;
    std::unique_ptr<OutputFile> OpenForWriting(std::string_view path, bool empty) override;
};

} // namespace platform::win32
