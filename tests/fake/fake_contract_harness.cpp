// The contract tests' platform on the host: the fake.
#include "contract/contract_harness.h"
#include "fake/fake_platform.h"

platform::Platform& ContractPlatform() {
    static fake::FakePlatform platform;
    return platform;
}

std::string ContractFolder() {
    auto& fake = static_cast<fake::FakePlatform&>(ContractPlatform());
    fake.files.files.clear();
    fake.files.folders = {"C:\\contract"};
    return "C:\\contract\\";
}

void QueueTyping(platform::TextBox& box, std::string_view text) {
    auto& fake = static_cast<fake::FakePlatform&>(ContractPlatform());
    auto& fakeBox = dynamic_cast<fake::FakeTextBox&>(box);
    for (char c : text)
        fake.pendingEvents.push_back([&fakeBox, c] { fakeBox.Type(std::string(1, c)); });
}

std::string AnswerInputBox(std::string_view prompt, std::string_view title,
                           std::string_view defaultText, std::optional<std::string> typed,
                           InputBoxSeen& seen) {
    auto& fake = static_cast<fake::FakePlatform&>(ContractPlatform());
    fake.inputAnswers = {typed};
    std::string answer = fake.InputBox(prompt, title, defaultText);
    const auto& shown = fake.inputs.back();
    seen = {shown.title, shown.prompt, shown.defaultText};
    return answer;
}

namespace {
fake::FakeClipboard& Clip() {
    return static_cast<fake::FakePlatform&>(ContractPlatform()).clipboard;
}
} // namespace

void PasteAsUser(platform::TextBox& box) {
    dynamic_cast<fake::FakeTextBox&>(box).UserPaste(Clip().formats["Text"]);
}

void OtherProgramPutsText(std::string_view text) {
    Clip().formats = {{"Text", std::string(text)}};
}
void OtherProgramPutsPicture() {
    Clip().formats = {{"Bitmap", "1x1"}};
}
bool ClipboardHoldsPicture() {
    return Clip().formats.contains("Bitmap");
}
void OtherProgramHoldsClipboard(bool briefly) {
    Clip().heldFor = briefly ? 3 : 1 << 30;
}
void OtherProgramReleasesClipboard() {
    Clip().heldFor = 0;
}

void OpenMenuAsUser(platform::MdiFrame& frame, platform::Menu&, std::string_view item) {
    dynamic_cast<fake::FakeForm&>(frame).OpenMenu(item);
}
void PressShortcutAsUser(platform::MdiFrame& frame, platform::Shortcut shortcut) {
    dynamic_cast<fake::FakeForm&>(frame).PressShortcut(shortcut);
}

void CloseBoxAsUser(platform::Form& form) {
    dynamic_cast<fake::FakeForm&>(form).UserClose();
}

void TakeBackQuit() {}

std::shared_ptr<void> AnswerFontDialog(bool ok) {
    auto& fake = static_cast<fake::FakePlatform&>(ContractPlatform());
    fake.fontAnswers.push_back(ok ? std::optional<fake::FontChoice>(fake::FontChoice{})
                                  : std::nullopt);
    return nullptr;
}

std::shared_ptr<void> AnswerPrinterDialog(bool ok) {
    auto& fake = static_cast<fake::FakePlatform&>(ContractPlatform());
    fake.printerAnswers.push_back(ok ? std::optional<fake::PrinterChoice>(fake::PrinterChoice{})
                                     : std::nullopt);
    return nullptr;
}

bool ContractHasPrinter() {
    return true;
}

void ContractCopyText(std::string_view text) {
    static_cast<fake::FakePlatform&>(ContractPlatform()).desktop.CopyText(text);
}

void ContractCopyBitmap() {
    static_cast<fake::FakePlatform&>(ContractPlatform()).desktop.CopyBitmap(0xB17);
}

void ContractMouseMove(platform::PictureBox& box, int x, int y) {
    dynamic_cast<fake::FakePictureBox&>(box).MouseMove(x, y);
}

void DoubleClickAsUser(platform::ListBox& list, int index) {
    dynamic_cast<fake::FakeListBox&>(list).DoubleClick(index);
}

void SwitchLockKeyAsUser(platform::StatusBar& bar, platform::PanelStyle key, bool on) {
    auto& fakeBar = dynamic_cast<fake::FakeStatusBar&>(bar);
    using platform::PanelStyle;
    (key == PanelStyle::Insert ? fakeBar.insert
     : key == PanelStyle::Caps ? fakeBar.caps
     : key == PanelStyle::Num  ? fakeBar.num
                               : fakeBar.scroll) = on;
}

std::shared_ptr<void> ChooseInNextPopup(platform::Menu&, std::string_view item) {
    static_cast<fake::FakePlatform&>(ContractPlatform()).desktop.popupChoices.emplace_back(item);
    return nullptr;
}
