// Exponential, logarithm and power in double-double arithmetic, rounded to
// double once at the end.
#include "calc/exact_math.h"

#include "calc/wide_multiply.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace calc::exact {

namespace {

constexpr DoubleDouble kLn2{0x1.62e42fefa39efp-1, 0x1.abc9e3b39803fp-56};
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// e^x and ln x cannot be represented beyond these.
constexpr double kExpOverflow = 709.79;
constexpr double kExpUnderflow = -745.2;

double PowerOfTwo(int n) { // -1022 <= n <= 1023
    return std::bit_cast<double>(static_cast<std::uint64_t>(n + 1023) << 52);
}

// e^x = 2^k * e^r with r = x - k ln 2, |r| <= ln 2 / 2: returns e^r and sets k.
DoubleDouble ExpReduced(DoubleDouble x, int& k) {
    const double multiple = std::floor(x.hi / kLn2.hi + 0.5);
    k = static_cast<int>(multiple);
    DoubleDouble r = x - TwoProd(multiple, kLn2.hi) - DoubleDouble{multiple * kLn2.lo, 0};

    // e^r = (e^(r/1024))^1024: e^r - 1 by its series for the small argument, then
    // squared back with (1 + s)^2 - 1 = s * (2 + s).
    constexpr int kHalvings = 10;
    r = {r.hi / 1024, r.lo / 1024};
    DoubleDouble s = r, term = r;
    for (int n = 2; n < 30; ++n) {
        term = term * r / static_cast<double>(n);
        s = s + term;
        if (std::fabs(term.hi) < 1e-36) break;
    }
    for (int i = 0; i < kHalvings; ++i)
        s = s * (DoubleDouble{2, 0} + s);
    return DoubleDouble{1, 0} + s;
}

// e^x rounded to double; x.hi within the range of the exponential.
double RoundedExp(DoubleDouble x) {
    int k = 0;
    const DoubleDouble reduced = ExpReduced(x, k);
    return Scaled(reduced, k);
}

// x * m, or nothing when the product passes 128 bits.
std::optional<Wide128> Times(Wide128 x, std::uint64_t m) {
    const Wide128 low = MultiplyWide(x.low, m), high = MultiplyWide(x.high, m);
    const std::uint64_t top = high.low + low.high;
    if (high.high != 0 || top < low.high) return std::nullopt;
    return Wide128{top, low.low};
}

// The 64 bits of x from bit `from` upwards.
std::uint64_t BitsFrom(Wide128 x, int from) {
    if (from >= 64) return x.high >> (from - 64);
    if (from == 0) return x.low;
    return (x.low >> from) | (x.high << (64 - from));
}

// Whether any of the bits of x below bit `below` is set.
bool AnyBitBelow(Wide128 x, int below) {
    if (below >= 64) return x.low != 0 || (x.high & ((std::uint64_t{1} << (below - 64)) - 1)) != 0;
    return (x.low & ((std::uint64_t{1} << below) - 1)) != 0;
}

// x = mantissa * 2^exponent with an integer mantissa below 2^53; x positive and normal.
std::uint64_t MantissaOf(double x, int& exponent) {
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
    exponent = static_cast<int>(bits >> 52) - 1075;
    return (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
}

// Whether the midpoint between a and the next double up lies above sqrt x, decided
// exactly; a and x positive and normal, a within a unit or two of sqrt x.
bool MidpointAboveRoot(double a, double x) {
    int ea = 0, ex = 0;
    const std::uint64_t ma = MantissaOf(a, ea), mx = MantissaOf(x, ex);
    // midpoint^2 = (2 ma + 1)^2 * 2^(2 ea - 2) and x = (mx * 2^shift) * 2^(2 ea - 2), where
    // 53 <= shift <= 56 since a^2 is close to x. Never equal: the first is odd.
    const Wide128 square = MultiplyWide(2 * ma + 1, 2 * ma + 1);
    const int shift = ex - 2 * ea + 2;
    const Wide128 scaled{mx >> (64 - shift), mx << shift};
    return square.high != scaled.high ? square.high > scaled.high : square.low > scaled.low;
}

// x^n exactly rounded when x = m * 2^e with an odd m whose n-th power fits in 128
// bits: then the result may lie exactly halfway between two doubles, and only
// the exact power rounds it the right way. Nothing otherwise.
std::optional<double> IntegerPower(double x, double n) { // x > 0
    if (n < 2 || n > 127 || n != std::trunc(n)) return std::nullopt;
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
    const int biased = static_cast<int>(bits >> 52);
    if (biased == 0) return std::nullopt; // subnormal: its powers underflow anyway
    std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    int e = biased - 1075;
    const int trailing = std::countr_zero(m);
    m >>= trailing;
    e += trailing;

    Wide128 power{0, 1};
    for (int i = 0; i < static_cast<int>(n); ++i) {
        const auto next = Times(power, m);
        if (!next) return std::nullopt;
        power = *next;
    }
    // Round the power to 53 bits, halves to even, then scale by 2^(e n).
    const int length =
        power.high != 0 ? 128 - std::countl_zero(power.high) : 64 - std::countl_zero(power.low);
    int exponent = e * static_cast<int>(n);
    std::uint64_t kept = power.low;
    if (length > 53) {
        const int dropped = length - 53;
        kept = BitsFrom(power, dropped);
        exponent += dropped;
        const bool half = BitsFrom(power, dropped - 1) & 1;
        if (half && (AnyBitBelow(power, dropped - 1) || (kept & 1))) ++kept;
    }
    const int top = exponent + length;                  // the result lies below 2^top
    if (top > 1025 || top < -1020) return std::nullopt; // left to the general way
    return Scaled(static_cast<double>(kept), exponent);
}

} // namespace

double Scaled(double x, int n) {
    // Two steps, so that each factor is a normal power of two.
    const int half = n / 2;
    return x * PowerOfTwo(half) * PowerOfTwo(n - half);
}

double Scaled(DoubleDouble x, int n) {
    const double rounded = Scaled(Rounded(x), n);
    // Subnormal results have fewer bits: rounding x to 53 bits first and then to
    // those would round twice. Below 2^-1021 the doubles are the multiples of
    // 2^-1074, so x is rounded once to the nearest multiple of 2^(-1074 - n).
    if (!(std::fabs(rounded) < 0x1p-1021)) return rounded;
    const double high = Scaled(x.hi, 1074 + n), low = Scaled(x.lo, 1074 + n);
    double multiple = std::nearbyint(high); // halves to even
    const double rest = high - multiple;    // exact: |rest| <= 1/2
    // Only when high lies halfway does low decide: otherwise |rest + low| < 1/2.
    if (rest == 0.5 && low > 0) multiple += 1;
    if (rest == -0.5 && low < 0) multiple -= 1;
    return Scaled(multiple, -1074);
}

double Sqrt(double x) {
    if (std::isnan(x) || x < 0) return std::numeric_limits<double>::quiet_NaN();
    if (x == 0 || std::isinf(x)) return x;
    // Tiny and huge values are scaled first, so that the square below stays normal
    // and finite.
    const bool tiny = x < 0x1p-900;
    const bool huge = x > 0x1p900;
    if (tiny) x *= 0x1p108;
    if (huge) x *= 0x1p-108;
    // A first root from the runtime, then one Newton step with the exact residual
    // x - y^2: sqrt x = y + (x - y^2) / 2y to far more than double precision.
    const double y = std::sqrt(x);
    const DoubleDouble square = TwoProd(y, y);
    const double residual = (x - square.hi) - square.lo;
    double root = Rounded(TwoSum(y, residual / (2 * y)));
    // That is good to about 2^-105. Where sqrt x lies closer than that to the
    // midpoint between two doubles, the exact square of the midpoint decides.
    const double below = std::nextafter(root, 0.0);
    if (!MidpointAboveRoot(root, x))
        root = std::nextafter(root, kInfinity);
    else if (MidpointAboveRoot(below, x))
        root = below;
    return tiny ? root * 0x1p-54 : huge ? root * 0x1p54 : root;
}

double Exp(double x) {
    if (std::isnan(x)) return x;
    if (x > kExpOverflow) return kInfinity;
    if (x < kExpUnderflow) return 0;
    return RoundedExp({x, 0});
}

DoubleDouble LogOf(double x) {
    // x = m * 2^e with sqrt(1/2) <= m < sqrt(2); ln m = 2 atanh s, s = (m - 1) / (m + 1).
    int e = 0;
    if (x < 0x1p-1022) {
        x *= 0x1p54;
        e -= 54;
    }
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
    e += static_cast<int>(bits >> 52) - 1023;
    double m = std::bit_cast<double>((bits & ((std::uint64_t{1} << 52) - 1)) |
                                     (std::uint64_t{1023} << 52));
    if (m > 1.4142135623730951) {
        m /= 2; // exact
        ++e;
    }
    const DoubleDouble s = DoubleDouble{m - 1, 0} / TwoSum(m, 1); // m - 1 is exact
    const DoubleDouble s2 = s * s;
    DoubleDouble sum = s, power = s;
    for (int n = 3; n < 200; n += 2) {
        power = power * s2;
        const DoubleDouble term = power / static_cast<double>(n);
        sum = sum + term;
        if (std::fabs(term.hi) <= std::fabs(sum.hi) * 1e-36) break;
    }
    const DoubleDouble logM{2 * sum.hi, 2 * sum.lo};
    return kLn2 * static_cast<double>(e) + logM;
}

double Log(double x) {
    if (std::isnan(x) || x < 0) return std::numeric_limits<double>::quiet_NaN();
    if (x == 0) return -kInfinity;
    if (std::isinf(x)) return x;
    return Rounded(LogOf(x));
}

double Pow(double x, double y) {
    if (std::isnan(x) || std::isnan(y)) return std::numeric_limits<double>::quiet_NaN();
    if (y == 0 || x == 1) return 1;
    bool negative = false;
    if (x < 0) {
        if (y != std::trunc(y)) return std::numeric_limits<double>::quiet_NaN();
        negative = std::fabs(y) < 0x1p53 && std::fmod(y, 2) != 0;
        x = -x;
    }
    double magnitude;
    if (x == 0) {
        magnitude = y > 0 ? 0 : kInfinity;
    } else if (std::isinf(x) || std::isinf(y)) {
        magnitude = (x > 1) == (y > 0) ? kInfinity : 0;
    } else if (const auto exact = IntegerPower(x, y)) {
        magnitude = *exact;
    } else {
        const DoubleDouble logX = LogOf(x);
        const DoubleDouble product = logX * y;
        if (!std::isfinite(product.hi) || product.hi > kExpOverflow)
            magnitude = (logX.hi > 0) == (y > 0) ? kInfinity : 0;
        else if (product.hi < kExpUnderflow)
            magnitude = 0;
        else
            magnitude = RoundedExp(product);
    }
    return negative ? -magnitude : magnitude;
}

} // namespace calc::exact
