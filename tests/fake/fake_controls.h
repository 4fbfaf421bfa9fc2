// In-memory controls that behave as the Windows controls do, for tests on the host.
#pragma once
#include <string>
#include <vector>

#include "platform/form.h"

namespace fake {

// The control that has the keyboard focus, as the system keeps one for the whole program;
// null when none of the fake's controls has it.
platform::Control* FocusedControl();
void SetFocusedControl(platform::Control* control);

// The parts every control shares: geometry, visibility, tag, focus.
template <class Base> class FakeControl : public Base {
  public:
    explicit FakeControl(const platform::ControlDef& def)
        : left_(def.left), top_(def.top), width_(def.width), height_(def.height),
          visible_(def.visible) {}
    ~FakeControl() override {
        if (FocusedControl() == this) SetFocusedControl(nullptr);
    }
    void SetFocus() override {
        ++focusCount;
        SetFocusedControl(this);
    }
    bool Visible() const override { return visible_; }
    void SetVisible(bool v) override { visible_ = v; }
    int Left() const override { return left_; }
    int Top() const override { return top_; }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Move(int l, int t, int w, int h) override { left_ = l, top_ = t, width_ = w, height_ = h; }
    std::string Tag() const override { return tag_; }
    void SetTag(std::string_view tag) override { tag_ = tag; }
    // Test side: a completed mouse click.
    void Click() {
        if (this->onClick) this->onClick();
    }
    int focusCount = 0;

  private:
    int left_, top_, width_, height_;
    bool visible_;
    std::string tag_;
};

class FakeLabel : public FakeControl<platform::Label> {
  public:
    explicit FakeLabel(const platform::ControlDef& def) : FakeControl(def), caption_(def.caption) {}
    std::string Caption() const override { return caption_; }
    void SetCaption(std::string_view c) override { caption_ = c; }

  private:
    std::string caption_;
};

class FakeButton : public FakeControl<platform::Button> {
  public:
    explicit FakeButton(const platform::ControlDef& def)
        : FakeControl(def), caption_(def.caption) {}
    std::string Caption() const override { return caption_; }
    void Press() override { Click(); }

  private:
    std::string caption_;
};

class FakeCheckBox : public FakeControl<platform::CheckBox> {
  public:
    using FakeControl::FakeControl;
    bool Value() const override { return value_; }
    void SetValue(bool v) override {
        if (v == value_) return;
        value_ = v;
        Click();
    }

  private:
    bool value_ = false;
};

// A text box with the edit control's rules: lines end in CR LF, a NUL ends a written text,
// a multi-line box holds kMultiLineCapacity characters, one undo step, one change event per
// change.
class FakeTextBox : public FakeControl<platform::TextBox> {
  public:
    FakeTextBox(const platform::ControlDef& def, bool multiLine);
    std::string Text() const override { return text_; }
    void SetText(std::string_view text) override;
    int SelStart() const override { return start_; }
    void SetSelStart(int start) override;
    int SelLength() const override { return length_; }
    void SetSelLength(int length) override;
    std::string SelText() const override { return text_.substr(start_, length_); }
    void SetSelText(std::string_view text) override;
    std::intptr_t SendMessage(unsigned message, std::uintptr_t wParam,
                              std::intptr_t lParam) override;
    platform::FontDef Font() const override { return font_; }
    void SetFont(const platform::FontDef& font) override;

    // Test side: the next `fontFailures` SetFont calls fail with error 380, as a font the
    // system cannot make would.
    int fontFailures = 0;

    // Test side: what a user does.
    void Type(std::string_view text);   // typing, one key at a time
    void KeyUp(int key, int shift = 0); // a key released
    // The box's own paste of what the clipboard holds (Shift+Ins, its context menu).
    void UserPaste(std::string_view clipboardText);
    int changeCount = 0;

  private:
    void Replace(int start, int length, std::string_view text, bool undoable);
    void Changed();
    size_t Room() const; // the most characters the box holds
    int LineStart(int line) const;
    int LineOf(int offset) const;
    int LineLength(int line) const;

    bool multiLine_;
    platform::FontDef font_;
    std::string text_;
    int start_ = 0, length_ = 0;
    std::string undoText_;
    int undoStart_ = 0;
    bool canUndo_ = false;
};

class FakeListBox : public FakeControl<platform::ListBox> {
  public:
    using FakeControl::FakeControl;
    void Clear() override { items_.clear(), index_ = -1; }
    int AddItem(std::string_view text) override;
    void RemoveItem(int index) override;
    int Count() const override { return static_cast<int>(items_.size()); }
    std::string Item(int index) const override;
    void SetItem(int index, std::string_view text) override;
    std::intptr_t ItemData(int index) const override;
    void SetItemData(int index, std::intptr_t data) override;
    bool Checked(int index) const override;
    void SetChecked(int index, bool checked) override;
    int ListIndex() const override { return index_; }
    void SetListIndex(int index) override;

    // Test side: the user clicks an item's check box, or double-clicks an item.
    void UserToggle(int index);
    void DoubleClick(int index);

  private:
    struct Entry {
        std::string text;
        std::intptr_t data = 0;
        bool checked = false;
    };
    Entry& At(int index);
    std::vector<Entry> items_;
    int index_ = -1;
};

class FakeComboList : public FakeControl<platform::ComboList> {
  public:
    explicit FakeComboList(const platform::ControlDef& def) : FakeControl(def), items_(def.items) {}
    void AddItem(std::string_view text) override { items_.emplace_back(text); }
    int Count() const override { return static_cast<int>(items_.size()); }
    int ListIndex() const override { return index_; }
    void SetListIndex(int index) override;

  private:
    std::vector<std::string> items_;
    int index_ = -1;
};

class FakeImage : public FakeControl<platform::Image> {
  public:
    using FakeControl::FakeControl;
    platform::IconHandle Picture() const override { return picture_; }
    void SetPicture(platform::IconHandle icon) override { picture_ = icon; }

  private:
    platform::IconHandle picture_ = 0;
};

class FakeStatusBar : public FakeControl<platform::StatusBar> {
  public:
    explicit FakeStatusBar(const platform::ControlDef& def);
    int PanelCount() const override { return static_cast<int>(panels_.size()); }
    std::string PanelText(int panel) const override;
    void SetPanelText(int panel, std::string_view text) override;
    std::string PanelTooltip(int panel) const override;
    void SetPanelTooltip(int panel, std::string_view text) override;
    bool PanelEnabled(int panel) const override;

    // Test side: the state of the lock keys the key panels show.
    bool insert = true, caps = false, num = true, scroll = false;

  private:
    platform::PanelDef& At(int panel);
    const platform::PanelDef& At(int panel) const;
    std::vector<platform::PanelDef> panels_;
};

} // namespace fake
