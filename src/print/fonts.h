// The three font commands: the font dialog of the shared common dialog, its choice applied to
// one document, to every document, or to the printer's text output.
#pragma once

namespace core {
class Document;
class Program;
} // namespace core

namespace print {

// "&Font...": this document's Text1.
void ChooseDocumentFont(core::Program& program, core::Document& doc);
// "&Global font...": Text1 of every document in use, in slot order.
void ChooseGlobalFont(core::Program& program);
// "&Printer font...": the font the printer prints in.
void ChoosePrinterFont(core::Program& program);

} // namespace print
