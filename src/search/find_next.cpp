// Find next's two passes over the list.
#include "search/find_next.h"

namespace search {

std::optional<std::intptr_t> ChooseFindNext(const platform::ListBox& list, int selStart) {
    const int count = list.Count();
    std::optional<std::intptr_t> first;
    for (int i = 0; i < count; ++i) {
        if (!list.Checked(i)) continue;
        const std::intptr_t p = list.ItemData(i);
        if (p < 0) continue;
        if (p > selStart) return p;
        if (!first) first = p;
    }
    return first;
}

} // namespace search
