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
#include "platform/win32/win32_printer.h"

namespace platform::win32 {

namespace {

HWND Owner() {
    Win32MdiFrame* frame = Win32MdiFrame::Current();
    return frame ? frame->Hwnd() : nullptr;
}

// A movable global block holding these bytes, as the printer dialog takes its input.
HGLOBAL GlobalCopy(const void* bytes, size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block) return nullptr;
    std::memcpy(GlobalLock(block), bytes, size);
    GlobalUnlock(block);
    return block;
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
    HDC printer = nullptr;
    if (flags & CF_PRINTERFONTS) {
        printer = CreatePrinterDC(printerName, printerSettings);
        if (!printer) throw RuntimeError(err::NoFonts);
    }
    HDC measure = printer ? printer : GetDC(nullptr);
    LOGFONTA font{};
    font.lfHeight =
        -static_cast<LONG>(std::lround(fontSize * GetDeviceCaps(measure, LOGPIXELSY) / 72.0));
    if (!printer) ReleaseDC(nullptr, measure);
    font.lfWeight = fontBold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = fontItalic ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(font.lfFaceName, fontName.c_str(), LF_FACESIZE);

    CHOOSEFONTA choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = Owner();
    choose.hDC = printer;
    choose.lpLogFont = &font;
    choose.Flags = static_cast<DWORD>(flags) | CF_INITTOLOGFONTSTRUCT;
    BOOL chosen = ChooseFontA(&choose);
    DWORD error = chosen ? 0 : CommDlgExtendedError();
    if (printer) DeleteDC(printer);
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
    if (chosen) {
        if (print.hDevNames) {
            auto* names = static_cast<DEVNAMES*>(GlobalLock(print.hDevNames));
            printerName = reinterpret_cast<const char*>(names) + names->wDeviceOffset;
            GlobalUnlock(print.hDevNames);
        }
        if (print.hDevMode) {
            auto* mode = static_cast<DEVMODEA*>(GlobalLock(print.hDevMode));
            printerSettings.assign(reinterpret_cast<const char*>(mode),
                                   mode->dmSize + mode->dmDriverExtra);
            GlobalUnlock(print.hDevMode);
        }
        printSelection = (print.Flags & PD_SELECTION) != 0;
    }
    if (print.hDevNames) GlobalFree(print.hDevNames);
    if (print.hDevMode) GlobalFree(print.hDevMode);
    if (chosen) return;
    if (error == 0) throw RuntimeError(err::DialogCancelled);
    throw RuntimeError(err::PrinterError);
}

} // namespace platform::win32
