// Go-to computations on plain values.
#include "search/goto_position.h"

#include <cmath>
#include <string>

namespace search {

std::optional<double> ReadGotoNumber(std::string_view answer, std::string_view decimal) {
    size_t i = 0;
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (i < answer.size() && blank(answer[i]))
        ++i;
    size_t end = answer.size();
    while (end > i && blank(answer[end - 1]))
        --end;
    std::string_view s = answer.substr(i, end - i);
    bool negative = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    double whole = 0, fraction = 0, scale = 1;
    bool digits = false, inFraction = false;
    while (!s.empty()) {
        if (s[0] >= '0' && s[0] <= '9') {
            digits = true;
            if (inFraction) {
                scale /= 10;
                fraction += (s[0] - '0') * scale;
            } else {
                whole = whole * 10 + (s[0] - '0');
            }
            s.remove_prefix(1);
        } else if (!inFraction && !decimal.empty() && s.substr(0, decimal.size()) == decimal) {
            inFraction = true;
            s.remove_prefix(decimal.size());
        } else {
            return std::nullopt;
        }
    }
    if (!digits) return std::nullopt;
    const double value = whole + fraction;
    return negative ? -value : value;
}

std::optional<int> LineStartOffset(std::string_view text, double number) {
    if (number == 1) return 0;
    int line = 1;
    size_t from = 0;
    for (;;) {
        const size_t lineBreak = text.find("\r\n", from);
        if (lineBreak == std::string_view::npos) return std::nullopt;
        ++line;
        from = lineBreak + 1;
        if (number == line) return static_cast<int>(lineBreak + 2);
        if (line > 65535) return std::nullopt;
    }
}

std::optional<int> PositionOffset(int textLength, double number) {
    if (number > textLength || number < 0) return std::nullopt;
    return static_cast<int>(std::nearbyint(number)); // the default rounding: half to even
}

int LongestLineStart(int textLength, const std::function<int(int offset)>& lineLength) {
    int p = 0, max = 0, best = 0;
    for (;;) {
        const int length = lineLength(p);
        if (length > max) {
            max = length;
            best = p;
        }
        p += length + 2;
        if (p > textLength) return best;
    }
}

} // namespace search
