// The printing commands: the printer dialog, printing one document, printing all of them.
#pragma once
#include <string_view>

#include "platform/printer.h"

namespace core {
class Document;
class Program;
} // namespace core

namespace print {

// One print job: the text laid out on pages in the printer font. A failure gives the job up
// and is passed on (error 482).
void PrintJob(platform::Printer& printer, std::string_view title, std::string_view text);

// "P&rint preferences": the printer dialog; OK makes its printer the current one and sets
// the page range.
void PrintPreferences(core::Program& program);
// "&Print": the selection when there is one and the page range is Selection, else the whole
// text (a selection with the page range All prints the whole text, too).
void PrintDocument(core::Program& program, core::Document& doc);
// "Pr&int all": the whole text of every document, one job each, in slot order; a printer
// error stops it.
void PrintAllDocuments(core::Program& program);

} // namespace print
