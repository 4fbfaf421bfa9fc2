// Choosing fonts: one dialog, its choice set property by property so that Ignore after a
// failure goes on with the next property.
#include "print/fonts.h"

#include "core/document.h"
#include "core/error_trap.h"
#include "core/program.h"

namespace print {

namespace {

// Shows the font dialog; Cancel ends the command through the trap, changing nothing.
void ShowFontDialog(core::ErrorTrap& trap, platform::CommonDialog& dialog, int flags) {
    trap.Step([&] {
        dialog.flags = flags;
        dialog.ShowFont();
    });
}

// Sets the dialog's choice on a font holder: name, bold, italic, size, in this order, each a
// step of its own.
template <class Holder>
void ApplyChoice(core::ErrorTrap& trap, const platform::CommonDialog& dialog, Holder&& holder) {
    auto set = [&](auto change) {
        trap.Step([&] {
            platform::FontDef font = holder.Font();
            change(font);
            holder.SetFont(font);
        });
    };
    set([&](platform::FontDef& f) { f.name = dialog.fontName; });
    set([&](platform::FontDef& f) {
        f.weight = dialog.fontBold ? platform::kBoldWeight : platform::kNormalWeight;
    });
    set([&](platform::FontDef& f) { f.italic = dialog.fontItalic; });
    set([&](platform::FontDef& f) { f.points = dialog.fontSize; });
}

// The printer's font as a holder like a text box.
struct PrinterFont {
    platform::Printer& printer;
    platform::FontDef Font() const { return printer.font; }
    void SetFont(const platform::FontDef& font) { printer.font = font; }
};

} // namespace

void ChooseDocumentFont(core::Program& program, core::Document& doc) {
    core::RunTrapped(program.platform, [&](core::ErrorTrap& trap) {
        platform::CommonDialog& dialog = program.comDlg();
        ShowFontDialog(trap, dialog, platform::cdl::ScreenFonts);
        ApplyChoice(trap, dialog, doc.Text1());
    });
}

void ChooseGlobalFont(core::Program& program) {
    core::RunTrapped(program.platform, [&](core::ErrorTrap& trap) {
        platform::CommonDialog& dialog = program.comDlg();
        ShowFontDialog(trap, dialog, platform::cdl::ScreenFonts);
        for (int slot = 1; slot <= core::kMaxDocuments; ++slot)
            if (program.registry.InUse(slot))
                ApplyChoice(trap, dialog, program.registry.Window(slot)->Text1());
    });
}

void ChoosePrinterFont(core::Program& program) {
    core::RunTrapped(program.platform, [&](core::ErrorTrap& trap) {
        platform::CommonDialog& dialog = program.comDlg();
        ShowFontDialog(trap, dialog, platform::cdl::PrinterFonts);
        ApplyChoice(trap, dialog, PrinterFont{program.platform.PrinterService()});
    });
}

} // namespace print
