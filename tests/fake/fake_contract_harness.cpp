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

void ContractCopyText(std::string_view text) {
    static_cast<fake::FakePlatform&>(ContractPlatform()).desktop.CopyText(text);
}

void ContractCopyBitmap() {
    static_cast<fake::FakePlatform&>(ContractPlatform()).desktop.CopyBitmap(0xB17);
}

void ContractMouseMove(platform::PictureBox& box, int x, int y) {
    dynamic_cast<fake::FakePictureBox&>(box).MouseMove(x, y);
}
