// The services a long search needs: the locale's case folding, and whether input waits.
#include <gtest/gtest.h>

#include "contract/contract_harness.h"

TEST(InputWaitingContract, NothingWaitsAfterEventsRan) {
    ContractPlatform().DoEvents();
    EXPECT_FALSE(ContractPlatform().InputWaiting());
}
