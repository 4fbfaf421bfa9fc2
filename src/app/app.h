// The program: start-up, the frame and the making of document windows. It is the program
// context that the subsystems work on.
#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/program.h"

namespace app {

class DocumentWindow;
class Frame;
class TrayMenu;

class App : public core::Program {
  public:
    explicit App(platform::Platform& platform);
    ~App() override;

    // Creates the frame and its first document and shows it.
    void Start();

    bool NewDocument() override;
    void OpenCommandLineFiles();

    platform::MdiFrame& FrameForm() override;
    platform::Menu& FrameMenu() override;
    platform::CommonDialog& comDlg() override;
    void ShowCaretPosition() override;
    platform::WindowState LastFrameWindowState() override;
    std::unique_ptr<platform::Menu> CreateTrayMenu() override;
    Frame& frame() { return *frame_; }

  private:
    std::unique_ptr<Frame> frame_;
    std::unique_ptr<TrayMenu> trayMenu_;
};

// Splits a command line into file names: blanks separate, double quotes keep blanks inside a
// name, one leading and one trailing quote are removed from each name, empty names dropped.
std::vector<std::string> SplitCommandLine(std::string_view args);

// The system root of a Windows folder: up to and including the first backslash after the
// first character ("C:\" of "C:\WINDOWS"); empty when there is none.
std::string SystemRoot(std::string_view windowsFolder);

} // namespace app
