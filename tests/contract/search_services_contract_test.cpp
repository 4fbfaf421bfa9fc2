// The services a long search needs: the locale's case folding, and whether input waits.
#include <gtest/gtest.h>

#include "contract/contract_harness.h"

TEST(CaseFoldContract, FoldsLettersAndKeepsTheRest) {
    const std::string table = ContractPlatform().CaseFoldTable();
    ASSERT_EQ(table.size(), 256u);
    const auto fold = [&](int c) {
        return static_cast<unsigned char>(table[static_cast<size_t>(c)]);
    };
    for (int c = 'A'; c <= 'Z'; ++c)
        EXPECT_EQ(fold(c), c + 32) << c;
    for (int c = 0; c < 128; ++c) {
        if (c < 'A' || c > 'Z') {
            EXPECT_EQ(fold(c), c) << c;
        }
    }
    for (int c = 0; c < 256; ++c) {
        EXPECT_EQ(fold(fold(c)), fold(c)) << c; // folding twice changes nothing
    }
}

TEST(InputWaitingContract, NothingWaitsAfterEventsRan) {
    ContractPlatform().DoEvents();
    EXPECT_FALSE(ContractPlatform().InputWaiting());
}
