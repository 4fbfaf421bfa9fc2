// The file system as the program uses it. Failures throw RuntimeError with the program's
// error numbers (53 file not found, 76 path not found, 70 permission denied, ...).
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    virtual bool Exists(std::string_view path) = 0;
    virtual bool IsFolder(std::string_view path) = 0;
    // Size in bytes; 53 when the file does not exist.
    virtual std::int64_t FileLength(std::string_view path) = 0;
    // The whole file as bytes.
    virtual std::string ReadAll(std::string_view path) = 0;
};

} // namespace platform
