// Print jobs through GDI on the current printer, in the printer font; every failure is
// error 482 and leaves no job half open.
#include "platform/win32/win32_printer.h"

#include <winspool.h>

#include <algorithm>
#include <cmath>

#include "platform/errors.h"
#include "platform/win32/win32_common.h"

namespace platform::win32 {

namespace {

[[noreturn]] void PrinterFailed() {
    throw RuntimeError(err::PrinterError);
}

struct FaceSearch {
    const char* name;
    bool found;
};

int CALLBACK NoteFace(const LOGFONTA* face, const TEXTMETRICA*, DWORD, LPARAM search) {
    auto* wanted = reinterpret_cast<FaceSearch*>(search);
    if (lstrcmpiA(face->lfFaceName, wanted->name) != 0) return 1; // a printer's near match
    wanted->found = true;
    return 0;
}

// Whether the system has a face of this very name for the printer (a printer may offer its
// own "Courier" when asked for "Courier New").
bool HasFace(HDC dc, const std::string& name) {
    LOGFONTA wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(wanted.lfFaceName, name.c_str(), LF_FACESIZE);
    FaceSearch search{wanted.lfFaceName, false};
    EnumFontFamiliesExA(dc, &wanted, NoteFace, reinterpret_cast<LPARAM>(&search), 0);
    return search.found;
}

} // namespace

std::string DefaultPrinterName() {
    char name[512] = "";
    DWORD size = sizeof name;
    if (!GetDefaultPrinterA(name, &size)) return {};
    return name;
}

HDC CreatePrinterDC(const std::string& name, const std::string& settings) {
    std::string device = name.empty() ? DefaultPrinterName() : name;
    if (device.empty()) return nullptr;
    // The settings are the DEVMODE the printer dialog returned, kept as bytes.
    const DEVMODEA* mode = settings.size() >= offsetof(DEVMODEA, dmFields)
                               ? reinterpret_cast<const DEVMODEA*>(settings.data())
                               : nullptr;
    return CreateDCA(nullptr, device.c_str(), nullptr, mode);
}

void Win32Printer::Select(const std::string& name, const std::string& settings) {
    name_ = name;
    settings_ = settings;
}

PageMetrics Win32Printer::StartJob(std::string_view title) {
    AbortJob();
    dc_ = CreatePrinterDC(name_, settings_);
    if (!dc_) PrinterFailed();
    const int height =
        -static_cast<int>(std::lround(font.points * GetDeviceCaps(dc_, LOGPIXELSY) / 72.0));
    // A face the system lacks (the default "Courier New" where it is not installed) gives way
    // to a fixed-pitch one rather than to whatever the system likes best: the document is
    // plain text, whose columns line up only when every character is as wide as the others.
    const BYTE pitch =
        HasFace(dc_, font.name) ? DEFAULT_PITCH | FF_DONTCARE : FIXED_PITCH | FF_MODERN;
    font_ = CreateFontA(height, 0, 0, 0, font.weight, font.italic, FALSE, FALSE,
                        static_cast<BYTE>(font.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                        DEFAULT_QUALITY, pitch, font.name.c_str());
    if (font_) SelectObject(dc_, font_);
    std::string name = TextUpToNul(title);
    DOCINFOA doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = name.c_str();
    if (StartDocA(dc_, &doc) <= 0) {
        Release();
        PrinterFailed();
    }
    inDocument_ = true;

    // Text keeps a margin of three quarters of an inch from the paper's edges, or stays in
    // the printable area where the printer's own margins are wider.
    const int printableWidth = GetDeviceCaps(dc_, HORZRES);
    const int printableHeight = GetDeviceCaps(dc_, VERTRES);
    auto margin = [&](int dpiCap, int offsetCap, int sizeCap) {
        const int wanted = GetDeviceCaps(dc_, dpiCap) * 3 / 4 - GetDeviceCaps(dc_, offsetCap);
        return std::clamp(wanted, 0, GetDeviceCaps(dc_, sizeCap) / 4);
    };
    left_ = margin(LOGPIXELSX, PHYSICALOFFSETX, HORZRES);
    top_ = margin(LOGPIXELSY, PHYSICALOFFSETY, VERTRES);
    const int physicalWidth = GetDeviceCaps(dc_, PHYSICALWIDTH);
    const int physicalHeight = GetDeviceCaps(dc_, PHYSICALHEIGHT);
    // The right and bottom margins mirror the left and top ones on the paper.
    const int right =
        std::max(0, GetDeviceCaps(dc_, PHYSICALOFFSETX) + left_ -
                        (physicalWidth - printableWidth - GetDeviceCaps(dc_, PHYSICALOFFSETX)));
    const int bottom =
        std::max(0, GetDeviceCaps(dc_, PHYSICALOFFSETY) + top_ -
                        (physicalHeight - printableHeight - GetDeviceCaps(dc_, PHYSICALOFFSETY)));

    PageMetrics metrics;
    metrics.width = std::max(1, printableWidth - left_ - right);
    metrics.height = std::max(1, printableHeight - top_ - bottom);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc_, &tm);
    metrics.lineHeight = tm.tmHeight + tm.tmExternalLeading;
    INT widths[256] = {};
    if (GetCharWidth32A(dc_, 0, 255, widths)) {
        for (int i = 0; i < 256; ++i)
            metrics.charWidths[i] = widths[i];
    } else {
        metrics.charWidths.fill(tm.tmAveCharWidth);
    }
    return metrics;
}

void Win32Printer::StartPage() {
    if (!dc_ || ::StartPage(dc_) <= 0) PrinterFailed();
    // Some drivers reset the device context for each page: select the font again.
    if (font_) SelectObject(dc_, font_);
    SetBkMode(dc_, TRANSPARENT);
    SetTextAlign(dc_, TA_TOP | TA_LEFT | TA_NOUPDATECP);
}

void Win32Printer::Text(int x, int y, std::string_view text) {
    if (!dc_ || !TextOutA(dc_, left_ + x, top_ + y, text.data(), static_cast<int>(text.size())))
        PrinterFailed();
}

void Win32Printer::EndPage() {
    if (!dc_ || ::EndPage(dc_) <= 0) PrinterFailed();
}

void Win32Printer::EndJob() {
    if (!dc_) PrinterFailed();
    int ended = EndDoc(dc_);
    inDocument_ = false;
    Release();
    if (ended <= 0) PrinterFailed();
}

void Win32Printer::AbortJob() {
    if (dc_ && inDocument_) AbortDoc(dc_);
    inDocument_ = false;
    Release();
}

void Win32Printer::Release() {
    if (dc_) DeleteDC(dc_);
    if (font_) DeleteObject(font_);
    dc_ = nullptr;
    font_ = nullptr;
}

} // namespace platform::win32
