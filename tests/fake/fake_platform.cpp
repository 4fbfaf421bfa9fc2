// The fake platform: forms, menus, message boxes, dialogs and files in memory.
#include "fake/fake_platform.h"

#include <algorithm>
#include <stdexcept>

#include "platform/errors.h"
#include "platform/keys.h"

namespace fake {

// ---- forms ----

FakeForm::FakeForm(const platform::FormDef& def, FakeForm* frame)
    : name(def.name), frame_(frame), isFrame_(def.kind == platform::FormKind::MdiFrame),
      caption_(def.caption), keyPreview_(def.keyPreview), defs_(def.controls) {
    if (def.width > 0) width_ = def.width + 120;
    if (def.height > 0) height_ = def.height + 420;
    for (const auto& c : def.controls) {
        std::unique_ptr<platform::Control> control;
        using K = platform::ControlKind;
        switch (c.kind) {
        case K::Label:
            control = std::make_unique<FakeLabel>(c);
            break;
        case K::TextBox:
            control = std::make_unique<FakeTextBox>(c, false);
            break;
        case K::MultiLineBox:
            control = std::make_unique<FakeTextBox>(c, true);
            break;
        case K::Button:
            control = std::make_unique<FakeButton>(c);
            break;
        case K::CheckBox:
            control = std::make_unique<FakeCheckBox>(c);
            break;
        case K::ListBox:
            control = std::make_unique<FakeListBox>(c);
            break;
        case K::ComboList:
            control = std::make_unique<FakeComboList>(c);
            break;
        case K::StatusBar:
            control = std::make_unique<FakeStatusBar>(c);
            break;
        case K::Image:
            control = std::make_unique<FakeImage>(c);
            break;
        case K::PictureBox:
            control = std::make_unique<FakePictureBox>(c);
            break;
        }
        controls_[c.name] = std::move(control);
    }
}

FakeForm::~FakeForm() {
    if (frame_) frame_->ChildGone(this);
    for (FakeForm* child : children_)
        child->frame_ = nullptr;
}

void FakeForm::SetState(platform::WindowState s) {
    state_ = s;
    if (frame_) frame_->ChildMoved();
    if (onResize) onResize();
}

void FakeForm::Show() {
    visible_ = true;
}

void FakeForm::Move(int l, int t, int w, int h) {
    left_ = l, top_ = t, width_ = w, height_ = h;
    if (frame_) frame_->ChildMoved();
    if (onResize) onResize();
}

bool FakeForm::Close(platform::UnloadMode mode) {
    if (!loaded_) return true;
    bool cancel = false;
    if (onQueryUnload) onQueryUnload(mode, cancel);
    if (cancel) return false;
    // The frame asks every document window first; one refusal keeps everything open.
    platform::UnloadMode childMode =
        mode == platform::UnloadMode::WindowsShutdown ? mode : platform::UnloadMode::FrameClosing;
    std::vector<FakeForm*> children = created_;
    for (FakeForm* child : children) {
        if (std::find(created_.begin(), created_.end(), child) == created_.end()) continue;
        bool childCancel = false;
        if (child->onQueryUnload) child->onQueryUnload(childMode, childCancel);
        if (childCancel) return false;
    }
    Unload();
    return true;
}

void FakeForm::Unload() {
    if (!loaded_) return;
    // Closing the frame closes its document windows first.
    std::vector<FakeForm*> children = created_;
    for (FakeForm* child : children)
        child->Unload();
    loaded_ = false;
    visible_ = false;
    if (onUnload) onUnload();
    if (frame_) frame_->ChildGone(this);
    frame_ = nullptr;
}

platform::Control& FakeForm::GetControl(std::string_view controlName) {
    auto it = controls_.find(controlName);
    if (it == controls_.end()) throw std::out_of_range("no control " + std::string(controlName));
    return *it->second;
}

std::unique_ptr<platform::Form> FakeForm::CreateChild(const platform::FormDef& def) {
    auto child = std::make_unique<FakeForm>(def, this);
    child->visible_ = true;
    FakeForm* previous = children_.empty() ? nullptr : children_.front();
    children_.insert(children_.begin(), child.get());
    created_.push_back(child.get());
    if (previous && previous->onDeactivate) previous->onDeactivate();
    return child;
}

platform::Form* FakeForm::ActiveChild() const {
    return children_.empty() ? nullptr : children_.front();
}

platform::Menu* FakeForm::ShownMenu() const {
    if (!children_.empty() && children_.front()->menu_) return children_.front()->menu_;
    return menu_;
}

void FakeForm::Activate(FakeForm* child) {
    auto it = std::find(children_.begin(), children_.end(), child);
    if (it == children_.end() || it == children_.begin()) return;
    FakeForm* previous = children_.front();
    children_.erase(it);
    children_.insert(children_.begin(), child);
    if (previous->onDeactivate) previous->onDeactivate();
    if (child->onActivate) child->onActivate();
}

// ---- window arrangement ----

void FakeForm::ChildMoved() {
    if (!redrawHeld_) ++repaints;
}

void FakeForm::HoldRedraw(bool hold) {
    if (redrawHeld_ && !hold) ++repaints;
    redrawHeld_ = hold;
}

// As the system does: the windows that are not minimised, in their order from the active one,
// share the document area; a maximised one is restored first.
void FakeForm::Arrange(platform::Arrangement arrangement) {
    std::vector<FakeForm*> placed;
    for (FakeForm* child : children_) {
        if (child->state_ == platform::WindowState::Minimized) continue;
        if (child->state_ == platform::WindowState::Maximized)
            child->SetState(platform::WindowState::Normal);
        placed.push_back(child);
    }
    if (placed.empty()) return;
    // The windows move together and the document area is painted once.
    const bool held = redrawHeld_;
    redrawHeld_ = true;
    const int width = ScaleWidth(), height = ScaleHeight();
    const int k = static_cast<int>(placed.size());
    for (int i = 0; i < k; ++i) {
        switch (arrangement) {
        case platform::Arrangement::TileHorizontal:
            placed[i]->Move(0, i * (height / k), width, height / k);
            break;
        case platform::Arrangement::TileVertical:
            placed[i]->Move(i * (width / k), 0, width / k, height);
            break;
        case platform::Arrangement::Cascade:
            // The active window ends on top, at the far end of the cascade.
            placed[i]->Move((k - 1 - i) * 300, (k - 1 - i) * 300, width * 2 / 3, height * 2 / 3);
            break;
        }
    }
    redrawHeld_ = held;
    if (!held) ++repaints;
}

void FakeForm::ActivateNextChild() {
    if (children_.size() < 2) return;
    FakeForm* previous = children_.front();
    children_.erase(children_.begin());
    children_.push_back(previous);
    if (previous->onDeactivate) previous->onDeactivate();
    if (children_.front()->onActivate) children_.front()->onActivate();
}

void FakeForm::ChildGone(FakeForm* child) {
    created_.erase(std::remove(created_.begin(), created_.end(), child), created_.end());
    auto it = std::find(children_.begin(), children_.end(), child);
    if (it == children_.end()) return;
    bool wasActive = it == children_.begin();
    children_.erase(it);
    if (wasActive && !children_.empty() && children_.front()->onActivate)
        children_.front()->onActivate();
}

bool FakeForm::PressShortcut(platform::Shortcut s) {
    platform::Menu* menu = ShownMenu();
    return menu && menu->PressShortcut(s);
}

bool FakeForm::ChooseMenu(std::string_view itemName, int index) {
    platform::Menu* menu = ShownMenu();
    return menu && menu->Choose(menu->Find(itemName, index));
}

void FakeForm::OpenMenu(std::string_view itemName) {
    if (platform::Menu* menu = ShownMenu()) menu->Open(menu->Find(itemName));
}

void FakeForm::PressKey(int key, int shift) {
    if (keyPreview_ && onKeyDown) onKeyDown(key, shift);
    if (key != platform::key::Return && key != platform::key::Escape) return;
    const bool enter = key == platform::key::Return;
    for (const auto& def : defs_) {
        if (def.kind == platform::ControlKind::Button && (enter ? def.isDefault : def.isCancel)) {
            Get<platform::Button>(def.name).Press();
            return;
        }
    }
    if (!enter && keyPreview_ && onKeyPress) {
        int ascii = platform::key::Escape;
        onKeyPress(ascii);
    }
}

// ---- file system ----

void FakeFileSystem::Fail(std::string op, int error, int nth, int times) {
    int done = calls_[op];
    faults_[std::move(op)] = {error, done + nth, done + nth + times - 1};
}

void FakeFileSystem::Enter(const std::string& op, std::string_view path) {
    log.push_back(op + " " + std::string(path));
    ++calls_[op];
}

bool FakeFileSystem::Failing(const std::string& op, int& error) {
    auto it = faults_.find(op);
    if (it == faults_.end()) return false;
    int call = calls_[op];
    if (call < it->second.first || call > it->second.last) return false;
    error = it->second.error;
    return true;
}

namespace {
[[noreturn]] void Throw(int error) {
    throw platform::RuntimeError(error);
}
} // namespace

bool FakeFileSystem::Exists(std::string_view name) {
    std::string path = FullPath(name);
    return files.contains(path) || folders.contains(path);
}

bool FakeFileSystem::IsFolder(std::string_view name) {
    std::string path = FullPath(name);
    if (folders.contains(path)) return true;
    if (files.contains(path)) return false;
    Throw(platform::err::FileNotFound);
}

std::string FakeFileSystem::FullPath(std::string_view path) {
    bool full = (path.size() > 1 && path[1] == ':') || path.starts_with("\\\\");
    return full ? std::string(path) : currentFolder + std::string(path);
}

std::int64_t FakeFileSystem::FileLength(std::string_view name) {
    std::string path = FullPath(name);
    Enter("FileLength", path);
    if (int error; Failing("FileLength", error)) Throw(error);
    if (folders.contains(path)) return 0; // as the system answers for a folder
    auto it = files.find(path);
    if (it == files.end()) Throw(platform::err::FileNotFound);
    return static_cast<std::int64_t>(it->second.size());
}

std::string FakeFileSystem::ReadAll(std::string_view name) {
    std::string path = FullPath(name);
    Enter("ReadAll", path);
    if (int error; Failing("ReadAll", error)) Throw(error);
    if (folders.contains(path)) Throw(platform::err::PathFileAccess);
    if (locked.contains(path)) Throw(platform::err::PermissionDenied);
    auto it = files.find(path);
    if (it == files.end()) Throw(platform::err::FileNotFound);
    return it->second;
}

void FakeFileSystem::Copy(std::string_view fromName, std::string_view toName) {
    std::string from = FullPath(fromName), to = FullPath(toName);
    Enter("Copy", from);
    auto it = files.find(from);
    if (it == files.end()) Throw(platform::err::FileNotFound);
    if (locked.contains(from) || locked.contains(to) || readOnly.contains(to))
        Throw(platform::err::PermissionDenied);
    std::string content = it->second;
    if (int error; Failing("Copy", error)) {
        if (files.contains(to)) files[to] = content.substr(0, content.size() / 2);
        Throw(error);
    }
    files[to] = content;
}

void FakeFileSystem::Rename(std::string_view fromName, std::string_view toName) {
    std::string from = FullPath(fromName), to = FullPath(toName);
    Enter("Rename", from);
    if (int error; Failing("Rename", error)) Throw(error);
    auto it = files.find(from);
    if (it == files.end()) Throw(platform::err::FileNotFound);
    if (locked.contains(from)) Throw(platform::err::PermissionDenied);
    if (files.contains(to)) Throw(platform::err::PathFileAccess);
    files[to] = std::move(it->second);
    files.erase(from);
    if (readOnly.erase(from)) readOnly.insert(to);
}

void FakeFileSystem::Delete(std::string_view name) {
    std::string path = FullPath(name);
    Enter("Delete", path);
    if (int error; Failing("Delete", error)) Throw(error);
    auto it = files.find(path);
    if (it == files.end()) Throw(platform::err::FileNotFound);
    if (readOnly.contains(path) || locked.contains(path)) Throw(platform::err::PermissionDenied);
    files.erase(it);
}

namespace {

class FakeOutputFile : public platform::OutputFile {
  public:
    FakeOutputFile(FakeFileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) {}
    void Write(std::string_view bytes) override {
        Check("Write");
        if (int error; fs_.Failing("Write", error)) {
            fs_.files[path_] = std::string(bytes.substr(0, bytes.size() / 2));
            Throw(error);
        }
        fs_.files[path_] = std::string(bytes);
    }
    void Flush() override {
        Check("Flush");
        if (int error; fs_.Failing("Flush", error)) Throw(error);
    }
    void Close() override {
        fs_.Enter("Close", path_);
        if (!open_) return;
        if (int error; fs_.Failing("Close", error)) Throw(error);
        open_ = false;
    }

