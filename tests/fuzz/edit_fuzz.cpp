// libFuzzer target over the six letter-case transformations and Truncate lines. The first
// byte chooses the case table (none, ASCII, Western European); the rest is the selection.
// Case never changes the length nor a character without case; Truncate lines keeps every
// CR LF pair and every character but the blanks it must remove, and leaves none of those.
#include "edit/case_conversion.h"
#include "edit/truncate_lines.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

platform::CaseTable Table(int kind) {
    platform::CaseTable cases;
    auto pair = [&](int upper, int lower) {
        cases.upper[lower] = static_cast<unsigned char>(upper);
        cases.lower[upper] = static_cast<unsigned char>(lower);
    };
    if (kind >= 1)
        for (int c = 'A'; c <= 'Z'; ++c)
            pair(c, c + 32);
    if (kind >= 2) {
        for (int c = 0xC0; c <= 0xDE; ++c)
            if (c != 0xD7) pair(c, c + 32);
        pair(0x8A, 0x9A);
        pair(0x9F, 0xFF);
    }
    return cases;
}

size_t Count(std::string_view s, std::string_view part) {
    size_t n = 0;
    for (size_t p = s.find(part); p != std::string_view::npos; p = s.find(part, p + part.size()))
        ++n;
    return n;
}

bool Blank(char c) {
    return c == ' ' || c == '\t';
}

void Check(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static const platform::CaseTable tables[] = {Table(0), Table(1), Table(2)};
    const platform::CaseTable& cases = tables[data[0] % 3];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    for (auto how : {edit::CaseCommand::LowerCase, edit::CaseCommand::UpperCase,
                     edit::CaseCommand::Capitalize, edit::CaseCommand::Sentecize,
                     edit::CaseCommand::InvertCase, edit::CaseCommand::CrackzCase}) {
        const std::string out = edit::ConvertCase(text, how, cases);
        Check(out.size() == text.size());
        for (size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            if (cases.Upper(c) == c && cases.Lower(c) == c) Check(out[i] == c);
            Check(out[i] == c || out[i] == cases.Upper(c) || out[i] == cases.Lower(c));
        }
    }

    const std::string trimmed = edit::TrimLineEnds(text);
    Check(trimmed.size() <= text.size());
    Check(Count(trimmed, "\r\n") == Count(text, "\r\n"));
    Check(trimmed.empty() || !Blank(trimmed.back()));
    for (size_t p = trimmed.find("\r\n"); p != std::string::npos; p = trimmed.find("\r\n", p + 2))
        Check(p == 0 || !Blank(trimmed[p - 1]));
    // Only blanks went: the rest of the text stands in its order.
    size_t j = 0;
    for (char c : text) {
        if (j < trimmed.size() && trimmed[j] == c)
            ++j;
        else
            Check(Blank(c));
    }
    Check(j == trimmed.size());
    // Nothing is left to remove.
    Check(edit::TrimLineEnds(trimmed) == trimmed);
    return 0;
}
