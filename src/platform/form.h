// Windows ("forms") declared as data: a caption, a size and named controls. The platform turns
// a definition into a window and reports its events through the std::function members.
#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/controls.h"

namespace platform {

class Menu;

struct PanelDef {
    PanelStyle style = PanelStyle::Text;
    std::string text;
    std::string tooltip;
    int minWidth = 0; // twips
    PanelSize size = PanelSize::Contents;
    PanelAlign align = PanelAlign::Center;
    PanelBevel bevel = PanelBevel::Inset;
};

enum class ControlKind {
    Label,
    TextBox,      // one line
    MultiLineBox, // the document's edit control, with scroll bars
    Button,
    CheckBox,
    ListBox,
    ComboList,
    StatusBar,
    Image, // shows an icon
    PictureBox,
};

struct ControlDef {
    ControlKind kind = ControlKind::Label;
    std::string name;
    std::string caption;
    int left = 0, top = 0, width = 0, height = 0; // twips
    // The place in the tab order; -1: none. Labels and images keep their place but never
    // take the focus.
    int tabIndex = -1;
    bool visible = true;
    std::string tooltip;
    bool isDefault = false;  // button pressed by Enter
    bool isCancel = false;   // button pressed by Esc
    bool checkBoxes = false; // list box with a check box per item
    std::optional<FontDef> font;
    std::vector<std::string> items;
    std::vector<PanelDef> panels;
};

enum class FormKind { MdiFrame, MdiChild, Tool };

struct FormDef {
    FormKind kind = FormKind::Tool;
    std::string name;
    std::string caption;
    int width = 0, height = 0; // client area in twips; 0 leaves it to the system
    bool keyPreview = false;   // the window sees key presses before its controls
    std::vector<ControlDef> controls;
};

enum class WindowState { Normal, Minimized, Maximized };

// Why a window is asked whether it may close.
enum class UnloadMode { ControlMenu, Code, WindowsShutdown, FrameClosing };

class Form {
  public:
    virtual ~Form() = default;

    virtual std::string Caption() const = 0;
    virtual void SetCaption(std::string_view caption) = 0;
    virtual std::string Tag() const = 0;
    virtual void SetTag(std::string_view tag) = 0;
    virtual WindowState State() const = 0;
    virtual void SetState(WindowState state) = 0;
    virtual bool Visible() const = 0;
    virtual void Show() = 0;
    // Shows the window (in front of the others) and leaves the focus where it is.
    virtual void ShowWithoutFocus() = 0;
    virtual void Hide() = 0;
    // Makes the window the active one (a document window: the frame's active document).
    virtual void SetFocus() = 0;
    virtual int Left() const = 0;
    virtual int Top() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void Move(int left, int top, int width, int height) = 0;
    virtual int ScaleWidth() const = 0; // inner size, twips
    virtual int ScaleHeight() const = 0;
    // The icon of the window's title bar and task bar button.
    virtual IconHandle Icon() const = 0;
    virtual void SetIcon(IconHandle icon) = 0;
    // The menu bar this window shows; a document window's bar is shown by the frame while the
    // document is active. The form does not own the menu.
    virtual void SetMenu(Menu* menu) = 0;

    // Asks the window whether it may close (onQueryUnload) and closes it unless cancelled.
    // Returns whether it closed.
    virtual bool Close(UnloadMode mode = UnloadMode::Code) = 0;
    // Closes without asking: runs onUnload and destroys the window.
    virtual void Unload() = 0;
    virtual bool Loaded() const = 0;

    virtual Control& GetControl(std::string_view name) = 0;
    template <class T> T& Get(std::string_view name) { return dynamic_cast<T&>(GetControl(name)); }

    std::function<void()> onActivate;
    std::function<void()> onDeactivate;
    std::function<void()> onResize;
    std::function<void(UnloadMode mode, bool& cancel)> onQueryUnload;
    std::function<void()> onUnload;
    std::function<void(int key, int shift)> onKeyDown; // with key preview
    // With key preview; 0 swallows the key. In a tool window, Esc arrives here as 27 when the
    // window has no cancel button.
    std::function<void(int& ascii)> onKeyPress;
};

// The system's own arrangements of the document windows, with the frame's arrange codes.
enum class Arrangement { Cascade = 0, TileHorizontal = 1, TileVertical = 2 };

// The frame that holds the document windows.
class MdiFrame : public Form {
  public:
    // Creates and shows a document window inside the frame; it becomes the active one.
    virtual std::unique_ptr<Form> CreateChild(const FormDef& def) = 0;
    virtual Form* ActiveChild() const = 0;
    // The menu bar on show: the active document's, or the frame's own when there is none.
    virtual Menu* ShownMenu() const = 0;
    // Many document windows close one after another (Close all, Exit): until the matching
    // EndUpdate, the frame paints none of the states in between and puts the right menu bar
    // on show once at the end. A dialog that comes up meanwhile sees the frame brought up to
    // date first. Pairs may nest; FrameUpdate keeps them paired.
    virtual void BeginUpdate() = 0;
    virtual void EndUpdate() = 0;

    // Window arrangement.
    // Lays out the document windows that are not minimised (minimised ones stay icons) and
    // paints the document area once.
    virtual void Arrange(Arrangement arrangement) = 0;
    // Activates the document window after the active one, as the system's "next window"
    // does; the one that was active goes to the back of the order.
    virtual void ActivateNextChild() = 0;
    // While held, document windows that move or change state paint nothing; letting go
    // repaints the document area once.
    virtual void HoldRedraw(bool hold) = 0;

    // Runs the task once the events waiting now have run, the frame's first paint among them,
    // and the program waits for input: for start-up work that nothing on the screen waits
    // for. Tasks still waiting when the frame goes are dropped.
    virtual void RunWhenIdle(std::function<void()> task) = 0;

    // Files or text dropped on the frame's client area outside the document windows.
    std::function<void(const DropData& data)> onDrop;
};

// BeginUpdate for as long as it lives.
class FrameUpdate {
  public:
    explicit FrameUpdate(MdiFrame& frame) : frame_(frame) { frame_.BeginUpdate(); }
    ~FrameUpdate() { frame_.EndUpdate(); }
    FrameUpdate(const FrameUpdate&) = delete;
    FrameUpdate& operator=(const FrameUpdate&) = delete;

  private:
    MdiFrame& frame_;
};

} // namespace platform
