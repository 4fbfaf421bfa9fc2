// Text helpers, command-line splitting and the system root.
#include <gtest/gtest.h>

#include "app/app.h"
#include "core/text_helpers.h"

using namespace core;

TEST(TextHelpers, AfterAndUpToLast) {
    struct Case {
        const char* text;
        const char* separator;
        const char* after;
        const char* upTo;
    };
    const Case cases[] = {
        {"C:\\dir\\a.txt", "\\", "a.txt", "C:\\dir\\"},
        {"a.txt", "\\", "", "a.txt"},
        {"", "\\", "", ""},
        {"C:\\dir\\", "\\", "", "C:\\dir\\"},
        // With the two-character line break the result keeps the line feed.
        {"\r\nab\r\ncd", "\r\n", "\ncd", "\r\nab\r"},
        {"\r\n", "\r\n", "\n", "\r"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextAfterLast(c.text, c.separator), c.after) << c.text;
        EXPECT_EQ(TextUpToLast(c.text, c.separator), c.upTo) << c.text;
    }
    EXPECT_EQ(LargerOf(-5, 0), 0);
    EXPECT_EQ(LargerOf(7, 3), 7);
}

TEST(TextHelpers, SystemRootOfWindowsFolder) {
    EXPECT_EQ(app::SystemRoot("C:\\WINDOWS"), "C:\\");
    EXPECT_EQ(app::SystemRoot("D:\\Win\\Sub"), "D:\\");
    EXPECT_EQ(app::SystemRoot("\\\\server\\share"), "\\\\");
    EXPECT_EQ(app::SystemRoot("C:"), "");
    EXPECT_EQ(app::SystemRoot(std::string(260, ' ')), "");
}

TEST(CommandLine, SplitsNames) {
    struct Case {
        const char* args;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"", {}},
        {"     ", {}},
        {"a.txt", {"a.txt"}},
        {"\"C:\\a b.txt\" c.txt", {"C:\\a b.txt", "c.txt"}},
        {"  a.txt    b.txt  ", {"a.txt", "b.txt"}},
        {"\"\"", {""}},     // empty quotes make an empty name, which the opener skips
        {"\"a b", {"a b"}}, // an unbalanced quote runs to the end
        {"a\" b\" c",
         {"a\" b", "c"}}, // quotes inside a name keep the blank; one trailing quote goes
        {"\"  \"", {"  "}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(app::SplitCommandLine(c.args), c.names) << c.args;
}
