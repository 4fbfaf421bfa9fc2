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
