// Letter case of a text, character by character, with the marks that Capitalize and
// .Sentecize carry from one character to the next.
#include "edit/case_conversion.h"

namespace edit {

bool IsWordSeparator(unsigned char c) {
    return c <= 47 || (c >= 58 && c <= 64) || (c >= 91 && c <= 96) || (c >= 123 && c <= 127);
}

namespace {

void Capitalize(std::string& s, const platform::CaseTable& cases) {
    // The first character is put in upper case whatever it is, and never sets the mark: a
    // text that begins with a separator leaves its first word in lower case.
    s[0] = cases.Upper(s[0]);
    bool wordStart = false;
    for (size_t i = 1; i < s.size(); ++i) {
        if (IsWordSeparator(static_cast<unsigned char>(s[i]))) {
            wordStart = true;
        } else if (wordStart) {
            s[i] = cases.Upper(s[i]);
            wordStart = false;
        } else {
            s[i] = cases.Lower(s[i]);
        }
    }
}

void Sentecize(std::string& s, const platform::CaseTable& cases) {
    // Only ever raises: a period marks the next character above a blank for upper case.
    s[0] = cases.Upper(s[0]);
    bool sentenceStart = false;
    for (size_t i = 1; i < s.size(); ++i) {
        auto c = static_cast<unsigned char>(s[i]);
        if (c == '.') {
            sentenceStart = true;
        } else if (c > 32 && sentenceStart) {
            s[i] = cases.Upper(s[i]);
            sentenceStart = false;
        }
    }
}

} // namespace

std::string ConvertCase(std::string_view text, CaseCommand how, const platform::CaseTable& cases) {
    std::string s(text);
    if (s.empty()) return s;
    switch (how) {
    case CaseCommand::LowerCase:
        for (char& c : s)
            c = cases.Lower(c);
        break;
    case CaseCommand::UpperCase:
        for (char& c : s)
            c = cases.Upper(c);
        break;
    case CaseCommand::Capitalize:
        Capitalize(s, cases);
        break;
    case CaseCommand::Sentecize:
        Sentecize(s, cases);
        break;
    case CaseCommand::InvertCase:
        for (char& c : s)
            c = c == cases.Upper(c) ? cases.Lower(c) : cases.Upper(c);
        break;
    case CaseCommand::CrackzCase:
        // Positions count from 1: odd ones lower, even ones upper, blanks and breaks counted.
        for (size_t i = 0; i < s.size(); ++i)
            s[i] = i % 2 == 0 ? cases.Lower(s[i]) : cases.Upper(s[i]);
        break;
    }
    return s;
}

} // namespace edit
