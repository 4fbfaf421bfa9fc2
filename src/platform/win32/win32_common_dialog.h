// The Open and Save dialogs of comdlg32 behind the program's common dialog.
#pragma once
#include "platform/win32/win32_windows.h"

#include <string>
#include <string_view>

#include "platform/common_dialog.h"

namespace platform::win32 {

// A filter in the program's form, "Text files (*.txt)|*.txt|All files (*.*)|*.*", as the
// system wants it: NUL between the parts and two at the end.
std::string SystemFilter(std::string_view filter);

class Win32CommonDialog : public CommonDialog {
  public:
    void ShowOpen() override { Show(false); }
    void ShowSave() override { Show(true); }
    // The font and printer dialogs (win32_print_dialogs.cpp).
    void ShowFont() override;
    void ShowPrinter() override;

  private:
    void Show(bool save);
};

} // namespace platform::win32
