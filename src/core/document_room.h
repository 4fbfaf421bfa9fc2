// Room in a document for text written in place of its selection: an insert that would pass
// what the edit control holds is refused with a word to the user, never cut by the control.
#pragma once
#include <string_view>

#include "core/document.h"
#include "core/program.h"

namespace core {

// Where the text to be written comes from; the message names it.
enum class InsertSource { Clipboard, Drop, Command };

// Whether `text` (up to a NUL, as the control takes it) fits in place of the document's
// selection. When it does not, a message box tells how long the text is and how much room
// there is, and the document stays as it was.
bool InsertFits(Program& program, Document& doc, std::string_view text, InsertSource source);

} // namespace core
