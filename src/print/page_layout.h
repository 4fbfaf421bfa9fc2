// How a text goes onto printed pages: each line break starts a line, a line wider than the
// printable area wraps (at a blank where there is one), and a full page starts a new one.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/printer.h"

namespace print {

struct PrintedLine {
    int y = 0; // the top of the line on its page, in the printer's units; lines start at x 0
    std::string text;
};
using PrintedPage = std::vector<PrintedLine>;

// Tab stops stand every this many characters; a tab prints as blanks up to the next one.
inline constexpr int kTabWidth = 8;

// The pages of a text. CR LF, and a CR or LF on its own, end a line; a line break at the very
// end of the text adds no empty line. A text with nothing to print still gives one (empty)
// page, so that a job always holds a page.
std::vector<PrintedPage> LayOutPages(std::string_view text, const platform::PageMetrics& page);

} // namespace print
