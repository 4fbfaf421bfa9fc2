// What the search remembers between its commands.
#pragma once
#include <cstdint>
#include <string>

namespace core {

struct SearchState {
    // False when the result list no longer matches the text: the text changed or its window
    // lost the focus.
    bool resultsValid = false;
    // The text of the last Find: the length of every listed match.
    std::string findText;
    // Counts the invalidations, so that a Find can tell that a text changed while it ran.
    std::uint64_t invalidations = 0;

    void Invalidate() {
        resultsValid = false;
        ++invalidations;
    }
};

} // namespace core
