// The control wrappers, one per kind; each is implemented in its own file.
#pragma once
#include "platform/win32/win32_windows.h"

#include <memory>
#include <string>
#include <vector>

#include "platform/win32/win32_control.h"
#include "platform/win32/win32_drop_target.h"

namespace platform::win32 {

class Win32Tooltips;

// Makes the wrapper for a definition (its window is created by Create).
std::unique_ptr<Win32ControlCore> MakeControl(Win32FormCore& form, const ControlDef& def, int id);

class Win32Label : public Win32Control<Label> {
  public:
    using Win32Control::Win32Control;
    void Create(HWND parent, const ControlDef& def, HFONT font) override;
    void OnCommand(int code) override;
    std::string Caption() const override;
    void SetCaption(std::string_view caption) override;
};

class Win32Button : public Win32Control<Button> {
  public:
    using Win32Control::Win32Control;
    void Create(HWND parent, const ControlDef& def, HFONT font) override;
    void OnCommand(int code) override;
    std::string Caption() const override;
    void Press() override;
    bool IsDefault() const { return isDefault_; }
    bool IsCancel() const { return isCancel_; }

  private:
    bool isDefault_ = false;
    bool isCancel_ = false;
};

class Win32CheckBox : public Win32Control<CheckBox> {
  public:
    using Win32Control::Win32Control;
    void Create(HWND parent, const ControlDef& def, HFONT font) override;
    void OnCommand(int code) override;
    bool Value() const override;
    void SetValue(bool checked) override;
};

class Win32TextBox : public Win32Control<TextBox> {
  public:
    using Win32Control::Win32Control;
    ~Win32TextBox() override;
    void Create(HWND parent, const ControlDef& def, HFONT font) override;
    void OnCommand(int code) override;
    bool OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    std::string Text() const override;
    void SetText(std::string_view text) override;
    int SelStart() const override;
    void SetSelStart(int start) override;
    int SelLength() const override;
    void SetSelLength(int length) override;
    std::string SelText() const override;
    void SetSelText(std::string_view text) override;
    std::intptr_t SendMessage(unsigned message, std::uintptr_t wParam,
                              std::intptr_t lParam) override;
    FontDef Font() const override { return font_; }
    void SetFont(const FontDef& font) override;
    void ApplyDpi(int dpi, HFONT font) override;

  private:
    // A change made by the program: EN_CHANGE is held back and onChange runs once after.
    template <class Write> void ProgramWrite(Write write);
    void Selection(DWORD& start, DWORD& end) const;

    bool writing_ = false;
    size_t capacity_ = std::string::npos; // characters the box holds
    // The font as the program set it; a box declared without one shows the dialog font.
    FontDef font_{"MS Shell Dlg", 8, 400, false, 1};
    HFONT ownFont_ = nullptr; // made by SetFont; the form owns the font of the definition

  public:
    // A multi-line box takes drops; null for others or when the system refused.
    DropRegistration* DropTarget() const { return drop_.get(); }

  private:
    std::unique_ptr<DropRegistration> drop_;
};

class Win32ListBox : public Win32Control<ListBox> {
  public:
    using Win32Control::Win32Control;
    void Create(HWND parent, const ControlDef& def, HFONT font) override;
    void OnCommand(int code) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
    bool OnMeasureItem(MEASUREITEMSTRUCT& item) override;
    bool OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Clear() override;
    int AddItem(std::string_view text) override;
    void RemoveItem(int index) override;
    int Count() const override;
    std::string Item(int index) const override;
    void SetItem(int index, std::string_view text) override;
    std::intptr_t ItemData(int index) const override;
    void SetItemData(int index, std::intptr_t data) override;
    bool Checked(int index) const override;
    void SetChecked(int index, bool checked) override;
    int ListIndex() const override;
    void SetListIndex(int index) override;
    void ApplyDpi(int dpi, HFONT font) override;

