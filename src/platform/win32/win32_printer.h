// The printer service on GDI: a printer device context per job, StartDoc to EndDoc.
#pragma once
#include "platform/win32/win32_windows.h"

#include <array>
#include <string>
#include <vector>

#include "platform/printer.h"
#include "platform/win32/win32_guards.h"

namespace platform::win32 {

// The name of the system's default printer; empty when there is none.
std::string DefaultPrinterName();
// A device context for a printer (empty name: the default) with its settings (DEVMODE bytes,
// or none); null when the system cannot make one. The caller deletes it.
HDC CreatePrinterDC(const std::string& name, const std::string& settings);

class Win32Printer : public Printer {
  public:
    ~Win32Printer() override { AbortJob(); }
    void Select(const std::string& name, const std::string& settings) override;
    PageMetrics StartJob(std::string_view title) override;
    void StartPage() override;
    void Text(int x, int y, std::string_view text) override;
    void EndPage() override;
    void EndJob() override;
    void AbortJob() override;

  private:
    void Release();
    std::string name_, settings_;
    GdiObject<HFONT> font_; // selected into dc_, which goes first
    OwnedDC dc_;
    bool inDocument_ = false;
    int left_ = 0, top_ = 0;        // the margins inside the printable area, device units
    std::array<int, 256> widths_{}; // the advances the job's page metrics gave out
    std::vector<INT> advances_;     // of the line being drawn
};

} // namespace platform::win32
