// Files and text dropped on a document window's edit control or on the frame's empty area.
#pragma once
#include "core/document.h"
#include "core/program.h"
#include "platform/controls.h"

namespace desktop {

// Each dropped file (folders skipped) goes into a window of its own, the first into this
// document window; dropped text goes in at the caret of the active document.
void DropOnDocument(core::Program& program, core::Document& doc, const platform::DropData& data);
// Only file lists: each file in a new window.
void DropOnFrame(core::Program& program, const platform::DropData& data);

} // namespace desktop
