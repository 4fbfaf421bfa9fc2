// The one common dialog the program shares for Open, Save, the fonts and the printer. Its
// values stay between uses, as a dialog object's properties would.
#pragma once
#include <string>

namespace platform {

// The flags the program gives the font and printer dialogs, with the system's values.
namespace cdl {
inline constexpr int ScreenFonts = 0x1;            // CF_SCREENFONTS
inline constexpr int PrinterFonts = 0x2;           // CF_PRINTERFONTS
inline constexpr int NoPageNumbers = 0x8;          // PD_NOPAGENUMS
inline constexpr int DisablePrintToFile = 0x80000; // PD_DISABLEPRINTTOFILE
} // namespace cdl

class CommonDialog {
  public:
    virtual ~CommonDialog() = default;

    // Shows the dialog; on OK fileName holds the chosen full path and fileTitle the name
    // without its folder. Cancel throws RuntimeError 32755.
    virtual void ShowOpen() = 0;
    virtual void ShowSave() = 0;
    // The font dialog: it opens with the font fields as they stand and sets them on OK. The
    // flags choose the fonts listed (1 the screen's, 2 the current printer's). Cancel throws
    // RuntimeError 32755.
    virtual void ShowFont() = 0;
    // The printer dialog: it opens with the printer last chosen (the system's default before)
    // and the page range All; on OK it sets the printer fields and printSelection. Cancel
    // throws RuntimeError 32755 and leaves the printer fields as they were.
    virtual void ShowPrinter() = 0;

    std::string fileName;    // proposed before, chosen after
    std::string fileTitle;   // chosen name without its folder
    std::string filter;      // "Text files (*.txt)|*.txt|All files (*.*)|*.*"
    int filterIndex = 1;     // 1-based entry of the filter on show
    std::string dialogTitle; // the dialog window's caption
    int flags = 0;           // the system's OFN_, CF_ or PD_ options

    // Font dialog: what it shows, and what was chosen.
    std::string fontName = "Fixedsys";
    float fontSize = 9; // points
    bool fontBold = false;
    bool fontItalic = false;

    // Printer dialog: the printer chosen (empty: the system's default), its settings as the
    // system keeps them (bytes), and whether the Selection option was chosen.
    std::string printerName;
    std::string printerSettings;
    bool printSelection = false;
};

} // namespace platform
