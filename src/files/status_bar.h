// The document's status bar: the caret's line, column and position, the path and the size.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace core {
class Program;
class Document;
} // namespace core

namespace files {

// Panel numbers of a document's status bar.
namespace panel {
inline constexpr int Line = 1;
inline constexpr int Column = 2;
inline constexpr int Position = 3;
inline constexpr int Path = 4;
inline constexpr int Size = 5;
} // namespace panel

// Fills the line, column and position panels of the active document window.
void ShowCaretPosition(core::Program& app);

// Sets the window's caption to the title and fills its path and size panels from the file
// as it is now on disk. A missing file raises 53 to the caller.
void ShowFileInfo(core::Program& app, core::Document& doc, std::string_view path,
                  std::string_view title);

// A size in kB as "###,###,###.0# kB": grouped thousands, no digit before the decimal
// separator below 1, one or two decimals.
std::string FormatKilobytes(std::int64_t bytes, std::string_view decimal,
                            std::string_view thousands);

} // namespace files
