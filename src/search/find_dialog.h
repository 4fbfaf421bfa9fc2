// The find and replace dialog frmFind: the find and replace texts, the two options, and the
// commands Find and Replace, which fill the result window's list.
#pragma once
#include <memory>
#include <string>

#include "core/program.h"
#include "core/tool_windows.h"
#include "platform/platform.h"
#include "search/find_text.h"

namespace search {

platform::FormDef FindFormDef();

class SearchResultWindow;

class FindDialog : public core::ToolWindow {
  public:
    static constexpr const char* kFormName = "frmFind";

    explicit FindDialog(core::Program& program);
    ~FindDialog() override;
    FindDialog(const FindDialog&) = delete;
    FindDialog& operator=(const FindDialog&) = delete;

    platform::Form& form() override { return *form_; }
    platform::TextBox& txtFind();
    platform::TextBox& txtReplace();
    platform::CheckBox& chkWhole();
    platform::CheckBox& chkCase();

    // Ctrl+F and Ctrl+R: takes over the selection, places the dialog over the active document
    // and the result window below it, shows the dialog.
    void Open(bool forReplace);
    // Lists every occurrence of the find text in the active document.
    void Find();
    // Replaces the checked matches of the list.
    void Replace();

    // Events
    void cmdCancel_Click();
    void Label3_Click();
    void Label2_Click();

  private:
    SearchResultWindow& Results();
    const CaseFold& Fold();

    core::Program& program_;
    std::unique_ptr<platform::Form> form_;
    bool cursorMarkerPlaced_ = false;
    int findRuns_ = 0; // Finds started, to tell that another one started during this one
    std::unique_ptr<CaseFold> fold_; // the locale's table, asked once
};

} // namespace search
