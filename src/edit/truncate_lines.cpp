// Trailing blanks of each line: one pass over the text, line by line.
#include "edit/truncate_lines.h"

namespace edit {

std::string TrimLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t start = 0;
    while (true) {
        // The end of the text counts as a line end.
        size_t end = text.find("\r\n", start);
        size_t lineEnd = end == std::string_view::npos ? text.size() : end;
        size_t kept = lineEnd;
        while (kept > start && (text[kept - 1] == ' ' || text[kept - 1] == '\t'))
            --kept;
        out.append(text.substr(start, kept - start));
        if (end == std::string_view::npos) break;
        out.append("\r\n");
        start = end + 2;
    }
    return out;
}

} // namespace edit
