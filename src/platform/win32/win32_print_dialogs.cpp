// The font and printer dialogs of the program's common dialog (ChooseFontA, PrintDlgA), with
// Cancel as error 32755.
#include "platform/win32/win32_windows.h"

#include <cderr.h>
#include <commdlg.h>

#include <cmath>
#include <cstring>

#include "platform/errors.h"
#include "platform/win32/win32_common_dialog.h"
#include "platform/win32/win32_form_kinds.h"
#include "platform/win32/win32_guards.h"
#include "platform/win32/win32_printer.h"

namespace platform::win32 {

namespace {

HWND Owner() {
    Win32MdiFrame* frame = Win32MdiFrame::Current();
    return frame ? frame->Hwnd() : nullptr;
}

// DEVNAMES naming only the device: the dialog fills in the driver and the port.
HGLOBAL DevNamesFor(const std::string& device) {
    std::string block(sizeof(DEVNAMES), '\0');
    auto* names = reinterpret_cast<DEVNAMES*>(block.data());
    names->wDriverOffset = static_cast<WORD>(block.size());
    names->wDeviceOffset = static_cast<WORD>(block.size() + 1);
    names->wOutputOffset = static_cast<WORD>(block.size() + 2 + device.size());
    block += '\0';
    block += device;
    block += '\0';
    block += '\0';
    return GlobalCopy(block.data(), block.size());
}

} // namespace

void Win32CommonDialog::ShowFont() {
    OwnedDC printer;
    if (flags & CF_PRINTERFONTS) {
        printer.Reset(CreatePrinterDC(printerName, printerSettings));
        if (!printer) throw RuntimeError(err::NoFonts);
    }
    LOGFONTA font{};
    {
        WindowDC screen(nullptr);
        HDC measure = printer ? printer.get() : screen.get();
        font.lfHeight =
            -static_cast<LONG>(std::lround(fontSize * GetDeviceCaps(measure, LOGPIXELSY) / 72.0));
    }
    font.lfWeight = fontBold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = fontItalic ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(font.lfFaceName, fontName.c_str(), LF_FACESIZE);

    CHOOSEFONTA choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = Owner();
    choose.hDC = printer.get();
    choose.lpLogFont = &font;
    choose.Flags = static_cast<DWORD>(flags) | CF_INITTOLOGFONTSTRUCT;
    BOOL chosen = ChooseFontA(&choose);
    DWORD error = chosen ? 0 : CommDlgExtendedError();
    printer.Reset();
    if (!chosen) {
        if (error == 0) throw RuntimeError(err::DialogCancelled);
        if (error == CFERR_NOFONTS) throw RuntimeError(err::NoFonts);
        throw RuntimeError(err::OutOfMemory);
    }
    fontName = font.lfFaceName;
    fontSize = static_cast<float>(choose.iPointSize) / 10.0f;
    fontBold = font.lfWeight >= FW_SEMIBOLD;
    fontItalic = font.lfItalic != 0;
}

void Win32CommonDialog::ShowPrinter() {
    printSelection = false; // the page range opens as All
    PRINTDLGA print{};
    print.lStructSize = sizeof print;
    print.hwndOwner = Owner();
    print.Flags = static_cast<DWORD>(flags);
    // The dialog opens with the printer and settings chosen last.
    if (!printerName.empty()) {
        print.hDevNames = DevNamesFor(printerName);
        if (!printerSettings.empty())
            print.hDevMode = GlobalCopy(printerSettings.data(), printerSettings.size());
    }
    BOOL chosen = PrintDlgA(&print);
    DWORD error = chosen ? 0 : CommDlgExtendedError();
    // The dialog's blocks are ours to free, whatever happens to their contents.
    struct FreeBlocks {
        PRINTDLGA& print;
        ~FreeBlocks() {
            if (print.hDevNames) GlobalFree(print.hDevNames);
            if (print.hDevMode) GlobalFree(print.hDevMode);
        }
    } freeBlocks{print};
    if (!chosen) {
        if (error == 0) throw RuntimeError(err::DialogCancelled);
        throw RuntimeError(err::PrinterError);
    }
    // The choice is taken whole or not at all: a block that cannot be read leaves the printer
    // and its settings as they were.
    std::string name = printerName, settings = printerSettings;
    if (print.hDevNames) {
        LockedGlobal names(print.hDevNames);
        const SIZE_T size = names.Size();
        if (!names || size < sizeof(DEVNAMES) || names.As<DEVNAMES>()->wDeviceOffset >= size)
            throw RuntimeError(err::PrinterError);
        const char* device = names.As<const char>() + names.As<DEVNAMES>()->wDeviceOffset;
        name.assign(device, strnlen(device, size - names.As<DEVNAMES>()->wDeviceOffset));
    }
    if (print.hDevMode) {
        LockedGlobal mode(print.hDevMode);
        const SIZE_T size = mode.Size();
        if (!mode || size < offsetof(DEVMODEA, dmFields)) throw RuntimeError(err::PrinterError);
        const SIZE_T used = mode.As<DEVMODEA>()->dmSize + mode.As<DEVMODEA>()->dmDriverExtra;
        if (used > size) throw RuntimeError(err::PrinterError);
        settings.assign(mode.As<const char>(), used);
    }
    printerName = std::move(name);
    printerSettings = std::move(settings);
    printSelection = (print.Flags & PD_SELECTION) != 0;
}

} // namespace platform::win32
