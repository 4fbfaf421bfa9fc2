// The controls a window can hold, as the program sees them. Sizes and positions are in
// twips; character offsets are 0-based.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/font.h"

namespace platform {

// An icon owned by the windowing system (the program's own icon, for one); 0 is none.
using IconHandle = std::uintptr_t;

// What another program dropped on a window by drag and drop: a list of full paths, plain
// text, or both.
struct DropData {
    bool hasFiles = false;
    std::vector<std::string> files;
    bool hasText = false;
    std::string text;
};

class Control {
  public:
    virtual ~Control() = default;
    virtual void SetFocus() = 0;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual int Left() const = 0;
    virtual int Top() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void Move(int left, int top, int width, int height) = 0;
    virtual std::string Tag() const = 0;
    virtual void SetTag(std::string_view tag) = 0;

    std::function<void()> onClick; // a completed mouse click (or the control's own action)
};

class Label : public Control {
  public:
    virtual std::string Caption() const = 0;
    virtual void SetCaption(std::string_view caption) = 0;
};

class Button : public Control {
  public:
    virtual std::string Caption() const = 0;
    // Presses the button as a click or its key would.
    virtual void Press() = 0;
};

class CheckBox : public Control {
  public:
    virtual bool Value() const = 0;
    // Changing the value by code runs onClick, as a click would.
    virtual void SetValue(bool checked) = 0;
};

// The most characters a multi-line box holds: the program's warnings promise the first 64 kB
// of a larger file, and under Wine the edit control costs about 0.5-0.9 s per MB it is given.
inline constexpr int kMultiLineCapacity = 65535;

// A one- or multi-line text box. Writing a text that holds a NUL keeps what stands before it.
// A multi-line box keeps the first kMultiLineCapacity characters of a longer text, whether
// written, inserted or typed. Every change of the text, typed or written by the program, runs
// onChange once.
class TextBox : public Control {
  public:
    virtual std::string Text() const = 0;
    virtual void SetText(std::string_view text) = 0;
    virtual int SelStart() const = 0;
    // Moves the caret and clears the selection; clamped to the text.
    virtual void SetSelStart(int start) = 0;
    virtual int SelLength() const = 0;
    virtual void SetSelLength(int length) = 0;
    virtual std::string SelText() const = 0;
    // Replaces the selection (or inserts at the caret) and leaves the caret after the insert.
    virtual void SetSelText(std::string_view text) = 0;
    // The edit-control messages of platform/messages.h, with the system's results.
    virtual std::intptr_t SendMessage(unsigned message, std::uintptr_t wParam,
                                      std::intptr_t lParam = 0) = 0;
    // The font the box shows its text in; a new font takes effect at once.
    virtual FontDef Font() const = 0;
    virtual void SetFont(const FontDef& font) = 0;

    std::function<void()> onChange;
    // The user asked the box itself to paste (its Ctrl+V, Shift+Ins or context menu). When
    // set, the program pastes in place of the box, which then changes nothing by itself.
    std::function<void()> onPaste;
    std::function<void(int key, int shift)> onKeyUp;
    // Files or text dropped on a multi-line box.
    std::function<void(const DropData& data)> onDrop;
};

// A list box; with check boxes when its definition asks for them. Items carry a number of
// the program's (item data) and a check mark.
class ListBox : public Control {
  public:
    virtual void Clear() = 0;
    virtual int AddItem(std::string_view text) = 0; // returns the new item's index
    virtual void RemoveItem(int index) = 0;
    virtual int Count() const = 0;
    virtual std::string Item(int index) const = 0; // empty beyond the end
    virtual void SetItem(int index, std::string_view text) = 0;
    virtual std::intptr_t ItemData(int index) const = 0;
    virtual void SetItemData(int index, std::intptr_t data) = 0;
    virtual bool Checked(int index) const = 0;
    virtual void SetChecked(int index, bool checked) = 0;
    virtual int ListIndex() const = 0; // -1: none selected
    virtual void SetListIndex(int index) = 0;

    std::function<void()> onDblClick;
    std::function<void(int index)> onItemCheck; // the user switched an item's check box
};

// A drop-down list to pick one of its items.
class ComboList : public Control {
  public:
    virtual void AddItem(std::string_view text) = 0;
    virtual int Count() const = 0;
    virtual int ListIndex() const = 0;
    virtual void SetListIndex(int index) = 0; // runs onClick, as picking an item does
};

// An image that shows an icon, drawn to the control's size.
class Image : public Control {
  public:
    virtual IconHandle Picture() const = 0;
    virtual void SetPicture(IconHandle icon) = 0;
};

// A bitmap owned by the windowing system; 0 is none.
using BitmapHandle = std::uintptr_t;

// A picture box: shows a bitmap that it owns, keeps a drag icon, and reports the mouse moving
// over it with the position in pixels.
class PictureBox : public Control {
  public:
    virtual BitmapHandle Picture() const = 0;
    // Takes the bitmap over; the one shown before is freed.
    virtual void SetPicture(BitmapHandle bitmap) = 0;
    virtual IconHandle DragIcon() const = 0;
    virtual void SetDragIcon(IconHandle icon) = 0;

    std::function<void(int button, int shift, int x, int y)> onMouseMove;
};

enum class PanelStyle { Text, Date, Time, Insert, Caps, Num, Scroll };
enum class PanelSize { Fixed, Spring, Contents }; // Spring takes the free width
enum class PanelAlign { Left, Center };
enum class PanelBevel { Inset, Raised };

// A status bar docked at the bottom of its window. Panels are numbered from 1. Date, time and
// key-state panels keep themselves current; the program writes only text panels.
class StatusBar : public Control {
  public:
    virtual int PanelCount() const = 0;
    virtual std::string PanelText(int panel) const = 0;
    virtual void SetPanelText(int panel, std::string_view text) = 0;
    virtual std::string PanelTooltip(int panel) const = 0;
    virtual void SetPanelTooltip(int panel, std::string_view text) = 0;
    // For key-state panels: whether the key's mode is on (the text shows normally) or off.
    virtual bool PanelEnabled(int panel) const = 0;
};

} // namespace platform
