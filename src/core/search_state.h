// What the search remembers between its commands.
#pragma once

namespace core {

struct SearchState {
    // False when the result list no longer matches the text: the text changed or its window
    // lost the focus.
    bool resultsValid = false;
};

} // namespace core
