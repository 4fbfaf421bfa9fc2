// The input box returns what the user typed, or an empty text for Cancel.
#include <gtest/gtest.h>

#include "contract/contract_harness.h"

TEST(InputBoxContract, ReturnsTheTypedTextOrEmptyForCancel) {
    const std::string prompt = "Insert a value of line to GoTo :\r\n\r\n(1 - 65535)";
    struct Case {
        std::string defaultText;
        std::optional<std::string> typed; // nullopt: Cancel
        std::string expected;
    } cases[] = {
        {"", "42", "42"},
        {"", "", ""},                  // OK with nothing typed
        {"", std::nullopt, ""},        // Cancel
        {"notepad", std::nullopt, ""}, // Cancel keeps nothing of the default
        {"", " a b ", " a b "},        // blanks stand as typed
    };
    for (const Case& c : cases) {
        InputBoxSeen seen;
        std::string answer = AnswerInputBox(prompt, "Scrivex", c.defaultText, c.typed, seen);
        EXPECT_EQ(answer, c.expected) << c.typed.value_or("(cancel)");
        EXPECT_EQ(seen.title, "Scrivex");
        EXPECT_EQ(seen.prompt, prompt);
        EXPECT_EQ(seen.entry, c.defaultText);
    }
}
