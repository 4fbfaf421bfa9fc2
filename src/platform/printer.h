// The printer: print jobs of pages of text lines in the printer font, on the printer chosen
// last (the system's default before). Every failure is RuntimeError 482.
#pragma once
#include <array>
#include <string>
#include <string_view>

#include "platform/font.h"

namespace platform {

// A page as the printer sees it, in its own units (device pixels): the area text goes in (the
// printable area less the margins), the height of a line and the advance of each character
// in the printer font.
struct PageMetrics {
    int width = 0;
    int height = 0;
    int lineHeight = 0;
    std::array<int, 256> charWidths{}; // by the character's byte
};

class Printer {
  public:
    virtual ~Printer() = default;

    // The printer that jobs go to: a name and its settings as the printer dialog returned
    // them; an empty name means the system's default printer.
    virtual void Select(const std::string& name, const std::string& settings) = 0;

    // Starts a job called `title` on the current printer in the printer font and returns the
    // page's metrics. A job in progress is given up first.
    virtual PageMetrics StartJob(std::string_view title) = 0;
    virtual void StartPage() = 0;
    // Writes one line of text with its top left corner at (x, y) of the text area.
    virtual void Text(int x, int y, std::string_view text) = 0;
    virtual void EndPage() = 0;
    // Ends the job, which hands it to the printer.
    virtual void EndJob() = 0;
    // Gives up the job in progress, if any; never fails.
    virtual void AbortJob() = 0;

    // The printer's text font: name, size, bold and italic are the program's to set.
    FontDef font{"Courier New", 10, kNormalWeight, false, 1};
};

} // namespace platform
