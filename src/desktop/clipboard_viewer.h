// The clipboard viewer frmClipView: the clipboard's text and bitmap, kept current through the
// system's chain of clipboard viewers, also while the window is hidden.
#pragma once
#include <memory>

#include "core/program.h"
#include "core/tool_windows.h"
#include "platform/platform.h"

namespace desktop {

platform::FormDef ClipViewFormDef();

class ClipViewWindow : public core::ToolWindow {
  public:
    static constexpr const char* kFormName = "frmClipView";

    // Creates the window hidden and runs its Load: it joins the viewer chain.
    explicit ClipViewWindow(core::Program& program);
    ~ClipViewWindow() override;
    ClipViewWindow(const ClipViewWindow&) = delete;
    ClipViewWindow& operator=(const ClipViewWindow&) = delete;

    platform::Form& form() override { return *form_; }
    platform::TextBox& Text1();
    platform::PictureBox& Picture1();
    // The chain link while the window is in the chain; null after Unload.
    platform::ClipboardViewerLink* Link() { return link_.get(); }

    // Events
    void Form_Load();
    void Form_KeyPress(int& ascii);
    void Form_Unload();
    void cmdHide_Click();
    // The clipboard changed: new text and a new bitmap replace the old; nothing else does.
    void ClipboardChanged();

  private:
    core::Program& program_;
    std::unique_ptr<platform::Form> form_;
    std::unique_ptr<platform::ClipboardViewerLink> link_;
};

// The menus' "Clipboard viewer" command: shows the viewer, made on first use, and leaves the
// focus where it is (the user goes on typing in the document).
void OpenClipboardViewer(core::Program& program);

} // namespace desktop
