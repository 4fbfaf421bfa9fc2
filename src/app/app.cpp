#include "app/app.h"

#include "app/document_window.h"
#include "app/error_trap.h"
#include "app/frame_window.h"
#include "app/texts.h"
#include "calc/calculator_window.h"
#include "files/open_file.h"
#include "platform/errors.h"

namespace app {

App::App(platform::Platform& p) : platform(p) {
    platform::SetEventGuard(
        [this](const std::function<void()>& handler) { RunEventHandler(platform, handler); });
}

App::~App() {
    platform::SetEventGuard(nullptr);
    calculator_.reset();
    // The document windows live inside the frame: they go first.
    registry.Clear();
    frame_.reset();
}

void App::Start() {
    frame_ = std::make_unique<Frame>(*this);
    frame_->Form_Initialize();
    frame_->Form_Load();
    frame_->form().Show();
}

bool App::NewDocument() {
    if (registry.Count() == MaxDocuments) {
        platform.MsgBox(text::TooManyWindows, platform::mb::OkOnly, text::AppTitle);
        return false;
    }
    registry.Raise();
    int slot = registry.FirstFree();
    Document& doc = registry.Take(slot, std::make_unique<Document>(*this));
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
                            text::AppTitle);
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

Document* App::ActiveDocument() {
    platform::Form* active = frame_->form().ActiveChild();
    if (!active) return nullptr;
    for (int slot = 1; slot <= MaxDocuments; ++slot) {
        Document* doc = registry.Window(slot);
        if (doc && registry.InUse(slot) && &doc->form() == active) return doc;
    }
    return nullptr;
}

Document& App::RequireActiveDocument() {
    Document* doc = ActiveDocument();
    if (!doc) throw platform::RuntimeError(platform::err::NoObject);
    return *doc;
}

void App::MaximiseNormalDocuments() {
    for (Document* open : OpenDocuments())
        if (open->form().State() == platform::WindowState::Normal)
            open->form().SetState(platform::WindowState::Maximized);
}

std::vector<Document*> App::OpenDocuments() {
    std::vector<Document*> open;
    for (int slot = 1; slot <= MaxDocuments; ++slot)
        if (registry.InUse(slot) && registry.Window(slot)) open.push_back(registry.Window(slot));
    return open;
}

platform::IconHandle App::ProgramIcon() {
    // The tray window will hold the program icon; until it exists the frame has the same one.
    return frame_->form().Icon();
}

calc::CalculatorWindow& App::Calculator() {
    if (!calculator_) calculator_ = std::make_unique<calc::CalculatorWindow>(*this);
    return *calculator_;
}

void App::OpenCalculator() {
    Calculator().Open();
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
