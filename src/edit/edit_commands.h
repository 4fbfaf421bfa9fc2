// The document window's editing commands: the Edit menu (undo, delete, the clipboard, letter
// case, truncating lines, select all, and the enabling of its items as it opens) and the
// Insert menu's date and time. Each works on the document whose menu or shortcut was used.
#pragma once
#include <string>

#include "edit/case_conversion.h"

namespace core {
class Program;
class Document;
} // namespace core

namespace platform {
class Locale;
struct LocalTime;
} // namespace platform

namespace edit {

// The Edit menu opens: Cut, Copy, Change case and Truncate lines are enabled only while the
// document has a selection. They keep that state until the menu opens again.
void EditMenuOpening(core::Program& app, core::Document& doc);

void Undo(core::Program& app, core::Document& doc);
void Delete(core::Program& app, core::Document& doc);
// Cut and Copy put the selected text on the clipboard in place of all it held; with nothing
// selected they do nothing. When the clipboard cannot be had (another program holds it), the
// document stays as it is.
void Cut(core::Program& app, core::Document& doc);
void Copy(core::Program& app, core::Document& doc);
// Replaces the selection with the clipboard's text, or with nothing when it holds no text.
// When the clipboard cannot be had, the document stays as it is.
void Paste(core::Program& app, core::Document& doc);
void SelectAll(core::Program& app, core::Document& doc);

// Rewrites the selection's letter case; the caret then stands after it.
void ChangeCase(core::Program& app, core::Document& doc, CaseCommand how);
// Removes the blanks at the ends of the selected lines.
void TruncateLines(core::Program& app, core::Document& doc);

// The current date and time in place of the selection: "dddddd (dddd) hh:mm:ss" (the long
// date, the weekday's name, the 24-hour time), the time alone, the short date alone.
void InsertNow(core::Program& app, core::Document& doc);
void InsertTime(core::Program& app, core::Document& doc);
void InsertDate(core::Program& app, core::Document& doc);
// The text Insert now writes for a given time.
std::string NowText(platform::Locale& locale, const platform::LocalTime& t);

} // namespace edit
