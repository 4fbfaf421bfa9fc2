// The Win32 side every control shares: its window, its ID, its tag, and the hooks through which
// its form passes on notifications; plus a template that implements platform::Control once.
#pragma once
#include "platform/win32/win32_windows.h"

#include <string>
#include <string_view>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/win32/win32_common.h"

namespace platform::win32 {

class Win32FormCore;

class Win32ControlCore {
  public:
    Win32ControlCore(Win32FormCore& form, int id) : form_(form), id_(id) {}
    virtual ~Win32ControlCore();
    Win32ControlCore(const Win32ControlCore&) = delete;
    Win32ControlCore& operator=(const Win32ControlCore&) = delete;

    // Creates the window; `def` gives kind, position and looks.
    virtual void Create(HWND parent, const ControlDef& def, HFONT font) = 0;
    virtual platform::Control& Public() = 0;

    HWND Hwnd() const { return hwnd_; }
    int Id() const { return id_; }

    // Notifications from the parent window.
    virtual void OnCommand(int /*code*/) {}
    virtual bool OnDrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
    virtual bool OnMeasureItem(MEASUREITEMSTRUCT& /*item*/) { return false; }
    // The parent's client area changed size (docked controls follow it).
    virtual void OnParentSize() {}
    // Whether the control docks at the bottom of its form, and the height it takes there.
    virtual bool DocksAtBottom() const { return false; }
    // Messages to the control itself, seen before the control handles them. Returns true
    // when handled, with the result in `result`.
    virtual bool OnOwnMessage(UINT /*msg*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                              LRESULT& /*result*/) {
        return false;
    }
    // The window is gone; the object stays and its calls do nothing from now on.
    virtual void OnDestroyed() { hwnd_ = nullptr; }
    // Its form is now drawn at `dpi`: the control takes its place in twips at that DPI and the
    // form's font for it made at that DPI.
    virtual void ApplyDpi(int dpi, HFONT font);

  protected:
    // Creates the window with the common styles, fonts and subclassing.
    HWND CreateChildWindow(HWND parent, const char* className, const ControlDef& def, DWORD style,
                           DWORD exStyle, HFONT font);
    // The window's height in pixels for a height in twips (a drop-down list adds its list).
    virtual int PixelHeight(int twips, int dpi) const { return TwipsToPixels(twips, dpi); }
    // Puts the window at its place in twips at its form's DPI.
    void PlaceAt(const RECT& twips);
    LRESULT CallDefault(UINT msg, WPARAM wParam, LPARAM lParam);

    Win32FormCore& form_;
    HWND hwnd_ = nullptr;
    int id_;
    RECT twips_{}; // the place the program gave the control, in twips
    std::string tag_;
    bool mouseDown_ = false;

  private:
    // Classic subclassing with the object in GWLP_USERDATA: window properties and the common
    // controls' subclass chain cost a round trip per message under Wine.
    static LRESULT CALLBACK ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT HandleOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void Unsubclass();

    WNDPROC systemProc_ = nullptr;
    bool hasTooltip_ = false; // mouse messages go on to the form's tooltips
};

// platform::Control's common members on top of the Win32 side.
template <class Interface> class Win32Control : public Interface, public Win32ControlCore {
  public:
    using Win32ControlCore::Win32ControlCore;
    platform::Control& Public() override { return *this; }

    void SetFocus() override {
        if (hwnd_) ::SetFocus(hwnd_);
    }
    bool Visible() const override {
        return hwnd_ && (GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_VISIBLE);
    }
    void SetVisible(bool visible) override;
    int Left() const override { return Bounds().left; }
    int Top() const override { return Bounds().top; }
    int Width() const override { return Bounds().right - Bounds().left; }
    int Height() const override { return Bounds().bottom - Bounds().top; }
    void Move(int left, int top, int width, int height) override;
    std::string Tag() const override { return tag_; }
    void SetTag(std::string_view tag) override { tag_ = tag; }

  private:
    RECT Bounds() const; // in twips, relative to the parent
};

} // namespace platform::win32
