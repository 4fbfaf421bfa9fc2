// Printing documents: the printer dialog, one job per document, "Printer error" on failure.
#include "print/printing.h"

#include "core/core_texts.h"
#include "core/document.h"
#include "core/error_trap.h"
#include "core/program.h"
#include "print/page_layout.h"
#include "print/print_texts.h"

namespace print {

namespace {

// A printer failure ends the command with its own message.
void HandlePrinterError(core::ErrorTrap& trap, platform::Platform& platform) {
    trap.Handle(platform::err::PrinterError, [&platform](const platform::RuntimeError&) {
        platform.MsgBox(text::PrinterError, platform::mb::OkOnly | platform::mb::Critical,
                        core::text::AppTitle);
        return false;
    });
}

// The job's name in the printer's queue: the document's caption.
std::string JobTitle(core::Document& doc) {
    return doc.form().Caption();
}

} // namespace

void PrintJob(platform::Printer& printer, std::string_view title, std::string_view text) {
    platform::PageMetrics metrics = printer.StartJob(title);
    try {
        for (const PrintedPage& page : LayOutPages(text, metrics)) {
            printer.StartPage();
            for (const PrintedLine& line : page)
                if (!line.text.empty()) printer.Text(0, line.y, line.text);
            printer.EndPage();
        }
        printer.EndJob();
    } catch (...) {
        printer.AbortJob();
        throw;
    }
}

void PrintPreferences(core::Program& program) {
    core::RunTrapped(program.platform, [&](core::ErrorTrap& trap) {
        platform::CommonDialog& dialog = program.comDlg();
        trap.Step([&] {
            dialog.flags = platform::cdl::NoPageNumbers | platform::cdl::DisablePrintToFile;
            dialog.ShowPrinter();
        });
        trap.Step([&] {
            program.platform.PrinterService().Select(dialog.printerName, dialog.printerSettings);
        });
    });
}

void PrintDocument(core::Program& program, core::Document& doc) {
    core::RunTrapped(program.platform, [&](core::ErrorTrap& trap) {
        HandlePrinterError(trap, program.platform);
        platform::Printer& printer = program.platform.PrinterService();
        std::string selected;
        trap.Step([&] { selected = doc.Text1().SelText(); });
        const bool selectionOnly = !selected.empty() && program.comDlg().printSelection;
        trap.Step([&] {
            PrintJob(printer, JobTitle(doc), selectionOnly ? selected : doc.Text1().Text());
        });
    });
}

void PrintAllDocuments(core::Program& program) {
    core::RunTrapped(program.platform, [&](core::ErrorTrap& trap) {
        HandlePrinterError(trap, program.platform);
        platform::Printer& printer = program.platform.PrinterService();
        for (int slot = 1; slot <= core::kMaxDocuments; ++slot) {
            if (!program.registry.InUse(slot)) continue;
            core::Document& doc = *program.registry.Window(slot);
            trap.Step([&] { PrintJob(printer, JobTitle(doc), doc.Text1().Text()); });
        }
    });
}

} // namespace print
