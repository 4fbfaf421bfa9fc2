// Opening a file into a document window.
#pragma once
#include <optional>
#include <string>

namespace core {
class Program;
}

namespace files {

// A file longer than this does not fit the document whole.
inline constexpr std::size_t kWholeFileLimit = 65535;

// Reads a file into the active document window. Without a name the Open dialog asks for one.
// With `reuse` the file goes into the active window, after the save question when it is
// modified; without it a window that already holds text keeps it and the file gets a new one.
// A file too large for the window, or one with a NUL, is marked in the caption and loaded up
// to what fits; Save then asks for a name.
void OpenFile(core::Program& app, std::optional<std::string> name = std::nullopt,
              std::optional<int> reuse = std::nullopt);

} // namespace files
