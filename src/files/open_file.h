// Opening a file into a document window.
#pragma once
#include <optional>
#include <string>

namespace app {
class App;
}

namespace files {

// Loads a file's bytes into the active document window. Without a name it does nothing yet:
// the Open dialog, the save question and the size and NUL rules come with the file
// procedures, which replace this simple loader.
void OpenFile(app::App& app, std::optional<std::string> name = std::nullopt,
              std::optional<int> reuse = std::nullopt);

} // namespace files
