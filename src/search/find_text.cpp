// A plain scan: the first character is looked up with memchr (or in its two case forms), the
// rest compared through the fold table. Linear in the text for a find-all loop.
#include "search/find_text.h"

#include <cstring>

namespace search {

bool IsWholeWord(std::string_view text, int offset, int length) {
    const auto at = [&](int i) { return static_cast<unsigned char>(text[static_cast<size_t>(i)]); };
    if (offset > 0 && IsWordChar(at(offset - 1))) return false;
    const int after = offset + length;
    if (after < static_cast<int>(text.size()) && IsWordChar(at(after))) return false;
    return true;
}

int FindFrom(std::string_view text, std::string_view what, int from, bool matchCase,
             const CaseFold& fold) {
    const int n = static_cast<int>(text.size());
    const int m = static_cast<int>(what.size());
    if (m == 0 || from < 0 || from > n - m) return -1;
    const auto* t = reinterpret_cast<const unsigned char*>(text.data());
    const auto* w = reinterpret_cast<const unsigned char*>(what.data());
    const int last = n - m; // the last offset where an occurrence fits
    if (matchCase) {
        for (int i = from; i <= last;) {
            const void* hit = std::memchr(t + i, w[0], static_cast<size_t>(last - i + 1));
            if (!hit) return -1;
            i = static_cast<int>(static_cast<const unsigned char*>(hit) - t);
            if (std::memcmp(t + i + 1, w + 1, static_cast<size_t>(m - 1)) == 0) return i;
            ++i;
        }
        return -1;
    }
    const unsigned char first = fold[w[0]];
    for (int i = from; i <= last; ++i) {
        if (fold[t[i]] != first) continue;
        int k = 1;
        while (k < m && fold[t[i + k]] == fold[w[k]])
            ++k;
        if (k == m) return i;
    }
    return -1;
}

} // namespace search
