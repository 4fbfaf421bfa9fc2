// How the editing commands write their result: in place of the selection.
#pragma once
#include <string_view>

#include "platform/controls.h"

namespace edit {

// Replaces the selection (or inserts at the caret); the caret then stands after the text and
// nothing stays selected. Replacing an empty selection with nothing is no change at all.
inline void WriteSelection(platform::TextBox& text1, std::string_view text) {
    if (text.empty() && text1.SelLength() == 0) return;
    text1.SetSelText(text);
}

} // namespace edit
