// Lines, wraps and page breaks of a printed text, from the printer's metrics.
#include "print/page_layout.h"

#include <algorithm>

namespace print {

namespace {

std::string ExpandTabs(std::string_view line) {
    if (line.find('\t') == std::string_view::npos) return std::string(line);
    std::string out;
    out.reserve(line.size() + kTabWidth);
    for (char c : line) {
        if (c != '\t') {
            out += c;
            continue;
        }
        out.append(kTabWidth - out.size() % kTabWidth, ' ');
    }
    return out;
}

// Splits one line of the text into the printed lines it takes at the page's width.
template <class Emit>
void WrapLine(std::string_view line, const platform::PageMetrics& page, Emit emit) {
    auto width = [&](char c) { return page.charWidths[static_cast<unsigned char>(c)]; };
    size_t start = 0;
    for (;;) {
        int used = 0;
        size_t i = start;
        size_t lastBlank = std::string_view::npos;
        for (; i < line.size(); ++i) {
            // At least one character a line, however narrow the page.
            if (i > start && used + width(line[i]) > page.width) break;
            if (line[i] == ' ') lastBlank = i;
            used += width(line[i]);
        }
        if (i == line.size()) {
            emit(line.substr(start));
            return;
        }
        // Break at the blank that does not fit, else after the last blank that does, else in
        // the middle of the word.
        size_t end = i;
        if (line[i] != ' ' && lastBlank != std::string_view::npos && lastBlank > start)
            end = lastBlank;
        size_t kept = end;
        while (kept > start && line[kept - 1] == ' ')
            --kept;
        emit(line.substr(start, kept - start));
        // The blanks at a break are not carried to the next line.
        start = end;
        while (start < line.size() && line[start] == ' ')
            ++start;
        if (start == line.size()) return;
    }
}

} // namespace

std::vector<PrintedPage> LayOutPages(std::string_view text, const platform::PageMetrics& page) {
    const int lineHeight = std::max(1, page.lineHeight);
    const int linesPerPage = std::max(1, page.height / lineHeight);
    std::vector<PrintedPage> pages(1);
    auto emit = [&](std::string_view printed) {
        if (static_cast<int>(pages.back().size()) == linesPerPage) pages.emplace_back();
        PrintedPage& current = pages.back();
        current.push_back({static_cast<int>(current.size()) * lineHeight, std::string(printed)});
    };
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        WrapLine(ExpandTabs(text.substr(pos, end - pos)), page, emit);
        pos = end;
        if (pos < text.size()) {
            bool crlf = text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n';
            pos += crlf ? 2 : 1;
        }
    }
    return pages;
}

} // namespace print
