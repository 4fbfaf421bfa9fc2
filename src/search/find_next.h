// Which match line Find next selects.
#pragma once
#include <cstdint>
#include <optional>

#include "platform/controls.h"

namespace search {

// The offset of the first checked match line after `selStart`, or else of the first checked
// match line at all (wrap-around); nothing when no match line is checked.
std::optional<std::intptr_t> ChooseFindNext(const platform::ListBox& list, int selStart);

} // namespace search
