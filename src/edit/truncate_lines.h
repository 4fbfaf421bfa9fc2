// Removing the blanks at the ends of the lines of a selected text.
#pragma once
#include <string>
#include <string_view>

namespace edit {

// Removes the spaces and TABs directly in front of each CR LF pair and at the very end of the
// text. Blanks at line starts, inside lines and before a lone CR or LF stay; so does every
// line break.
std::string TrimLineEnds(std::string_view text);

} // namespace edit
