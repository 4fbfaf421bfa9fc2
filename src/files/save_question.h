// The question asked before a modified document is closed or its text replaced.
#pragma once

namespace core {
class Program;
class Document;
} // namespace core

namespace files {

// Asks whether to save the window's text. Returns true when the user cancelled, in the
// question or in the Save dialog that Yes led to; false to go on (saved or not).
bool AskSaveChanges(core::Program& app, core::Document& doc);

} // namespace files
