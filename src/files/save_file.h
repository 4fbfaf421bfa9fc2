// Saving a document window's text: Save, Save As and the writer that keeps a backup of the file
// it replaces until the new content is known to be on the disk.
#pragma once
#include <string>
#include <string_view>

namespace core {
class Program;
class Document;
} // namespace core

namespace files {

// Each returns true only when the user cancelled the Save dialog: the caller then stops what
// asked for the save (a close, an open).
//
// Save: to the path panel's path when the window holds a whole file, else as Save As.
bool SaveDocument(core::Program& app, core::Document& doc);
// The Save dialog proposes the caption; an existing file is overwritten only after a Yes.
bool SaveDocumentAs(core::Program& app, core::Document& doc);

// Writes the window's text to `path`. An existing file is first copied to its backup; it is
// emptied and rewritten only when that copy succeeded, and the backup goes only once the new
// content is flushed and its size checked. Returns whether the file now holds the text; the
// window counts as saved (modified flag cleared) only then.
bool WriteDocumentFile(core::Program& app, core::Document& doc, const std::string& path);

// The backup of a file: "~Scrivex.temporary." and the file's name, in the file's folder.
std::string BackupPath(std::string_view path);

} // namespace files
