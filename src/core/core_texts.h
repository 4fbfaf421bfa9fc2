// Texts that the program shows from more than one subsystem, defined once.
#pragma once

namespace core::text {
inline constexpr const char* AppTitle = "Scrivex";
inline constexpr const char* RuntimeErrorTitle = "Run-time error";
} // namespace core::text
