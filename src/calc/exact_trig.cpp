// Sine, cosine, tangent and arctangent. The argument is reduced modulo pi/2 with
// the exact binary digits of 2/pi (Payne-Hanek), so that huge arguments and
// arguments near a multiple of pi/2 keep all their digits; the reduced argument
// goes through the Taylor series in double-double arithmetic.
#include "calc/exact_math.h"
#include "calc/wide_multiply.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace calc::exact {

namespace {

using Limb = std::uint64_t;

// The first 1408 bits of 2/pi after the binary point, most significant first:
// enough for the largest doubles (exponent 1023) plus the 256 bits used below.
constexpr std::array<Limb, 22> kTwoOverPi = {
    0xA2F9836E4E441529, 0xFC2757D1F534DDC0, 0xDB6295993C439041, 0xFE5163ABDEBBC561,
    0xB7246E3A424DD2E0, 0x06492EEA09D1921C, 0xFE1DEB1CB129A73E, 0xE88235F52EBB4484,
    0xE99C7026B45F7E41, 0x3991D639835339F4, 0x9C845F8BBDF9283B, 0x1FF897FFDE05980F,
    0xEF2F118B5A0A6D1F, 0x6D367ECF27CB09B7, 0x4F463F669E5FEA2D, 0x7527BAC7EBE5F17B,
    0x3D0739F78A5292EA, 0x6BFB5FB11F8D5D08, 0x56033046FC7B6BAB, 0xF0CFBC209AF4361D,
    0xA9E391615EE61B08, 0x6599855F14A06840,
};

constexpr DoubleDouble kHalfPi{0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54};

// Bits first .. first + 63 of 2/pi after the binary point (counted from 1); 0
// beyond the table.
Limb TwoOverPiBits64(int first) {
    auto bit = [](int i) -> Limb {
        const int index = i - 1;
        const int limb = index / 64;
        if (limb >= static_cast<int>(kTwoOverPi.size())) return 0;
        return (kTwoOverPi[static_cast<size_t>(limb)] >> (63 - index % 64)) & 1;
    };
    Limb value = 0;
    for (int i = 0; i < 64; ++i)
        value = (value << 1) | bit(first + i);
    return value;
}

struct Reduced {
    int quadrant = 0; // x = (quadrant + 4n) * pi/2 + r
    DoubleDouble r;   // |r| <= pi/4 (slightly more at the rounding of the fraction)
};

// x > pi/4, finite.
Reduced ReduceLarge(double x) {
    // x = m * 2^e with an integer m < 2^53.
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
    const Limb m = (bits & ((Limb{1} << 52) - 1)) | (Limb{1} << 52);
    const int e = static_cast<int>(bits >> 52) - 1075;

    // Bits of 2/pi before position e - 1 give multiples of 4 (whole turns) in
    // m * 2^e * 2/pi and are left out. The 256 bits from there on, times m, give
    // the quadrant and the fraction with more than 190 bits to spare.
    const int first = e - 1 > 1 ? e - 1 : 1;
    std::array<Limb, 5> product{}; // m * window, least significant limb first
    for (int i = 0; i < 4; ++i) {
        const Limb window = TwoOverPiBits64(first + 64 * (3 - i));
        const Wide128 part = MultiplyWide(m, window);
        const Limb sum = part.low + product[static_cast<size_t>(i)];
        product[static_cast<size_t>(i)] = sum;
        product[static_cast<size_t>(i) + 1] += part.high + (sum < part.low ? 1 : 0);
    }
    // The value is product / 2^shift.
    const int shift = first + 255 - e;
    auto bitsAt = [&product](int low) -> Limb { // the 64 bits from bit low upwards
        const int limb = low / 64, offset = low % 64;
        Limb value = product[static_cast<size_t>(limb)] >> offset;
        if (offset != 0 && limb + 1 < 5)
            value |= product[static_cast<size_t>(limb) + 1] << (64 - offset);
        return value;
    };
    int quadrant = static_cast<int>(bitsAt(shift) & 3);
    // The fraction's top 128 bits.
    Limb high = bitsAt(shift - 64), low = bitsAt(shift - 128);
    bool negative = false;
    if (high >> 63) { // fraction >= 1/2: take fraction - 1 towards the next quadrant
        quadrant = (quadrant + 1) & 3;
        negative = true;
        low = ~low + 1;
        high = ~high + (low == 0 ? 1 : 0);
    }
    // The 128-bit magnitude as a double-double, times pi/2.
    // No double lies within 2^-128 of a multiple of pi/2 (the closest is about
    // 2^-62 away), so the fraction has a set bit; zero is only a safeguard.
    if (high == 0 && low == 0) return {quadrant, {0, 0}};
    int exponent = -64;
    while (high == 0) {
        high = low;
        low = 0;
        exponent -= 64;
    }
    const int zeros = std::countl_zero(high);
    if (zeros > 0) {
        high = (high << zeros) | (low >> (64 - zeros));
        low <<= zeros;
        exponent -= zeros;
    }
    // high = a * 2^11 + 11 bits; those bits and low make b * 2^11, rounded.
    const double a = static_cast<double>(high >> 11);
    const double b = static_cast<double>(((high & 0x7FF) << 53) | (low >> 11));
    const DoubleDouble fraction = QuickTwoSum(Scaled(a, exponent + 11), Scaled(b, exponent - 53));
    const DoubleDouble r = fraction * kHalfPi;
    return {quadrant, negative ? -r : r};
}

Reduced Reduce(double x) { // x >= 0
    if (x <= 0.785398163397448) return {0, {x, 0}};
    return ReduceLarge(x);
}

// sin r and cos r for |r| <= pi/4 (a little more is harmless) by their series.
DoubleDouble SinSeries(DoubleDouble r) {
    const DoubleDouble r2 = r * r;
    DoubleDouble sum = r, term = r;
    for (int n = 2; n < 60; n += 2) {
        term = -(term * r2 / static_cast<double>(n * (n + 1)));
        sum = sum + term;
        if (std::fabs(term.hi) <= std::fabs(sum.hi) * 1e-36) break;
    }
    return sum;
}

DoubleDouble CosSeries(DoubleDouble r) {
    const DoubleDouble r2 = r * r;
    DoubleDouble sum{1, 0}, term{1, 0};
    for (int n = 1; n < 60; n += 2) {
        term = -(term * r2 / static_cast<double>(n * (n + 1)));
        sum = sum + term;
        if (std::fabs(term.hi) <= 1e-36) break;
    }
    return sum;
}

// sin x (cosine false) or cos x (cosine true) as a double-double.
DoubleDouble SinOrCos(double x, bool cosine) {
    const bool negative = x < 0;
    const Reduced reduced = Reduce(std::fabs(x));
    // cos x = sin(x + pi/2): one quadrant further on.
    const int quadrant = (reduced.quadrant + (cosine ? 1 : 0)) & 3;
    DoubleDouble value = quadrant & 1 ? CosSeries(reduced.r) : SinSeries(reduced.r);
    if (quadrant & 2) value = -value;
    if (negative && !cosine) value = -value;
    return value;
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

} // namespace

double Sin(double x) {
    if (!std::isfinite(x)) return kNaN;
    if (x == 0) return x;
    return Rounded(SinOrCos(x, false));
}

double Cos(double x) {
    if (!std::isfinite(x)) return kNaN;
    return Rounded(SinOrCos(x, true));
}

double Tan(double x) {
    if (!std::isfinite(x)) return kNaN;
    if (x == 0) return x;
    return Rounded(SinOrCos(x, false) / SinOrCos(x, true));
}

double Atan(double x) {
    if (std::isnan(x)) return x;
    if (std::isinf(x)) return x > 0 ? Rounded(kHalfPi) : -Rounded(kHalfPi);
    if (x == 0) return x;
    // Beyond 2^60, atan x = pi/2 - atan(1/x) = pi/2 - 1/x to far more than double
    // precision (the next term is below 2^-180); the products below would overflow
    // near the largest doubles.
    if (std::fabs(x) > 0x1p60) {
        const DoubleDouble value = kHalfPi - DoubleDouble{1 / std::fabs(x), 0};
        return x > 0 ? Rounded(value) : -Rounded(value);
    }
    // A first value y from the runtime (any few correct digits would do), then
    // atan x = y + atan u with u = (x - tan y) / (1 + x tan y)
    //        = (x cos y - sin y) / (cos y + x sin y), and atan u = u - u^3/3 + ...
    const double y = std::atan(x);
    const DoubleDouble sine = SinOrCos(y, false), cosine = SinOrCos(y, true);
    const DoubleDouble u = (cosine * x - sine) / (cosine + sine * x);
    const DoubleDouble correction = u - u * u * u / 3.0;
    return Rounded(DoubleDouble{y, 0} + correction);
}

} // namespace calc::exact
