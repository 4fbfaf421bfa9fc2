// The clipboard service: text in and out, what another program leaves on it, and a clipboard
// that another program holds open.
#include <gtest/gtest.h>

#include "contract/contract_harness.h"

namespace {

platform::Clipboard& Clipboard() {
    return ContractPlatform().SystemClipboard();
}

std::string EveryByte() {
    std::string text;
    for (int c = 1; c < 256; ++c)
        text += static_cast<char>(c);
    return text;
}

} // namespace

TEST(ClipboardContract, TextGoesOnAndComesBackAsItWas) {
    for (const std::string& text : {std::string("plain"), std::string("two\r\nlines"), EveryByte(),
                                    std::string(65535, 'x'), std::string()}) {
        ASSERT_TRUE(Clipboard().Clear());
        ASSERT_TRUE(Clipboard().SetText(text));
        EXPECT_EQ(Clipboard().GetText(), text);
    }
}

TEST(ClipboardContract, TextOfAnotherProgramIsRead) {
    OtherProgramPutsText("from elsewhere \xE9");
    EXPECT_EQ(Clipboard().GetText(), "from elsewhere \xE9");
}

TEST(ClipboardContract, NoTextReadsAsEmpty) {
    OtherProgramPutsPicture();
    ASSERT_TRUE(ClipboardHoldsPicture());
    EXPECT_EQ(Clipboard().GetText(), "");
    // Clear takes every format away, and text put on the clipboard replaces the picture.
    ASSERT_TRUE(Clipboard().Clear());
    EXPECT_FALSE(ClipboardHoldsPicture());
    EXPECT_EQ(Clipboard().GetText(), "");
    OtherProgramPutsPicture();
    ASSERT_TRUE(Clipboard().SetText("words"));
    EXPECT_FALSE(ClipboardHoldsPicture());
    EXPECT_EQ(Clipboard().GetText(), "words");
}

TEST(ClipboardContract, AClipboardHeldForAMomentIsWaitedFor) {
    OtherProgramPutsText("theirs");
    OtherProgramHoldsClipboard(true);
    EXPECT_TRUE(Clipboard().SetText("ours"));
    OtherProgramReleasesClipboard();
    EXPECT_EQ(Clipboard().GetText(), "ours");
}

TEST(ClipboardContract, AClipboardHeldForGoodIsLeftAsItWas) {
    OtherProgramPutsText("theirs");
    OtherProgramHoldsClipboard(false);
    EXPECT_FALSE(Clipboard().Clear());
    EXPECT_FALSE(Clipboard().SetText("ours"));
    EXPECT_EQ(Clipboard().GetText(), std::nullopt);
    OtherProgramReleasesClipboard();
    EXPECT_EQ(Clipboard().GetText(), "theirs");
}
