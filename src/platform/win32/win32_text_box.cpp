// TextBox: the one-line EDIT and the document's multi-line EDIT, with the change, key-up and
// click events the program relies on.
#include <algorithm>

#include "platform/errors.h"
#include "platform/keys.h"
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_form.h"

namespace platform::win32 {

Win32TextBox::~Win32TextBox() {
    if (ownFont_) DeleteObject(ownFont_);
}

void Win32TextBox::Create(HWND parent, const ControlDef& def, HFONT font) {
    if (def.font) font_ = *def.font;
    DWORD style = ES_AUTOHSCROLL;
    if (def.kind == ControlKind::MultiLineBox)
        style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_HSCROLL;
    CreateChildWindow(parent, "EDIT", def, style, WS_EX_CLIENTEDGE, font);
    // The system's default limit would stop typing at 30000 characters. The document's box
    // holds its capacity: the limit stops typing and inserts; writes are cut here, since the
    // edit control takes any length through WM_SETTEXT.
    if (def.kind == ControlKind::MultiLineBox) capacity_ = kMultiLineCapacity;
    if (def.kind == ControlKind::MultiLineBox && hwnd_)
        drop_ = RegisterDropTarget(hwnd_, [this](const DropData& data) {
            if (onDrop) onDrop(data);
        });
    if (hwnd_)
        ::SendMessageA(hwnd_, EM_SETLIMITTEXT,
                       capacity_ == std::string::npos ? 0 : static_cast<WPARAM>(capacity_), 0);
}

template <class Write> void Win32TextBox::ProgramWrite(Write write) {
    if (!hwnd_) return;
    // Some edit controls report a program's write with EN_CHANGE and some do not: hold it back
    // and report the write exactly once.
    writing_ = true;
    write();
    writing_ = false;
    Fire(onChange);
}

void Win32TextBox::OnCommand(int code) {
    if (code == EN_CHANGE && !writing_) Fire(onChange);
}

bool Win32TextBox::OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_DESTROY:
        drop_.reset(); // while the window still exists
        return false;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        result = CallDefault(msg, wParam, lParam);
        Fire(onKeyUp, static_cast<int>(wParam), ShiftState());
        return true;
    case WM_KEYDOWN:
        // Some edit controls paste on Shift+Ins without a WM_PASTE.
        if (wParam != VK_INSERT || ShiftState() != shift::Shift) return false;
        [[fallthrough]];
    case WM_PASTE:
        // Ctrl+V and the context menu's Paste come here: the program, when it asks, pastes in
        // place of the control, which would cut a text too long to fit.
        if (!onPaste) return false;
        Fire(onPaste);
        result = 0;
        return true;
    case WM_LBUTTONDOWN:
        mouseDown_ = true;
        return false;
    case WM_LBUTTONUP: {
        // A click is complete when the button goes up over the control it went down on.
        result = CallDefault(msg, wParam, lParam);
        bool clicked = mouseDown_;
        mouseDown_ = false;
        if (clicked) Fire(onClick);
        return true;
    }
    default:
        return false;
    }
}

std::string Win32TextBox::Text() const {
    return WindowText(hwnd_);
}

void Win32TextBox::SetText(std::string_view text) {
    // Cut before copying: a file of hundreds of megabytes needs no copy of its own.
    std::string value = TextUpToNul(text.substr(0, capacity_));
    ProgramWrite([&] {
        // A visible edit control redraws and resizes its scroll bars as it takes in a long
        // text, which more than doubles the time of a 64 kB write under Wine. The control is
        // hidden for the write without any painting (nothing shows through: it covers the
        // same place before and after), then painted once with the rest of the window.
        const bool visible = IsWindowVisible(hwnd_) && value.size() > 4096;
        const UINT quietly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW;
        if (visible) SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, quietly | SWP_HIDEWINDOW);
        ::SendMessageA(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str()));
        if (visible) {
            SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, quietly | SWP_SHOWWINDOW);
            RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
        }
    });
}

void Win32TextBox::Selection(DWORD& start, DWORD& end) const {
    start = end = 0;
    if (hwnd_)
        ::SendMessageA(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                       reinterpret_cast<LPARAM>(&end));
}

int Win32TextBox::SelStart() const {
    DWORD start, end;
    Selection(start, end);
    return static_cast<int>(start);
}

void Win32TextBox::SetSelStart(int start) {
    if (!hwnd_) return;
    start = std::clamp(start, 0, GetWindowTextLengthA(hwnd_));
    ::SendMessageA(hwnd_, EM_SETSEL, start, start);
    ::SendMessageA(hwnd_, EM_SCROLLCARET, 0, 0);
}

int Win32TextBox::SelLength() const {
    DWORD start, end;
    Selection(start, end);
    return static_cast<int>(end - start);
}

void Win32TextBox::SetSelLength(int length) {
    if (!hwnd_) return;
    int start = SelStart();
    int end = std::clamp(start + std::max(length, 0), start, GetWindowTextLengthA(hwnd_));
    ::SendMessageA(hwnd_, EM_SETSEL, start, end);
}

std::string Win32TextBox::SelText() const {
    DWORD start, end;
    Selection(start, end);
    if (end <= start) return {};
    return Text().substr(start, end - start);
}

void Win32TextBox::SetSelText(std::string_view text) {
    std::string value = TextUpToNul(text);
    ProgramWrite([&] {
        ::SendMessageA(hwnd_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(value.c_str()));
        ::SendMessageA(hwnd_, EM_SCROLLCARET, 0, 0);
    });
}

void Win32TextBox::SetFont(const FontDef& font) {
    HFONT made = CreateScreenFont(font);
    if (!made) throw RuntimeError(err::InvalidPropertyValue);
    if (hwnd_) ::SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(made), TRUE);
    if (ownFont_) DeleteObject(ownFont_);
    ownFont_ = made;
    font_ = font;
}

std::intptr_t Win32TextBox::SendMessage(unsigned message, std::uintptr_t wParam,
                                        std::intptr_t lParam) {
    if (!hwnd_) return 0;
    return ::SendMessageA(hwnd_, message, wParam, lParam);
}

} // namespace platform::win32
