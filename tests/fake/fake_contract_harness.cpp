#include "contract/contract_harness.h"
#include "fake/fake_platform.h"

platform::Platform& ContractPlatform() {
    static fake::FakePlatform platform;
    return platform;
}
