// The six letter-case transformations on plain texts, with the Western European code page.
#include <gtest/gtest.h>

#include <cctype>

#include "edit/case_conversion.h"
#include "fake/fake_services.h"

using edit::CaseCommand;
using edit::ConvertCase;

namespace {

const platform::CaseTable& Cases() {
    static fake::FakeLocale locale;
    return locale.Cases();
}

struct Case {
    const char* input;
    CaseCommand how;
    const char* expected;
};

} // namespace

TEST(CaseConversion, Table) {
    const Case cases[] = {
        {"Hello World 123", CaseCommand::LowerCase, "hello world 123"},
        {"Hello World 123", CaseCommand::UpperCase, "HELLO WORLD 123"},
        // Capitalize: separators mark a word start; a digit is a word character.
        {"hello wORLD", CaseCommand::Capitalize, "Hello World"},
        {"it's", CaseCommand::Capitalize, "It'S"},
        {"o'neil mcDONALD", CaseCommand::Capitalize, "O'Neil Mcdonald"},
        {"2nd place", CaseCommand::Capitalize, "2nd Place"},
        {"a1b", CaseCommand::Capitalize, "A1b"},
        {" hello world", CaseCommand::Capitalize, " hello World"}, // position 1 sets no mark
        {"x\r\nyZ", CaseCommand::Capitalize, "X\r\nYz"},
        {"a_b{c}d@e", CaseCommand::Capitalize, "A_B{C}D@E"},
        // .Sentecize: a period marks the next character above a blank; nothing is lowered.
        {"hello. world", CaseCommand::Sentecize, "Hello. World"},
        {"hELLO. wORLD", CaseCommand::Sentecize, "HELLO. WORLD"},
        {"e.g. this", CaseCommand::Sentecize, "E.G. This"},
        {".abc", CaseCommand::Sentecize, ".abc"},
        {"x.\r\nnext", CaseCommand::Sentecize, "X.\r\nNext"},
        {"a. \t b", CaseCommand::Sentecize, "A. \t B"},
        {"a.. b", CaseCommand::Sentecize, "A.. B"},
        {"Hello World 123", CaseCommand::InvertCase, "hELLO wORLD 123"},
        {"hello world", CaseCommand::CrackzCase, "hElLo wOrLd"},
        {"HELLO", CaseCommand::CrackzCase, "hElLo"},
        {"a\r\nbc", CaseCommand::CrackzCase, "a\r\nBc"}, // the break's characters count
        {"", CaseCommand::Capitalize, ""},
        {"", CaseCommand::Sentecize, ""},
        // Letters of the code page change case: à..þ, š, œ, ž, ÿ; × ÷ ß µ have no other case.
        {"\xE0\xE9\xFE\x9A\x9C\x9E\xFF", CaseCommand::UpperCase, "\xC0\xC9\xDE\x8A\x8C\x8E\x9F"},
        {"\xC0\xC9\xDE\x8A\x8C\x8E\x9F", CaseCommand::LowerCase, "\xE0\xE9\xFE\x9A\x9C\x9E\xFF"},
        {"\xD7\xF7\xDF\xB5", CaseCommand::UpperCase, "\xD7\xF7\xDF\xB5"},
        {"\xD7\xF7\xDF\xB5", CaseCommand::LowerCase, "\xD7\xF7\xDF\xB5"},
        {"\xE9t\xC9", CaseCommand::InvertCase, "\xC9T\xE9"},
        // Codes from 128 up are word characters: no word starts after them.
        {"\xE9t\xE9 caf\xC9", CaseCommand::Capitalize, "\xC9t\xE9 Caf\xE9"},
        {"x. \xE9t\xE9", CaseCommand::Sentecize, "X. \xC9t\xE9"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConvertCase(c.input, c.how, Cases()), c.expected)
            << '"' << c.input << "\" command " << static_cast<int>(c.how);
}

TEST(CaseConversion, EveryByteKeepsTheLength) {
    std::string all;
    for (int c = 1; c < 256; ++c)
        all += static_cast<char>(c);
    for (auto how : {CaseCommand::LowerCase, CaseCommand::UpperCase, CaseCommand::Capitalize,
                     CaseCommand::Sentecize, CaseCommand::InvertCase, CaseCommand::CrackzCase}) {
        std::string out = ConvertCase(all, how, Cases());
        ASSERT_EQ(out.size(), all.size());
        // Characters without case stay as they are, whichever command runs.
        for (size_t i = 0; i < all.size(); ++i) {
            char c = all[i];
            if (Cases().Upper(c) == c && Cases().Lower(c) == c) {
                EXPECT_EQ(out[i], c) << i;
            }
        }
    }
}

TEST(CaseConversion, WordSeparatorsAreTheAsciiCodesOtherThanDigitsAndLetters) {
    std::string separators;
    for (int c = 0; c < 256; ++c)
        if (edit::IsWordSeparator(static_cast<unsigned char>(c)))
            separators += static_cast<char>(c);
    std::string expected;
    for (int c = 0; c < 128; ++c)
        if (!std::isalnum(c)) expected += static_cast<char>(c);
    EXPECT_EQ(separators, expected);
}
