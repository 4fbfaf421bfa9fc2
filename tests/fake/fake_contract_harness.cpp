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
