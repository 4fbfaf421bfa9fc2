// The calculator's list of text items.
#include "calc/token_list.h"

#include <algorithm>
#include <stdexcept>

namespace calc {

namespace {
const std::string kEmpty;
}

const std::string& TokenList::Item(int i) const {
    if (i < 0 || i >= Count()) return kEmpty;
    return items_[static_cast<size_t>(i)];
}

void TokenList::Replace(int i, std::string item) {
    if (i < 0 || i >= Count()) throw std::out_of_range("list index");
    items_[static_cast<size_t>(i)] = std::move(item);
}

void TokenList::Remove(int i) {
    if (i < 0 || i >= Count()) throw std::out_of_range("list index");
    items_.erase(items_.begin() + i);
}

void TokenList::RemoveFrom(int first, int count) {
    if (first < 0 || count <= 0 || first >= Count()) return;
    const int last = std::min(Count(), first + count);
    items_.erase(items_.begin() + first, items_.begin() + last);
}

} // namespace calc
