// The file system as the program uses it. Failures throw RuntimeError with the program's
// error numbers (53 file not found, 76 path not found, 70 permission denied, 61 disk full, ...).
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

// A file open for writing. Destroying it closes it quietly when Close was not reached.
class OutputFile {
  public:
    virtual ~OutputFile() = default;
    // Makes `bytes` the file's whole content, written from its start: running it again after a
    // short write (a full disk) leaves nothing of the first attempt behind.
    virtual void Write(std::string_view bytes) = 0;
    // Puts what was written onto the disk.
    virtual void Flush() = 0;
    virtual void Close() = 0;
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    virtual bool Exists(std::string_view path) = 0;
    virtual bool IsFolder(std::string_view path) = 0;
    // The path with the current folder in front when it is relative; the file need not exist.
    virtual std::string FullPath(std::string_view path) = 0;
    // Size in bytes; 53 when the file does not exist.
    virtual std::int64_t FileLength(std::string_view path) = 0;
    // The whole file as bytes.
    virtual std::string ReadAll(std::string_view path) = 0;
    // Copies a file, replacing `to` when it exists. The copy can be written and deleted even
    // when the original is read-only. A copy to a new name that breaks off (a full disk) is
    // removed again: a part of a file must not pass for a copy of it.
    virtual void Copy(std::string_view from, std::string_view to) = 0;
    // Gives a file a new name (in the same folder); fails when a file of that name exists.
    virtual void Rename(std::string_view from, std::string_view to) = 0;
    virtual void Delete(std::string_view path) = 0;
    // Opens a file for writing, made when it does not exist; `empty` cuts it to 0 bytes.
    virtual std::unique_ptr<OutputFile> OpenForWriting(std::string_view path, bool empty) = 0;
};

} // namespace platform
