// libFuzzer target over the find loop and the snippet. The first byte holds the options and
// the find text's length; the rest is the find text followed by the text. Every listed offset
// must really match, and a snippet holds no control character outside the match.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "search/find_text.h"
#include "search/snippet.h"

namespace {

bool EqualUnder(std::string_view a, std::string_view b, bool matchCase,
                const search::CaseFold& fold) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (matchCase ? x != y : fold[x] != fold[y]) return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const search::FindOptions options{(data[0] & 1) != 0, (data[0] & 2) != 0};
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const size_t whatLength = std::min<size_t>(rest.size(), 1 + (data[0] >> 2) % 24);
    const std::string_view what = rest.substr(0, whatLength);
    const std::string_view text = rest.substr(whatLength);
    // The Western code page's letters, as the locale folds them.
    static const search::CaseFold fold = [] {
        search::CaseFold f{};
        for (int c = 0; c < 256; ++c) {
            const bool upper = (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
            f[static_cast<size_t>(c)] = static_cast<unsigned char>(upper ? c + 32 : c);
        }
        return f;
    }();

    // The loop of Find: every occurrence from the start, the whole words among them.
    int previous = -1;
    for (int offset = search::FindFrom(text, what, 0, options.matchCase, fold); offset >= 0;
         offset = search::FindFrom(text, what, offset + 1, options.matchCase, fold)) {
        if (offset <= previous || static_cast<size_t>(offset) + what.size() > text.size())
            std::abort();
        previous = offset;
        if (options.wholeWord && !search::IsWholeWord(text, offset, static_cast<int>(what.size())))
            continue;
        const std::string_view found = text.substr(static_cast<size_t>(offset), what.size());
        if (!EqualUnder(found, what, options.matchCase, fold)) std::abort();

        const std::string snippet =
            search::SearchSnippet(text, offset + 1, static_cast<int>(what.size()));
        if (snippet.size() > 30) std::abort();
        // The snippet is a stretch of the text near the match; control characters may stand in
        // it only where the match stands.
        if (snippet.empty()) continue;
        bool placed = false;
        // (Without a space before the match it starts at the line's start, however far.)
        const size_t first = 0;
        // (Trimming may take blanks of the match itself away: a blank match shows what follows.)
        const size_t lastStart = static_cast<size_t>(offset) + what.size() + 30;
        for (size_t start = first; start <= lastStart && start < text.size() && !placed; ++start) {
            if (text.substr(start, snippet.size()) != snippet) continue;
            placed = true;
            for (size_t i = 0; i < snippet.size(); ++i) {
                const size_t at = start + i;
                if (static_cast<unsigned char>(text[at]) < 32 &&
                    (at < static_cast<size_t>(offset) || at >= offset + what.size()))
                    placed = false;
            }
        }
        if (!placed) std::abort();
    }
    return 0;
}
