// The program: start-up, the document registry and the document procedures that the
// windows' menus share.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "app/document_registry.h"
#include "files/save_state.h"
#include "platform/platform.h"
#include "search/search_state.h"

namespace calc {
class CalculatorWindow;
}

namespace app {

class Document;
class Frame;

// Folders found once at start-up, for the system files menu.
struct GlobalPaths {
    std::string windowsFolder;
    std::string systemFolder;
    std::string systemRoot; // e.g. "C:\"
};

class App {
  public:
    explicit App(platform::Platform& platform);
    ~App();

    // Creates the frame and its first document and shows it.
    void Start();

    // Returns false when the 64 windows are open: the limit message was shown instead.
    bool NewDocument();
    void OpenCommandLineFiles();
    // The frame's active document window, looked up anew at each call; null when none.
    Document* ActiveDocument();
    // The same for a statement that cannot do without one: throws error 91 when there is none.
    Document& RequireActiveDocument();
    // One document window stays maximised: used when the count comes down to 1.
    void MaximiseNormalDocuments();
    // Every open document window, in slot order.
    std::vector<Document*> OpenDocuments();
    // The program's icon, which the tool windows show.
    platform::IconHandle ProgramIcon();

    // The one calculator window, created (hidden) the first time anything asks for it.
    calc::CalculatorWindow& Calculator();
    // The menus' "1-row calculator" command: shows the calculator with empty boxes.
    void OpenCalculator();

    platform::Platform& platform;
    DocumentRegistry registry;
    GlobalPaths paths;
    search::SearchState search;
    files::SaveState saves;
    Frame& frame() { return *frame_; }

  private:
    std::unique_ptr<Frame> frame_;
    std::unique_ptr<calc::CalculatorWindow> calculator_;
};

// Splits a command line into file names: blanks separate, double quotes keep blanks inside a
// name, one leading and one trailing quote are removed from each name, empty names dropped.
std::vector<std::string> SplitCommandLine(std::string_view args);

// The system root of a Windows folder: up to and including the first backslash after the
// first character ("C:\" of "C:\WINDOWS"); empty when there is none.
std::string SystemRoot(std::string_view windowsFolder);

} // namespace app
