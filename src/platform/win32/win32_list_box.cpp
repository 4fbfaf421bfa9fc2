// ListBox: a list of strings with item data; with check boxes, an owner-drawn list whose
// boxes switch on a click on the box or on Space.
#include <algorithm>

#include "platform/win32/win32_common.h"
#include "platform/win32/win32_controls.h"

namespace platform::win32 {

void Win32ListBox::Create(HWND parent, const ControlDef& def, HFONT font) {
    checkBoxes_ = def.checkBoxes;
    DWORD style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL;
    if (checkBoxes_) style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
    if (checkBoxes_) {
        // Items are as tall as the font's characters, and no smaller than a check box.
        HDC dc = GetDC(parent);
        HGDIOBJ old = SelectObject(dc, font);
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc, &metrics);
        SelectObject(dc, old);
        ReleaseDC(parent, dc);
        itemHeight_ = std::max<int>(metrics.tmHeight + 2, GetSystemMetrics(SM_CYMENUCHECK) + 2);
    }
    CreateChildWindow(parent, "LISTBOX", def, style, WS_EX_CLIENTEDGE, font);
    if (hwnd_ && checkBoxes_) SendMessageA(hwnd_, LB_SETITEMHEIGHT, 0, itemHeight_);
    for (const auto& item : def.items)
        AddItem(item);
}

void Win32ListBox::OnCommand(int code) {
    if (code == LBN_SELCHANGE) Fire(onClick);
    if (code == LBN_DBLCLK) Fire(onDblClick);
}

bool Win32ListBox::OnMeasureItem(MEASUREITEMSTRUCT& item) {
    item.itemHeight = itemHeight_;
    return true;
}

int Win32ListBox::BoxWidth() const {
    return itemHeight_ + 2;
}

bool Win32ListBox::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1)) {
        if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
        return true;
    }
    int index = static_cast<int>(item.itemID);
    bool selected = item.itemState & ODS_SELECTED;
    HDC dc = item.hDC;
    FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));

    RECT box = item.rcItem;
    box.right = box.left + BoxWidth();
    RECT frame = box;
    int side = std::max<int>(4, std::min<int>(box.bottom - box.top, box.right - box.left) - 4);
    frame.left += (box.right - box.left - side) / 2;
    frame.top += (box.bottom - box.top - side) / 2;
    frame.right = frame.left + side;
    frame.bottom = frame.top + side;
    UINT state = DFCS_BUTTONCHECK | DFCS_FLAT;
    if (InRange(index) && entries_[index].checked) state |= DFCS_CHECKED;
    DrawFrameControl(dc, &frame, DFC_BUTTON, state);

    std::string text = Item(index);
    RECT textArea = item.rcItem;
    textArea.left = box.right + 2;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textArea,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_EXPANDTABS);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &item.rcItem);
    return true;
}

bool Win32ListBox::OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == kMsgListRedraw) {
        redrawHeld_ = false;
        SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(hwnd_, nullptr, TRUE);
        return true;
    }
    if (!checkBoxes_) return false;
    switch (msg) {
    case WM_LBUTTONDOWN: {
        result = CallDefault(msg, wParam, lParam);
        POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        // LB_ITEMFROMPOINT answers in 16 bits; the items have one height, so the row under the
        // mouse counts from the top item, past 65,535 items too.
        if (hwnd_ && at.x >= 0 && at.x < BoxWidth() && at.y >= 0 && itemHeight_ > 0) {
            const LRESULT top = SendMessageA(hwnd_, LB_GETTOPINDEX, 0, 0);
            Toggle(static_cast<int>(top) + at.y / itemHeight_);
        }
        return true;
    }
    case WM_KEYDOWN:
        if (wParam != VK_SPACE) return false;
        Toggle(static_cast<int>(SendMessageA(hwnd_, LB_GETCARETINDEX, 0, 0)));
        return true;
    case WM_CHAR:
        // Space switched the box; it is not the start of a type-ahead search.
        return wParam == ' ';
    default:
        return false;
    }
}

void Win32ListBox::Toggle(int index) {
    if (!InRange(index)) return;
    entries_[index].checked = !entries_[index].checked;
    RedrawItem(index);
    Fire(onItemCheck, index);
}

void Win32ListBox::RedrawItem(int index) {
    RECT r;
    if (hwnd_ && SendMessageA(hwnd_, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r)) != LB_ERR)
        InvalidateRect(hwnd_, &r, FALSE);
}

void Win32ListBox::HoldRedraw() {
    if (!hwnd_ || redrawHeld_) return;
    redrawHeld_ = true;
    SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
    PostMessageA(hwnd_, kMsgListRedraw, 0, 0);
}

void Win32ListBox::Clear() {
    entries_.clear();
    reserved_ = 0;
    if (hwnd_) SendMessageA(hwnd_, LB_RESETCONTENT, 0, 0);
}

int Win32ListBox::AddItem(std::string_view text) {
    if (!hwnd_) return -1;
    HoldRedraw();
    if (entries_.size() >= reserved_) {
        // Grow the list's storage by doubling, so that long lists fill in linear time.
        size_t more = std::max<size_t>(256, entries_.size());
        SendMessageA(hwnd_, LB_INITSTORAGE, more, more * 32);
        reserved_ = entries_.size() + more;
    }
    LRESULT index =
        SendMessageA(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(TextUpToNul(text).c_str()));
    if (index < 0) return -1;
    entries_.insert(entries_.begin() + index, Entry{});
    return static_cast<int>(index);
}

void Win32ListBox::RemoveItem(int index) {
    if (!hwnd_ || !InRange(index)) return;
    SendMessageA(hwnd_, LB_DELETESTRING, index, 0);
    entries_.erase(entries_.begin() + index);
}

int Win32ListBox::Count() const {
    return static_cast<int>(entries_.size());
}

std::string Win32ListBox::Item(int index) const {
    if (!hwnd_ || !InRange(index)) return {};
    LRESULT length = SendMessageA(hwnd_, LB_GETTEXTLEN, index, 0);
    if (length <= 0) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    LRESULT got = SendMessageA(hwnd_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

void Win32ListBox::SetItem(int index, std::string_view text) {
    if (!hwnd_ || !InRange(index)) return;
    int selected = ListIndex();
    HoldRedraw();
    SendMessageA(hwnd_, LB_DELETESTRING, index, 0);
    SendMessageA(hwnd_, LB_INSERTSTRING, index,
                 reinterpret_cast<LPARAM>(TextUpToNul(text).c_str()));
    if (selected == index) SendMessageA(hwnd_, LB_SETCURSEL, index, 0);
}

std::intptr_t Win32ListBox::ItemData(int index) const {
    return InRange(index) ? entries_[index].data : 0;
}

void Win32ListBox::SetItemData(int index, std::intptr_t data) {
    if (InRange(index)) entries_[index].data = data;
}

bool Win32ListBox::Checked(int index) const {
    return InRange(index) && entries_[index].checked;
}

void Win32ListBox::SetChecked(int index, bool checked) {
    if (!InRange(index) || entries_[index].checked == checked) return;
    entries_[index].checked = checked;
    // While drawing is held the whole list is drawn when it comes back; an invalidation per
    // item costs a round trip to the window system each.
    if (!redrawHeld_) RedrawItem(index);
}

int Win32ListBox::ListIndex() const {
    return hwnd_ ? static_cast<int>(SendMessageA(hwnd_, LB_GETCURSEL, 0, 0)) : -1;
}

void Win32ListBox::SetListIndex(int index) {
    if (hwnd_) SendMessageA(hwnd_, LB_SETCURSEL, index, 0);
}

} // namespace platform::win32
