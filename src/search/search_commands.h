// The Search menu's commands, called by the document window's handlers.
#pragma once

#include "core/program.h"

namespace search {

void OpenFind(core::Program& program);         // Ctrl+F
void OpenReplace(core::Program& program);      // Ctrl+R
void FindNext(core::Program& program);         // F3
void ShowSearchResult(core::Program& program); // Ctrl+U
void GotoLine(core::Program& program);         // Ctrl+G
void GotoPos(core::Program& program);          // Ctrl+T
void GotoLongestColumn(core::Program& program);

} // namespace search
