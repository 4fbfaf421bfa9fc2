// The tool windows (calculator, find dialog, result list, clipboard viewer, tray window) and the
// one holder that keeps them.
//
// The pattern every tool window follows:
// - its file holds the control table (see core/form_table.h) and a class deriving from
//   ToolWindow that owns its form, with a public `static constexpr const char* kFormName`
//   ("frmCalc", "frmFind", ...) and a constructor taking the Program;
// - it is made the first time anything asks for it, hidden, through
//   `program.tools.Get<TheWindow>()`, and kept for the whole run: its hide button, Esc and its
//   close box hide it, they never destroy it, so its texts and options last until the program
//   ends;
// - commands of several menus reach the same instance through the same call;
// - code that must reach a tool window of another subsystem without knowing its class (the
//   always-on-top switch takes every tool window, making the missing ones hidden) asks for it
//   by form name, `program.tools.Get("frmFind")`; the application registers each class once at
//   start-up with `tools.Register<TheWindow>()`.
#pragma once
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/form.h"

namespace core {

class Program;

class ToolWindow {
  public:
    virtual ~ToolWindow() = default;
    virtual platform::Form& form() = 0;
};

class ToolWindows {
  public:
    explicit ToolWindows(Program& program) : program_(program) {}
    ~ToolWindows() { Clear(); }
    ToolWindows(const ToolWindows&) = delete;
    ToolWindows& operator=(const ToolWindows&) = delete;

    // The one window of its class, made hidden on first use.
    template <class W> W& Get() {
        if (ToolWindow* made = Find(W::kFormName)) return static_cast<W&>(*made);
        auto window = std::make_unique<W>(program_);
        W& result = *window;
        Keep(W::kFormName, std::move(window));
        return result;
    }

    // Lets Get(name) make a window of this class.
    template <class W> void Register() {
        makers_[W::kFormName] = [this]() -> ToolWindow& { return Get<W>(); };
    }
    // The window of a registered form name, made hidden on first use; throws std::out_of_range
    // for a name that nobody registered.
    ToolWindow& Get(std::string_view formName);
    // Whether Get(name) can make a window of that form name.
    bool Registered(std::string_view formName) const { return makers_.contains(formName); }
    // The window when it has been made, else null.
    ToolWindow* Find(std::string_view formName) const;
    // The windows made so far, in the order they were made.
    std::vector<ToolWindow*> Made() const;
    // Destroys every window, the last made first; used when the program ends.
    void Clear();

  private:
    void Keep(std::string_view formName, std::unique_ptr<ToolWindow> window);

    Program& program_;
    std::vector<std::pair<std::string, std::unique_ptr<ToolWindow>>> made_;
    std::map<std::string, std::function<ToolWindow&()>, std::less<>> makers_;
};

} // namespace core
