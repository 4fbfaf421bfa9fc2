// The result window frmSearchResult: the list of matches with check marks, opening a listed
// line, the find summary line as the switch of all match lines, and the window's keys.
#pragma once
#include <memory>

#include "core/program.h"
#include "core/tool_windows.h"
#include "platform/platform.h"

namespace search {

platform::FormDef SearchResultFormDef();

class SearchResultWindow : public core::ToolWindow {
  public:
    static constexpr const char* kFormName = "frmSearchResult";

    explicit SearchResultWindow(core::Program& program);
    ~SearchResultWindow() override;
    SearchResultWindow(const SearchResultWindow&) = delete;
    SearchResultWindow& operator=(const SearchResultWindow&) = delete;

    platform::Form& form() override { return *form_; }
    platform::ListBox& List1();

    // Shows the window where it was last placed; its lines stay as they are.
    void ShowList();

    // Events
    void OpenLine(); // double-click or Enter in the list
    void List1_ItemCheck(int index);
    void Form_KeyDown(int key, int shift);

  private:
    core::Program& program_;
    std::unique_ptr<platform::Form> form_;
};

} // namespace search
