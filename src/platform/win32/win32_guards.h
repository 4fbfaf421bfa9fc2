// Scope guards for what the wrappers take from the system and must give back however they
// leave, a throw included: device contexts and the objects selected into them, GDI objects,
// registry keys, locked global blocks and the open clipboard.
#pragma once
#include "platform/win32/win32_windows.h"

#include <optional>
#include <string>
#include <utility>

namespace platform::win32 {

// A window's device context (the screen's for a null window), released at the end.
class WindowDC {
  public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HWND hwnd_;
    HDC dc_;
};

// The device context of a WM_PAINT, ended at the end.
class PaintDC {
  public:
    explicit PaintDC(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &paint_)) {}
    ~PaintDC() { EndPaint(hwnd_, &paint_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC get() const { return dc_; }

  private:
    HWND hwnd_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A device context of our own making (CreateDC, CreateCompatibleDC), deleted at the end.
class OwnedDC {
  public:
    OwnedDC() = default;
    explicit OwnedDC(HDC dc) : dc_(dc) {}
    ~OwnedDC() { Reset(); }
    OwnedDC(OwnedDC&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
    OwnedDC& operator=(OwnedDC&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.dc_, nullptr));
        return *this;
    }
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }
    void Reset(HDC dc = nullptr) {
        if (dc_) DeleteDC(dc_);
        dc_ = dc;
    }

  private:
    HDC dc_ = nullptr;
};

// A pen, brush, font or bitmap of our own making, deleted at the end. Select it out of every
// device context before then (SelectedObject does).
template <class Handle> class GdiObject {
  public:
    GdiObject() = default;
    explicit GdiObject(Handle object) : object_(object) {}
    ~GdiObject() { Reset(); }
    GdiObject(GdiObject&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.object_, nullptr));
        return *this;
    }
    Handle get() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    void Reset(Handle object = nullptr) {
        if (object_) DeleteObject(object_);
        object_ = object;
    }

  private:
    Handle object_ = nullptr;
};

// An object selected into a device context; the one it replaced goes back at the end. A null
// device context or object selects nothing.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object)
        : dc_(dc), old_(dc && object ? SelectObject(dc, object) : nullptr) {}
    ~SelectedObject() {
        if (old_) SelectObject(dc_, old_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

  private:
    HDC dc_;
    HGDIOBJ old_;
};

// An open registry key, closed at the end. Empty when the key could not be opened.
class RegistryKey {
  public:
    // Opens an existing key.
    static RegistryKey Open(HKEY root, const std::string& path, REGSAM access);
    // Opens a key, making it and the keys above it where missing.
    static RegistryKey Create(HKEY root, const std::string& path, REGSAM access);

    RegistryKey() = default;
    ~RegistryKey() {
        if (key_) RegCloseKey(key_);
    }
    RegistryKey(RegistryKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
    RegistryKey& operator=(RegistryKey&& other) noexcept;
    HKEY get() const { return key_; }
    explicit operator bool() const { return key_ != nullptr; }

  private:
    HKEY key_ = nullptr;
};

// A global block locked for as long as the guard lives. Empty when it could not be locked
// (a null or discarded block).
class LockedGlobal {
  public:
    explicit LockedGlobal(HGLOBAL block)
        : block_(block), data_(block ? GlobalLock(block) : nullptr) {}
    ~LockedGlobal() {
        if (data_) GlobalUnlock(block_);
    }
    LockedGlobal(const LockedGlobal&) = delete;
    LockedGlobal& operator=(const LockedGlobal&) = delete;
    template <class T = void> T* As() const { return static_cast<T*>(data_); }
    // The block's size in bytes; 0 when not locked.
    SIZE_T Size() const { return data_ ? GlobalSize(block_) : 0; }
    explicit operator bool() const { return data_ != nullptr; }

  private:
    HGLOBAL block_;
    void* data_;
};

// The text a global block holds: up to its first NUL and never past the block's end (another
// program's text need not end in one). Nothing when the block cannot be locked.
std::optional<std::string> GlobalText(HGLOBAL block);

// A new movable global block holding these bytes; null when the system has no memory for it.
HGLOBAL GlobalCopy(const void* bytes, SIZE_T size);

// The clipboard, open for as long as the guard lives. Another program may hold it open for a
// moment: opening is tried again a few times, a short pause apart, before it counts as failed.
class OpenClipboardScope {
  public:
    static constexpr int kAttempts = 10;
    static constexpr DWORD kPauseMs = 20;

    // `owner` becomes the clipboard's owner when the clipboard is emptied; null reads only.
    explicit OpenClipboardScope(HWND owner);
    ~OpenClipboardScope() {
        if (open_) CloseClipboard();
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    bool IsOpen() const { return open_; }

  private:
    bool open_ = false;
};

} // namespace platform::win32
