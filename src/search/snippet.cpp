// SearchSnippet, with the 1-based positions of its description ("line positions" count from
// the line's first character). The loop that drops whole words from the left ends at the first
// space less than 18 - b characters before the match, or at the last space before it: both are
// looked up instead of walked to, so a long line costs no more than a short one.
#include "search/snippet.h"

#include <algorithm>

namespace search {

namespace {

bool IsControl(char c) {
    return static_cast<unsigned char>(c) < 32;
}

std::string_view TrimSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

} // namespace

SnippetIndex::SnippetIndex(std::string_view text) : text_(text) {
    const int n = static_cast<int>(text.size());
    prevControl_.resize(static_cast<size_t>(n));
    prevSpace_.resize(static_cast<size_t>(n));
    nextControl_.resize(static_cast<size_t>(n));
    int control = -1, space = -1;
    for (int i = 0; i < n; ++i) {
        if (IsControl(text[static_cast<size_t>(i)])) control = i;
        if (text[static_cast<size_t>(i)] == ' ') space = i;
        prevControl_[static_cast<size_t>(i)] = control;
        prevSpace_[static_cast<size_t>(i)] = space;
    }
    control = n;
    for (int i = n - 1; i >= 0; --i) {
        if (IsControl(text[static_cast<size_t>(i)])) control = i;
        nextControl_[static_cast<size_t>(i)] = control;
    }
}

std::string SnippetIndex::Snippet(int a, int b) const {
    const int length = static_cast<int>(text_.size());
    if (length == 0 || a < 1 || a > length) return {};
    b = std::max(b, 0);
    const int match = a - 1; // 0-based
    // The line: from after the last control character before the match to before the first
    // one after it (0-based, the end exclusive).
    const int lineStart = match >= 1 ? prevControl_[static_cast<size_t>(match - 1)] + 1 : 0;
    int lineEnd = match + b < length ? nextControl_[static_cast<size_t>(match + b)] : length;
    lineEnd = std::max(lineEnd, match);
    const auto lineAt = [&](int position) {
        return text_[static_cast<size_t>(lineStart + position - 1)];
    };
    const int m = match - lineStart + 1; // the match's line position

    int k = 0;
    if (m >= 18 - b) {
        const int threshold = m - 18 + b; // the cut must pass this line position
        for (int p = std::max(threshold + 1, 1); p <= m - 1; ++p)
            if (lineAt(p) == ' ') {
                k = p;
                break;
            }
        if (k == 0) {
            // No space close enough: the last space before the match, if any.
            const int last = std::min(threshold, m - 1);
            if (last >= 1) {
                const int space = prevSpace_[static_cast<size_t>(lineStart + last - 1)];
                if (space >= lineStart) k = space - lineStart + 1;
            }
        }
    }
    const int t = k + 1;
    int g = 0;
    while (t + g <= m - 1 && lineAt(t + g) == ' ')
        ++g;

    const int from = lineStart + t + g - 1; // 0-based
    const int size = std::clamp(lineEnd - from, 0, 30);
    const std::string_view w =
        text_.substr(static_cast<size_t>(std::min(from, length)), static_cast<size_t>(size));
    if (w.size() < 30) return std::string(TrimSpaces(w));
    const int p = m - t - g + 1;
    int u = 31;
    for (int i = 30; i > p; --i)
        if (w[static_cast<size_t>(i - 1)] == ' ') {
            u = i;
            break;
        }
    return std::string(TrimSpaces(w.substr(0, static_cast<size_t>(u - 1))));
}

std::string SearchSnippet(std::string_view text, int a, int b) {
    return SnippetIndex(text).Snippet(a, b);
}

} // namespace search
