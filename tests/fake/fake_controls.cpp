// The fake controls: text boxes, lists, status bars and the rest, in memory.
#include "fake/fake_controls.h"

#include <algorithm>
#include <stdexcept>

#include "platform/errors.h"
#include "platform/keys.h"
#include "platform/messages.h"

namespace fake {

namespace {
platform::Control* focused = nullptr;
} // namespace

platform::Control* FocusedControl() {
    return focused;
}
void SetFocusedControl(platform::Control* control) {
    focused = control;
}

namespace {
std::string_view UpToNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

platform::ControlDef WithHeight(platform::ControlDef def, int height) {
    if (def.height == 0) def.height = height;
    return def;
}
} // namespace

// ---- text box ----

FakeTextBox::FakeTextBox(const platform::ControlDef& def, bool multiLine)
    : FakeControl(def), multiLine_(multiLine),
      // A box declared without a font shows the system's dialog font.
      font_(def.font.value_or(platform::FontDef{"MS Shell Dlg", 8, 400, false, 1})),
      text_(UpToNul(def.caption)) {}

void FakeTextBox::SetFont(const platform::FontDef& font) {
    if (fontFailures > 0) {
        --fontFailures;
        throw platform::RuntimeError(platform::err::InvalidPropertyValue);
    }
    font_ = font;
}

void FakeTextBox::Changed() {
    ++changeCount;
    if (onChange) onChange();
}

size_t FakeTextBox::Room() const {
    return multiLine_ ? static_cast<size_t>(platform::kMultiLineCapacity) : std::string::npos;
}

void FakeTextBox::Replace(int start, int length, std::string_view text, bool undoable) {
    // An insert that does not fit keeps the part that does.
    std::string_view insert = UpToNul(text);
    size_t kept = text_.size() - static_cast<size_t>(length);
    if (Room() != std::string::npos) insert = insert.substr(0, kept < Room() ? Room() - kept : 0);
    if (undoable) {
        undoText_ = text_;
        undoStart_ = start_;
        canUndo_ = true;
    }
    text_.replace(start, length, insert);
    start_ = start + static_cast<int>(insert.size());
    length_ = 0;
    Changed();
}

void FakeTextBox::SetText(std::string_view text) {
    // A program write empties the undo buffer, as the edit control's does.
    canUndo_ = false;
    text_ = UpToNul(text).substr(0, Room());
    start_ = 0;
    length_ = 0;
    Changed();
}

void FakeTextBox::SetSelStart(int start) {
    start_ = std::clamp(start, 0, static_cast<int>(text_.size()));
    length_ = 0;
}

void FakeTextBox::SetSelLength(int length) {
    length_ = std::clamp(length, 0, static_cast<int>(text_.size()) - start_);
}

void FakeTextBox::SetSelText(std::string_view text) {
    Replace(start_, length_, text, true);
}

void FakeTextBox::Type(std::string_view text) {
    for (char c : text) {
        if (c == '\b') {
            if (length_ == 0 && start_ > 0)
                Replace(start_ - 1, 1, "", true);
            else if (length_ > 0)
                Replace(start_, length_, "", true);
        } else if (c == '\n' && multiLine_) {
            Replace(start_, length_, "\r\n", true);
        } else {
            Replace(start_, length_, std::string(1, c), true);
        }
        KeyUp(static_cast<unsigned char>(c));
    }
}

void FakeTextBox::UserPaste(std::string_view clipboardText) {
    if (onPaste)
        onPaste();
    else
        Replace(start_, length_, clipboardText, true);
}

void FakeTextBox::KeyUp(int key, int shift) {
    if (onKeyUp) onKeyUp(key, shift);
}

int FakeTextBox::LineOf(int offset) const {
    offset = std::clamp(offset, 0, static_cast<int>(text_.size()));
    int line = 0;
    // A line break belongs to the line it ends: an offset between CR and LF is still on it.
    for (size_t p = text_.find("\r\n"); p != std::string::npos && static_cast<int>(p) + 1 < offset;
         p = text_.find("\r\n", p + 2))
        ++line;
    return line;
}

int FakeTextBox::LineStart(int line) const {
    size_t start = 0;
    for (int i = 0; i < line; ++i)
        start = text_.find("\r\n", start) + 2;
    return static_cast<int>(start);
}

int FakeTextBox::LineLength(int line) const {
    size_t start = LineStart(line);
    size_t end = text_.find("\r\n", start);
    if (end == std::string::npos) end = text_.size();
    return static_cast<int>(end - start);
}

std::intptr_t FakeTextBox::SendMessage(unsigned message, std::uintptr_t wParam, std::intptr_t) {
    const bool current = static_cast<std::intptr_t>(wParam) == -1;
    switch (message) {
    case platform::msg::EM_LINEFROMCHAR:
        return LineOf(current ? start_ : static_cast<int>(wParam));
    case platform::msg::EM_GETLINECOUNT:
        return LineOf(static_cast<int>(text_.size())) + 1;
    case platform::msg::EM_LINELENGTH:
        return LineLength(LineOf(current ? start_ : static_cast<int>(wParam)));
    case platform::msg::WM_UNDO: {
        if (!canUndo_) return 0;
        // One step: undoing again brings the undone edit back.
        std::string text = undoText_;
        int start = undoStart_;
        undoText_ = text_;
        undoStart_ = start_;
        text_ = text;
        start_ = std::min(start, static_cast<int>(text_.size()));
        length_ = 0;
        Changed();
        return 1;
    }
    case platform::msg::WM_KEYDOWN:
        if (wParam == platform::key::Delete) {
            if (length_ > 0)
                Replace(start_, length_, "", true);
            else if (text_.compare(start_, 2, "\r\n") == 0)
                Replace(start_, 2, "", true);
            else if (start_ < static_cast<int>(text_.size()))
                Replace(start_, 1, "", true);
        }
        return 0;
    default:
        return 0;
    }
}

// ---- list box ----

FakeListBox::Entry& FakeListBox::At(int index) {
    if (index < 0 || index >= Count()) throw std::out_of_range("list index");
    return items_[index];
}

int FakeListBox::AddItem(std::string_view text) {
    items_.push_back({std::string(text)});
    return Count() - 1;
}

void FakeListBox::RemoveItem(int index) {
    At(index);
    items_.erase(items_.begin() + index);
    if (index_ >= Count()) index_ = Count() - 1;
}

std::string FakeListBox::Item(int index) const {
    return index >= 0 && index < Count() ? items_[index].text : std::string();
}
void FakeListBox::SetItem(int index, std::string_view text) {
    At(index).text = text;
}
std::intptr_t FakeListBox::ItemData(int index) const {
    return const_cast<FakeListBox*>(this)->At(index).data;
}
void FakeListBox::SetItemData(int index, std::intptr_t data) {
    At(index).data = data;
}
bool FakeListBox::Checked(int index) const {
    return const_cast<FakeListBox*>(this)->At(index).checked;
}
void FakeListBox::SetChecked(int index, bool checked) {
    At(index).checked = checked;
}
void FakeListBox::SetListIndex(int index) {
    index_ = std::clamp(index, -1, Count() - 1);
}

void FakeListBox::UserToggle(int index) {
    At(index).checked = !At(index).checked;
    index_ = index;
    if (onItemCheck) onItemCheck(index);
}

void FakeListBox::DoubleClick(int index) {
    SetListIndex(index);
    if (onDblClick) onDblClick();
}

// ---- drop-down list ----

void FakeComboList::SetListIndex(int index) {
    index_ = std::clamp(index, -1, Count() - 1);
    Click();
}

// ---- status bar ----

FakeStatusBar::FakeStatusBar(const platform::ControlDef& def)
    : FakeControl(WithHeight(def, 330)), panels_(def.panels) {}

platform::PanelDef& FakeStatusBar::At(int panel) {
    if (panel < 1 || panel > PanelCount()) throw std::out_of_range("panel");
    return panels_[panel - 1];
}
const platform::PanelDef& FakeStatusBar::At(int panel) const {
    return const_cast<FakeStatusBar*>(this)->At(panel);
}

std::string FakeStatusBar::PanelText(int panel) const {
    switch (At(panel).style) {
    case platform::PanelStyle::Date:
        return "08.12.2026";
    case platform::PanelStyle::Time:
        return "5:08";
    case platform::PanelStyle::Insert:
        return "INS";
    case platform::PanelStyle::Caps:
        return "CAPS";
    case platform::PanelStyle::Num:
        return "NUM";
    case platform::PanelStyle::Scroll:
        return "SCRL";
    default:
        return At(panel).text;
    }
}

void FakeStatusBar::SetPanelText(int panel, std::string_view text) {
    At(panel).text = text;
}
std::string FakeStatusBar::PanelTooltip(int panel) const {
    return At(panel).tooltip;
}
void FakeStatusBar::SetPanelTooltip(int panel, std::string_view text) {
    At(panel).tooltip = text;
}

bool FakeStatusBar::PanelEnabled(int panel) const {
    switch (At(panel).style) {
    case platform::PanelStyle::Insert:
        return insert;
    case platform::PanelStyle::Caps:
        return caps;
    case platform::PanelStyle::Num:
        return num;
    case platform::PanelStyle::Scroll:
        return scroll;
    default:
        return true;
    }
}

} // namespace fake
