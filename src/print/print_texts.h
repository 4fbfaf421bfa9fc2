// Texts of fonts and printing, defined once.
#pragma once

namespace print::text {
inline constexpr const char* PrinterError = "Printer error";
} // namespace print::text