  private:
    struct Entry {
        std::intptr_t data = 0;
        bool checked = false;
    };
    bool InRange(int index) const {
        return index >= 0 && index < static_cast<int>(entries_.size());
    }
    int BoxWidth() const;
    // Items as tall as the font's characters, and no smaller than a check box.
    void MeasureItems(HFONT font, int dpi);
    void Toggle(int index);
    void RedrawItem(int index);
    // Many changes in a row draw once, when the program is idle again.
    void HoldRedraw();

    std::vector<Entry> entries_;
    bool checkBoxes_ = false;
    bool redrawHeld_ = false;
    int itemHeight_ = 16;
    size_t reserved_ = 0;
};

class Win32ComboList : public Win32Control<ComboList> {
  public:
    using Win32Control::Win32Control;
    void Create(HWND parent, const ControlDef& def, HFONT font) override;
    void OnCommand(int code) override;
    void AddItem(std::string_view text) override;
    int Count() const override;
    int ListIndex() const override;
    void SetListIndex(int index) override;

  protected:
    int PixelHeight(int twips, int dpi) const override;
};

class Win32PictureBox : public Win32Control<PictureBox> {
  public:
    using Win32Control::Win32Control;
    ~Win32PictureBox() override;
    void Create(HWND parent, const ControlDef& def, HFONT font) override;
    bool OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    BitmapHandle Picture() const override { return picture_; }
    void SetPicture(BitmapHandle bitmap) override;
    IconHandle DragIcon() const override { return dragIcon_; }
    void SetDragIcon(IconHandle icon) override { dragIcon_ = icon; }

  private:
    void Paint();
    BitmapHandle picture_ = 0;
    IconHandle dragIcon_ = 0;
    bool sentToBottom_ = false;
};

class Win32Image : public Win32Control<Image> {
  public:
    using Win32Control::Win32Control;
    void Create(HWND parent, const ControlDef& def, HFONT font) override;
    void OnCommand(int code) override;
    IconHandle Picture() const override;
    void SetPicture(IconHandle icon) override;
};

class Win32StatusBar : public Win32Control<StatusBar> {
  public:
    Win32StatusBar(Win32FormCore& form, int id);
    ~Win32StatusBar() override;
    void Create(HWND parent, const ControlDef& def, HFONT font) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
    bool OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnParentSize() override;
    bool DocksAtBottom() const override { return true; }
    void OnDestroyed() override;
    void ApplyDpi(int dpi, HFONT font) override;
    int PanelCount() const override { return static_cast<int>(panels_.size()); }
    std::string PanelText(int panel) const override;
    void SetPanelText(int panel, std::string_view text) override;
    std::string PanelTooltip(int panel) const override;
    void SetPanelTooltip(int panel, std::string_view text) override;
    bool PanelEnabled(int panel) const override;

  private:
    struct Panel {
        PanelDef def;
        std::string text; // as displayed, without the alignment tab
        bool enabled = true;
        bool ownerDrawn = false;
        // The width of `measured` in the bar's font: a caret move rewrites three panels, and
        // measuring every panel each time costs more than the rest of the move.
        std::string measured;
        int measuredWidth = -1;
    };
    bool Valid(int panel) const { return panel >= 1 && panel <= PanelCount(); }
    // Brings date, time and key panels up to date; true when any of them changed.
    bool Refresh() const;
    void ShowPanel(int index) const;
    void LayoutPanels() const;
    void UpdateTipAreas() const;
    class TextMeasure;

    mutable std::vector<Panel> panels_;
    mutable std::vector<int> edges_; // the parts last given to the bar
    // Some status bars paint themselves at once for each new text or set of parts: a caret
    // move would paint the bar three times. While a change is being given to the bar, its own
    // paint is held back; what changed stays invalid and is painted once with the window.
    mutable bool holdPaint_ = false;
    struct HoldPaint {
        explicit HoldPaint(const Win32StatusBar& held) : bar(held), was(held.holdPaint_) {
            held.holdPaint_ = true;
        }
        ~HoldPaint() { bar.holdPaint_ = was; }
        const Win32StatusBar& bar;
        bool was;
    };
    std::unique_ptr<Win32Tooltips> tips_;
    UINT_PTR timer_ = 0;
};

} // namespace platform::win32
