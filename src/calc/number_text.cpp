// Locale-independent number text: std::to_chars and std::from_chars never look
// at the C locale, unlike printf and strtod.
#include "calc/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>
#include <vector>

namespace calc {

namespace {

// digits: the significant digits of a value rounded to the wanted precision,
// without trailing zeros; exponent: the power of ten of the first digit.
template <typename Float> std::string FormatWithPrecision(Float value, int precision) {
    if (std::isnan(value)) return "-1.#IND";
    if (std::isinf(value)) return value > 0 ? " 1.#INF" : "-1.#INF";
    // Negative zero is written like zero.
    if (value == 0) return " 0";

    char buffer[64];
    const auto converted = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                         std::chars_format::scientific, precision - 1);
    const std::string_view scientific(buffer, static_cast<size_t>(converted.ptr - buffer));
    const size_t e = scientific.find('e');

    std::string digits;
    for (char c : scientific.substr(0, e))
        if (c != '.') digits += c;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    int exponent = 0;
    std::from_chars(scientific.data() + e + (scientific[e + 1] == '+' ? 2 : 1),
                    scientific.data() + scientific.size(), exponent);

    std::string text(1, value < 0 ? '-' : ' ');
    const int count = static_cast<int>(digits.size());
    if (exponent >= precision || exponent < -4) {
        text += digits[0];
        if (count > 1) text += '.' + digits.substr(1);
        text += exponent < 0 ? "E-" : "E+";
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10) text += '0';
        text += std::to_string(magnitude);
    } else if (exponent >= 0) {
        if (count <= exponent + 1) {
            text += digits + std::string(static_cast<size_t>(exponent + 1 - count), '0');
        } else {
            text += digits.substr(0, static_cast<size_t>(exponent + 1));
            text += '.' + digits.substr(static_cast<size_t>(exponent + 1));
        }
    } else {
        text += '.' + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    }
    return text;
}

bool IsSkipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int DigitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

// Reads text one significant character at a time, skipping blanks, tabs and line feeds.
class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}
    char Peek() {
        while (pos_ < text_.size() && IsSkipped(text_[pos_]))
            ++pos_;
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void Next() { ++pos_; }
    size_t Position() const { return pos_; }
    void Rewind(size_t pos) { pos_ = pos; }

  private:
    std::string_view text_;
    size_t pos_ = 0;
};

// Hexadecimal or octal digits, any number of them, read exactly and rounded to
// the nearest double once (halves to even); nothing when that is beyond a double.
std::optional<double> ReadPrefixed(Reader& reader, int base) {
    const int bitsPerDigit = base == 16 ? 4 : 3;
    std::vector<bool> bits; // most significant first, without leading zeros
    for (int digit; (digit = DigitValue(reader.Peek(), base)) >= 0; reader.Next()) {
        for (int b = bitsPerDigit - 1; b >= 0; --b) {
            const bool bit = (digit >> b) & 1;
            if (bit || !bits.empty()) bits.push_back(bit);
        }
    }
    constexpr size_t kMantissaBits = 53;
    std::uint64_t mantissa = 0;
    for (size_t i = 0; i < bits.size() && i < kMantissaBits; ++i)
        mantissa = (mantissa << 1) | (bits[i] ? 1 : 0);
    if (bits.size() <= kMantissaBits) return static_cast<double>(mantissa);

    int exponent = static_cast<int>(std::min<size_t>(bits.size() - kMantissaBits, 2000));
    const bool half = bits[kMantissaBits];
    bool beyondHalf = false;
    for (size_t i = kMantissaBits + 1; i < bits.size() && !beyondHalf; ++i)
        beyondHalf = bits[i];
    if (half && (beyondHalf || (mantissa & 1))) {
        if (++mantissa == std::uint64_t{1} << kMantissaBits) {
            mantissa >>= 1;
            ++exponent;
        }
    }
    // The largest double is just below 2^1024.
    if (exponent + static_cast<int>(kMantissaBits) > 1024) return std::nullopt;
    return std::ldexp(static_cast<double>(mantissa), exponent);
}

// Powers of ten beyond these give infinity or zero whatever the digits.
constexpr std::int64_t kOverflowMagnitude = 310;
constexpr std::int64_t kUnderflowMagnitude = -330;

} // namespace

std::string NumberText(double value) {
    return FormatWithPrecision(value, 15);
}

std::string SingleText(float value) {
    return FormatWithPrecision(value, 7);
}

std::optional<double> ReadNumber(std::string_view text) {
    Reader reader(text);
    if (reader.Peek() == '&') {
        reader.Next();
        const char kind = reader.Peek();
        if (kind == 'H' || kind == 'h') {
            reader.Next();
            return ReadPrefixed(reader, 16);
        }
        if (kind == 'O' || kind == 'o') {
            reader.Next();
            return ReadPrefixed(reader, 8);
        }
        return 0.0;
    }

    bool negative = false;
    if (reader.Peek() == '-' || reader.Peek() == '+') {
        negative = reader.Peek() == '-';
        reader.Next();
    }

    // Significant digits without leading zeros, and the power of ten of the
    // position just before the first of them.
    std::string digits;
    std::int64_t magnitude = 0;
    bool anyDigit = false;
    bool afterPoint = false;
    for (;;) {
        const char c = reader.Peek();
        if (IsDigit(c)) {
            anyDigit = true;
            if (!digits.empty() || c != '0') digits += c;
            if (!afterPoint && !digits.empty()) ++magnitude;
            if (afterPoint && digits.empty()) --magnitude;
        } else if (c == '.' && !afterPoint) {
            afterPoint = true;
        } else {
            break;
        }
        reader.Next();
    }
    if (!anyDigit) return 0.0;

    const char marker = reader.Peek();
    if (marker == 'E' || marker == 'e' || marker == 'D' || marker == 'd') {
        const size_t markerPos = reader.Position();
        reader.Next();
        bool negativeExponent = false;
        if (reader.Peek() == '-' || reader.Peek() == '+') {
            negativeExponent = reader.Peek() == '-';
            reader.Next();
        }
        if (IsDigit(reader.Peek())) {
            std::int64_t exponent = 0;
            for (; IsDigit(reader.Peek()); reader.Next())
                if (exponent < 1'000'000'000) exponent = exponent * 10 + (reader.Peek() - '0');
            magnitude += negativeExponent ? -exponent : exponent;
        } else {
            reader.Rewind(markerPos); // "1E" alone is just 1
        }
    }

    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    if (digits.empty()) return negative ? -0.0 : 0.0;
    if (magnitude > kOverflowMagnitude) return std::nullopt;
    if (magnitude < kUnderflowMagnitude) return negative ? -0.0 : 0.0;

    const std::string canonical = "0." + digits + "e" + std::to_string(magnitude);
    double value = 0;
    const auto [end, error] =
        std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        if (magnitude > 0) return std::nullopt;
        value = 0;
    }
    if (std::isinf(value)) return std::nullopt;
    return negative ? -value : value;
}

} // namespace calc
