// The desktop services in memory.
#include "fake/fake_desktop.h"

#include <algorithm>
#include <cctype>

#include "fake/fake_platform.h"
#include "platform/errors.h"

namespace fake {

bool FakeTrayIcons::Add(const platform::TrayIconRecord& record) {
    ++addAttempts;
    if (!shellRunning) return false;
    if (refuseNext > 0) {
        --refuseNext;
        return false;
    }
    shown.push_back(record);
    return true;
}

void FakeTrayIcons::Delete(const platform::TrayIconRecord& record) {
    std::erase_if(shown, [&](const platform::TrayIconRecord& icon) {
        return icon.target == record.target && icon.id == record.id;
    });
}

void FakeTrayIcons::RestartShell() {
    shown.clear();
    shellRunning = true;
    if (onTaskbarCreated) onTaskbarCreated();
}

void FakeTrayIcons::Mouse(int mouseMessage) {
    if (shown.empty()) return;
    const platform::TrayIconRecord record = shown.front();
    // The callback WM_MOUSEMOVE reaches the picture box as a move with X = the mouse message.
    if (record.callbackMessage == 0x200)
        if (auto* box = dynamic_cast<FakePictureBox*>(record.target)) box->MouseMove(mouseMessage);
}

std::string FakeSettingsStore::Read(std::string_view app, std::string_view section,
                                    std::string_view key, std::string_view defaultValue) {
    auto it = values.find(std::string(app) + "\\" + std::string(section) + "\\" + std::string(key));
    return it == values.end() ? std::string(defaultValue) : it->second;
}

void FakeSettingsStore::Write(std::string_view app, std::string_view section, std::string_view key,
                              std::string_view value) {
    values[std::string(app) + "\\" + std::string(section) + "\\" + std::string(key)] = value;
}

void FakeSettingsStore::Delete(std::string_view app, std::string_view section,
                               std::string_view key) {
    values.erase(std::string(app) + "\\" + std::string(section) + "\\" + std::string(key));
}

// A window in the viewer chain; its "window procedure" is a made-up full-width address.
class FakeViewerLink : public platform::ClipboardViewerLink {
  public:
    FakeViewerLink(FakeDesktop& desktop, std::function<void()> changed, int number)
        : desktop_(desktop), onChange(std::move(changed)),
          key_(std::to_string(0x10000 + number * 0x10)) {
        desktop_.settings.Write(platform::kViewerStoreApp, platform::kViewerStoreSection, key_,
                                std::to_string(kProc));
        desktop_.viewers_.push_back(this);
        if (onChange) onChange();
    }
    ~FakeViewerLink() override {
        std::erase(desktop_.viewers_, this);
        desktop_.settings.Delete(platform::kViewerStoreApp, platform::kViewerStoreSection, key_);
    }
    std::uintptr_t SavedWindowProc() const override { return kProc; }
    std::string StoreKey() const override { return key_; }

    static constexpr std::uintptr_t kProc = 0x7FF612345678ull;
    FakeDesktop& desktop_;
    std::function<void()> onChange;

  private:
    std::string key_;
};

FakeDesktop::FakeDesktop() {
    // The programs a bare Windows system starts by name.
    for (const char* name : {"notepad.exe", "cmd.exe", "explorer.exe", "control.exe"})
        programs.insert(name);
}

void FakeDesktop::SetTopmost(platform::Form& form, bool on) {
    topmost[&form] = on;
    auto* fakeForm = dynamic_cast<FakeForm*>(&form);
    topmostLog.emplace_back(fakeForm ? fakeForm->name : std::string(), on);
}

void FakeDesktop::StartProgram(std::string_view commandLine) {
    std::string line(commandLine);
    size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos) throw platform::RuntimeError(5);
    size_t end = line.find_first_of(" \t", start);
    std::string name = line.substr(start, end == std::string::npos ? end : end - start);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (!programs.contains(name) && !programs.contains(name + ".exe"))
        throw platform::RuntimeError(platform::err::FileNotFound);
    started.push_back(line);
}

platform::ClipboardContents FakeDesktop::ReadClipboard() {
    return clipboard;
}

std::unique_ptr<platform::ClipboardViewerLink>
FakeDesktop::JoinClipboardViewers(platform::Form&, std::function<void()> onChange) {
    return std::make_unique<FakeViewerLink>(*this, std::move(onChange), ++viewerCount);
}

void FakeDesktop::CopyText(std::string_view text) {
    clipboard = platform::ClipboardContents{true, std::string(text), 0};
    ClipboardChanged();
}

void FakeDesktop::CopyBitmap(platform::BitmapHandle bitmap) {
    clipboard = platform::ClipboardContents{false, "", bitmap};
    ClipboardChanged();
}

void FakeDesktop::ClearClipboard() {
    clipboard = platform::ClipboardContents{};
    ClipboardChanged();
}

void FakeDesktop::ClipboardChanged() {
    std::vector<FakeViewerLink*> viewers = viewers_;
    for (FakeViewerLink* viewer : viewers)
        if (viewer->onChange) viewer->onChange();
}

void FakeDesktop::PopupMenu(platform::Form&, platform::Menu& menu, std::string_view topItem,
                            std::string_view defaultItem) {
    ShownPopup shown{std::string(topItem), std::string(defaultItem), {}, {}};
    int top = menu.Find(topItem);
    for (int child : menu.Items()[top].children) {
        const auto& def = menu.Items()[child].def;
        shown.enabled[def.name] = def.enabled;
        shown.checked[def.name] = def.checked;
    }
    popups.push_back(shown);
    if (popupChoices.empty()) return;
    std::string choice = popupChoices.front();
    popupChoices.pop_front();
    menu.Choose(menu.Find(choice));
}

} // namespace fake
