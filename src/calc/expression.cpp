// Tokenizer, name substitution and group reduction.
#include "calc/expression.h"

#include "calc/number_text.h"

namespace calc {

namespace {

// The position of a character in this set decides how the tokenizer treats it.
constexpr std::string_view kSeparators = " ,-+*/\\:_^%!'()";

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

} // namespace

void TokenizeExpression(TokenList& lstMath, std::string_view text, bool usePreviousResult,
                        std::string_view previousResult) {
    lstMath.Clear();
    lstMath.Append("(");
    std::string token;
    auto flush = [&] {
        if (!token.empty()) lstMath.Append(std::move(token));
        token.clear();
    };
    for (char c : text) {
        // ReduceGroups refuses a list beyond the 16-bit positions whatever follows,
        // so there is no point in building the rest of a huge one.
        if (lstMath.Count() > kMaxPosition) break;
        const size_t found = kSeparators.find(c);
        const size_t p = found == std::string_view::npos ? 0 : found + 1;
        if (p == 0) {
            token += c;
        } else if (p <= 2) {
            flush();
        } else if (p <= 4 && !token.empty() && (token.back() == 'e' || token.back() == 'E')) {
            token += c; // the sign of an exponent, as in 1e-5
        } else {
            flush();
            lstMath.Append(std::string(1, c));
        }
    }
    flush();
    if (usePreviousResult) lstMath.Append(std::string(previousResult));
    lstMath.Append(")");
}

void SubstituteNames(TokenList& lstMath, const std::array<double, 3>& Variables,
                     const std::function<float()>& nextRandom) {
    // Up to and including the count: the last pass reads past the end and changes nothing.
    for (int i = 0; i <= lstMath.Count(); ++i) {
        const std::string name = UpperCase(lstMath.Item(i));
        if (name == "RND")
            lstMath.Replace(i, SingleText(nextRandom()));
        else if (name == "X")
            lstMath.Replace(i, NumberText(Variables[0]));
        else if (name == "Y")
            lstMath.Replace(i, NumberText(Variables[1]));
        else if (name == "Z")
            lstMath.Replace(i, NumberText(Variables[2]));
        // The constants are kept as these texts, not at full precision.
        else if (name == "PI")
            lstMath.Replace(i, "3.14159265358978");
        else if (name == "E")
            lstMath.Replace(i, "2.71828182845905");
        else if (name == "G")
            lstMath.Replace(i, "9.81");
    }
}

void ReduceGroups(TokenList& lstMath, TokenList& lstMathx,
                  const std::function<std::string()>& evaluateGroup,
                  const ErrorReporter& reportError) {
    if (lstMath.Count() > kMaxPosition) {
        if (reportError) reportError();
        lstMath.Clear();
        lstMath.Append("");
        return;
    }
    // From the right end, so the first "(" found holds no further "(": groups
    // are reduced innermost first and siblings from right to left.
    for (int k = lstMath.Count(); k >= 0; --k) {
        if (lstMath.Item(k) != "(") continue;
        lstMathx.Clear();
        lstMathx.Append("0");
        // A leading sign makes the group 0 - ... or 0 + ...; anything else 0 + ...
        const std::string& first = lstMath.Item(k + 1);
        if (first != "-" && first != "+") lstMathx.Append("+");
        int j = k + 1;
        for (;;) {
            if (lstMath.Item(j) == ")") break;
            lstMathx.Append(lstMath.Item(j));
            ++j;
            if (j >= lstMath.Count()) break; // a group without ")" runs to the end
        }
        // Gives postfix operators and a last prefix function an item on their right.
        lstMathx.Append("0");
        lstMath.Replace(k, evaluateGroup());
        lstMath.RemoveFrom(k + 1, j - k);
    }
}

} // namespace calc
