// Reading, writing, copying and asking about files with CreateFileA and friends.
#include "platform/win32/win32_file_system.h"

#include <algorithm>

#include "platform/errors.h"
#include "platform/win32/win32_common.h"

namespace platform::win32 {

int ErrorNumberFor(DWORD systemError) {
    switch (systemError) {
    case ERROR_FILE_NOT_FOUND:
        return err::FileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return err::PathNotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
        return err::PermissionDenied;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return err::DiskFull;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
        return err::BadFileName;
    default:
        return err::PathFileAccess;
    }
}

namespace {

[[noreturn]] void ThrowLastError() {
    throw RuntimeError(ErrorNumberFor(GetLastError()));
}

// A path as the system takes it; a NUL inside would silently name another file.
std::string PathText(std::string_view path) {
    if (path.find('\0') != std::string_view::npos) throw RuntimeError(err::BadFileName);
    if (path.empty()) throw RuntimeError(err::FileNotFound);
    return std::string(path);
}

// A path for the wide functions: past MAX_PATH a full path gets the \\?\ prefix, which lifts
// the limit (a backup's name is longer than its file's).
std::wstring WidePath(std::string_view path) {
    std::string name = PathText(path);
    int length =
        MultiByteToWideChar(CP_ACP, 0, name.data(), static_cast<int>(name.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, name.data(), static_cast<int>(name.size()), wide.data(), length);
    if (wide.size() < MAX_PATH - 12 || wide.starts_with(L"\\\\?\\")) return wide;
    std::replace(wide.begin(), wide.end(), L'/', L'\\');
    if (wide.size() > 2 && wide[1] == L':' && wide[2] == L'\\') return L"\\\\?\\" + wide;
    if (wide.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + wide.substr(2);
    return wide;
}

// The attributes of a path; throws the mapped error when there is no such file or folder.
WIN32_FILE_ATTRIBUTE_DATA Attributes(std::string_view path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    std::string name = PathText(path);
    if (!GetFileAttributesExA(name.c_str(), GetFileExInfoStandard, &data)) ThrowLastError();
    return data;
}

class Handle {
  public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return handle_; }

  private:
    HANDLE handle_;
};

} // namespace

bool Win32FileSystem::Exists(std::string_view path) {
    if (path.empty() || path.find('\0') != std::string_view::npos) return false;
    return GetFileAttributesW(WidePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32FileSystem::IsFolder(std::string_view path) {
    return Attributes(path).dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
}

std::string Win32FileSystem::FullPath(std::string_view path) {
    std::string name = PathText(path);
    DWORD length = GetFullPathNameA(name.c_str(), 0, nullptr, nullptr);
    if (length == 0) ThrowLastError();
    std::string full(length, '\0');
    length = GetFullPathNameA(name.c_str(), length, full.data(), nullptr);
    if (length == 0 || length >= full.size()) ThrowLastError();
    full.resize(length);
    return full;
}

std::int64_t Win32FileSystem::FileLength(std::string_view path) {
    WIN32_FILE_ATTRIBUTE_DATA data = Attributes(path);
    return (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::string Win32FileSystem::ReadAll(std::string_view path) {
    std::string name = PathText(path);
    Handle file(CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        // A folder cannot be read as a file: an access error, not a permission problem.
        DWORD attributes = GetFileAttributesA(name.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            throw RuntimeError(err::PathFileAccess);
        throw RuntimeError(ErrorNumberFor(error));
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) ThrowLastError();
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 24));
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + done, chunk, &read, nullptr)) ThrowLastError();
        if (read == 0) break; // the file became shorter meanwhile
        done += read;
    }
    bytes.resize(done);
    return bytes;
}

void Win32FileSystem::Copy(std::string_view from, std::string_view to) {
    std::wstring source = WidePath(from), target = WidePath(to);
    const bool replacing = GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (!CopyFileW(source.c_str(), target.c_str(), FALSE)) {
        const DWORD error = GetLastError();
        if (!replacing) DeleteFileW(target.c_str());
        throw RuntimeError(ErrorNumberFor(error));
    }
    // The copy takes the original's attributes; a read-only copy could not be deleted or
    // replaced afterwards.
    DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        SetFileAttributesW(target.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
}

void Win32FileSystem::Rename(std::string_view from, std::string_view to) {
    if (!MoveFileW(WidePath(from).c_str(), WidePath(to).c_str())) ThrowLastError();
}

void Win32FileSystem::Delete(std::string_view path) {
    if (!DeleteFileW(WidePath(path).c_str())) ThrowLastError();
}

namespace {

class Win32OutputFile : public OutputFile {
  public:
    explicit Win32OutputFile(HANDLE handle) : handle_(handle) {}
    ~Win32OutputFile() override {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    void Write(std::string_view bytes) override {
        LARGE_INTEGER start{};
        if (!SetFilePointerEx(Open(), start, nullptr, FILE_BEGIN)) ThrowLastError();
        size_t done = 0;
        while (done < bytes.size()) {
            DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 24));
            DWORD written = 0;
            if (!WriteFile(handle_, bytes.data() + done, chunk, &written, nullptr))
                ThrowLastError();
            if (written == 0) throw RuntimeError(err::DiskFull);
            done += written;
        }
        if (!SetEndOfFile(handle_)) ThrowLastError();
    }
    void Flush() override {
        if (!FlushFileBuffers(Open())) ThrowLastError();
    }
    void Close() override {
        if (handle_ == INVALID_HANDLE_VALUE) return;
        HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        if (!CloseHandle(handle)) ThrowLastError();
    }

  private:
    HANDLE Open() const {
        if (handle_ == INVALID_HANDLE_VALUE) throw RuntimeError(err::BadFileName);
        return handle_;
    }
    HANDLE handle_;
};

} // namespace

std::unique_ptr<OutputFile> Win32FileSystem::OpenForWriting(std::string_view path, bool empty) {
    std::string name = PathText(path);
    // OPEN_ALWAYS keeps the file's attributes and links; CREATE_ALWAYS would refuse a hidden
    // file and replace the file's identity.
    HANDLE handle = CreateFileA(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        DWORD attributes = GetFileAttributesA(name.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            throw RuntimeError(err::PathFileAccess);
        throw RuntimeError(ErrorNumberFor(error));
    }
    auto file = std::make_unique<Win32OutputFile>(handle);
    if (empty && !SetEndOfFile(handle)) ThrowLastError();
    return file;
}

} // namespace platform::win32