  private:
    void Check(const std::string& op) {
        fs_.Enter(op, path_);
        if (!open_) Throw(platform::err::BadFileName);
    }
    FakeFileSystem& fs_;
    std::string path_;
    bool open_ = true;
};

} // namespace

std::unique_ptr<platform::OutputFile> FakeFileSystem::OpenForWriting(std::string_view name,
                                                                     bool empty) {
    std::string path = FullPath(name);
    std::string op = empty ? "OpenEmpty" : "Open";
    Enter(op, path);
    if (int error; Failing(op, error)) Throw(error);
    if (folders.contains(path)) Throw(platform::err::PathFileAccess);
    if (readOnly.contains(path) || locked.contains(path)) Throw(platform::err::PermissionDenied);
    std::string& content = files[path];
    if (empty) content.clear();
    return std::make_unique<FakeOutputFile>(*this, path);
}

void FakeCommonDialog::Record(const char* kind) {
    platform_.dialogs.push_back(
        {kind, fileName, filter, dialogTitle, flags, fontName, fontSize, fontBold, fontItalic});
}

void FakeCommonDialog::ShowFont() {
    Record("Font");
    if (int error = platform_.fontDialogError) {
        platform_.fontDialogError = 0;
        throw platform::RuntimeError(error);
    }
    std::optional<FontChoice> answer;
    if (!platform_.fontAnswers.empty()) {
        answer = platform_.fontAnswers.front();
        platform_.fontAnswers.pop_front();
    }
    if (!answer) throw platform::RuntimeError(platform::err::DialogCancelled);
    if (answer->name.empty()) return;
    fontName = answer->name;
    fontSize = answer->size;
    fontBold = answer->bold;
    fontItalic = answer->italic;
}

void FakeCommonDialog::ShowPrinter() {
    printSelection = false; // the page range opens as All
    Record("Printer");
    std::optional<PrinterChoice> answer;
    if (!platform_.printerAnswers.empty()) {
        answer = platform_.printerAnswers.front();
        platform_.printerAnswers.pop_front();
    }
    if (!answer) throw platform::RuntimeError(platform::err::DialogCancelled);
    if (!answer->name.empty()) {
        printerName = answer->name;
        printerSettings = "settings of " + answer->name;
    }
    printSelection = answer->selection;
}

void FakeCommonDialog::Show(const char* kind) {
    Record(kind);
    std::optional<std::string> answer;
    if (!platform_.dialogAnswers.empty()) {
        answer = platform_.dialogAnswers.front();
        platform_.dialogAnswers.pop_front();
    }
    if (!answer) throw platform::RuntimeError(platform::err::DialogCancelled);
    fileName = *answer;
    size_t slash = answer->find_last_of('\\');
    fileTitle = slash == std::string::npos ? *answer : answer->substr(slash + 1);
}

// ---- printer ----

std::vector<std::string> PrintJobRecord::Lines() const {
    std::vector<std::string> lines;
    for (const auto& page : pages)
        for (const auto& item : page)
            lines.push_back(item.text);
    return lines;
}

void FakePrinter::Fail(std::string op, int nth, int times) {
    int done = calls_[op];
    faults_[std::move(op)] = {done + nth, done + nth + times - 1};
}

void FakePrinter::Enter(const std::string& op) {
    int call = ++calls_[op];
    auto it = faults_.find(op);
    if (it != faults_.end() && call >= it->second.first && call <= it->second.last)
        throw platform::RuntimeError(platform::err::PrinterError);
}

PrintJobRecord& FakePrinter::Open() {
    if (!inJob_) throw platform::RuntimeError(platform::err::PrinterError);
    return jobs.back();
}

void FakePrinter::Select(const std::string& name, const std::string& chosen) {
    current = name;
    settings = chosen;
}

platform::PageMetrics FakePrinter::StartJob(std::string_view title) {
    AbortJob();
    Enter("StartJob");
    if (!current.empty() && !installed.contains(current))
        throw platform::RuntimeError(platform::err::PrinterError);
    jobs.push_back({std::string(title), current, font, {}, false, false});
    inJob_ = true;
    return metrics;
}

void FakePrinter::StartPage() {
    Enter("StartPage");
    Open().pages.emplace_back();
}

void FakePrinter::Text(int x, int y, std::string_view text) {
    Enter("Text");
    PrintJobRecord& job = Open();
    if (job.pages.empty()) throw platform::RuntimeError(platform::err::PrinterError);
    job.pages.back().push_back({x, y, std::string(text)});
}

void FakePrinter::EndPage() {
    Enter("EndPage");
    Open();
}

void FakePrinter::EndJob() {
    Enter("EndJob");
    Open().ended = true;
    inJob_ = false;
}

void FakePrinter::AbortJob() {
    if (!inJob_) return;
    jobs.back().aborted = true;
    inJob_ = false;
}

// ---- platform ----

std::unique_ptr<platform::MdiFrame> FakePlatform::CreateFrame(const platform::FormDef& def) {
    auto form = std::make_unique<FakeMdiFrame>(def, nullptr);
    frame = form.get();
    return form;
}

std::unique_ptr<platform::CommonDialog> FakePlatform::CreateCommonDialog() {
    return std::make_unique<FakeCommonDialog>(*this);
}

std::unique_ptr<platform::Form> FakePlatform::CreateForm(const platform::FormDef& def) {
    auto form = std::make_unique<FakeForm>(def, nullptr);
    toolForms.push_back(form.get());
    return form;
}

std::unique_ptr<platform::Menu>
FakePlatform::CreateMenu(const std::vector<platform::MenuItemDef>& tree,
                         platform::MenuHandler handler) {
    return std::make_unique<platform::Menu>(tree, std::move(handler));
}

platform::Answer FakePlatform::MsgBox(std::string_view text, int style, std::string_view title) {
    using platform::Answer;
    Answer answer;
    if (!answers.empty()) {
        answer = answers.front();
        answers.pop_front();
    } else {
        // Nobody scripted an answer: take the default button, as Enter would.
        static const std::vector<std::vector<Answer>> buttons = {
            {Answer::Ok},
            {Answer::Ok, Answer::Cancel},
            {Answer::Abort, Answer::Retry, Answer::Ignore},
            {Answer::Yes, Answer::No, Answer::Cancel},
            {Answer::Yes, Answer::No},
            {Answer::Retry, Answer::Cancel}};
        const auto& set = buttons.at(style & 7);
        size_t which = (style & 0x300) >> 8;
        answer = set[std::min(which, set.size() - 1)];
    }
    messages.push_back({std::string(text), style, std::string(title), answer});
    return answer;
}

std::string FakePlatform::SpecialFolder(int folder) {
    auto it = specialFolders.find(folder);
    if (it == specialFolders.end()) throw platform::RuntimeError(5, "Invalid procedure call");
    return it->second;
}

void FakePlatform::DoEvents() {
    ++doEventsCalls;
    while (!pendingEvents.empty()) {
        std::function<void()> event = std::move(pendingEvents.front());
        pendingEvents.pop_front();
        event();
    }
}

std::string FakePlatform::InputBox(std::string_view prompt, std::string_view title,
                                   std::string_view defaultText) {
    inputs.push_back({std::string(prompt), std::string(title), std::string(defaultText)});
    if (inputAnswers.empty()) return {};
    std::optional<std::string> answer = std::move(inputAnswers.front());
    inputAnswers.pop_front();
    return answer.value_or("");
}

} // namespace fake
