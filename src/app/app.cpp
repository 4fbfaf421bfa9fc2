// Start-up, the document windows' making and the command line.
#include "app/app.h"

#include "app/document_window.h"
#include "app/frame_window.h"
#include "app/menus.h"
#include "app/texts.h"
#include "app/tray_menu.h"
#include "calc/calculator_window.h"
#include "core/core_texts.h"
#include "core/error_trap.h"
#include "desktop/clipboard_viewer.h"
#include "desktop/tray_window.h"
#include "files/open_file.h"
#include "files/status_bar.h"
#include "search/find_dialog.h"
#include "search/search_result_window.h"

namespace app {

App::App(platform::Platform& p) : Program(p) {
    tools.Register<calc::CalculatorWindow>();
    tools.Register<search::FindDialog>();
    tools.Register<search::SearchResultWindow>();
    tools.Register<desktop::TrayWindow>();
    tools.Register<desktop::ClipViewWindow>();
    platform::SetEventGuard(
        [this](const std::function<void()>& handler) { core::RunEventHandler(platform, handler); });
}

App::~App() {
    platform::SetEventGuard(nullptr);
    tools.Clear();
    // The document windows live inside the frame: they go first.
    registry.Clear();
    frame_.reset();
}

void App::ShowCaretPosition() {
    files::ShowCaretPosition(*this);
}

void App::Start() {
    frame_ = std::make_unique<Frame>(*this);
    frame_->Form_Initialize();
    frame_->Form_Load();
    frame_->form().Show();
}

bool App::NewDocument() {
    if (registry.Count() == core::kMaxDocuments) {
        platform.MsgBox(text::TooManyWindows, platform::mb::OkOnly, core::text::AppTitle);
        return false;
    }
    registry.Raise();
    int slot = registry.FirstFree();
    auto made = std::make_unique<DocumentWindow>(*this);
    DocumentWindow& doc = *made;
    registry.Take(slot, std::move(made));
    doc.Form_Load();
    doc.form().SetTag(std::to_string(slot));
    if (registry.Count() == 1) MaximiseNormalDocuments();
    return true;
}

void App::OpenCommandLineFiles() {
    bool first = true;
    for (const std::string& name : SplitCommandLine(platform.CommandLine())) {
        // Empty quotes name nothing.
        if (name.find_first_not_of(' ') == std::string::npos) continue;
        // A name that is neither a file nor a folder gets a message and no window.
        if (!platform.Files().Exists(name)) {
            platform.MsgBox("Cannot find the file " + name + ".", platform::mb::Exclamation,
                            core::text::AppTitle);
            continue;
        }
        // A device name (con, nul.bin) is no folder either: opening it gets the report, as from
        // the Open dialog.
        bool folder = false;
        try {
            folder = platform.Files().IsFolder(name);
        } catch (const platform::RuntimeError&) {
        }
        if (folder) continue;
        // The first name goes into the empty window made at start-up; each later one gets a
        // window of its own, made only when there is a file to put in it.
        if (!first && !NewDocument()) return; // the limit message has been shown
        first = false;
        files::OpenFile(*this, name, 1);
    }
}

platform::MdiFrame& App::FrameForm() {
    return frame_->form();
}
platform::Menu& App::FrameMenu() {
    return frame_->menu();
}
platform::CommonDialog& App::comDlg() {
    return frame_->comDlg();
}
platform::WindowState App::LastFrameWindowState() {
    return frame_->LastWindowState();
}
std::unique_ptr<platform::Menu> App::CreateTrayMenu() {
    if (!trayMenu_) trayMenu_ = std::make_unique<TrayMenu>(*this);
    return platform.CreateMenu(TrayMenuTree(), [this](const std::string& name, int index) {
        trayMenu_->OnMenu(name, index);
    });
}

std::vector<std::string> SplitCommandLine(std::string_view args) {
    std::vector<std::string> names;
    auto add = [&names](std::string_view token) {
        if (token.find_first_not_of(' ') == std::string_view::npos) return;
        if (!token.empty() && token.front() == '"') token.remove_prefix(1);
        if (!token.empty() && token.back() == '"') token.remove_suffix(1);
        names.emplace_back(token);
    };
    size_t start = 0;
    bool inQuotes = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == '"') {
            inQuotes = !inQuotes;
        } else if (args[i] == ' ' && !inQuotes) {
            add(args.substr(start, i - start));
            start = i + 1;
        }
    }
    add(args.substr(start));
    return names;
}

std::string SystemRoot(std::string_view windowsFolder) {
    size_t at = windowsFolder.size() > 1 ? windowsFolder.find('\\', 1) : std::string_view::npos;
    return at == std::string_view::npos ? std::string()
                                        : std::string(windowsFolder.substr(0, at + 1));
}

} // namespace app
