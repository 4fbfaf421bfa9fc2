// The one common dialog the program shares for Open and Save. Its values stay between uses,
// as a dialog object's properties would.
#pragma once
#include <string>

namespace platform {

class CommonDialog {
  public:
    virtual ~CommonDialog() = default;

    // Shows the dialog; on OK fileName holds the chosen full path and fileTitle the name
    // without its folder. Cancel throws RuntimeError 32755.
    virtual void ShowOpen() = 0;
    virtual void ShowSave() = 0;

    std::string fileName;    // proposed before, chosen after
    std::string fileTitle;   // chosen name without its folder
    std::string filter;      // "Text files (*.txt)|*.txt|All files (*.*)|*.*"
    int filterIndex = 1;     // 1-based entry of the filter on show
    std::string dialogTitle; // the dialog window's caption
    int flags = 0;           // the system's OFN_ options
};

} // namespace platform
