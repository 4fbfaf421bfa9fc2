// Double-double arithmetic: a value held as the unevaluated sum hi + lo of two
// doubles, good to about 106 bits. The calculator's maths functions work in it so
// that their double results are correctly rounded on every platform.
//
// The error-free steps below rely on every operation being rounded to double
// once: no x87 extended precision (x86-64 uses SSE) and no contraction of a * b + c
// into a fused multiply-add (the build turns contraction off for every compiler).
#pragma once

namespace calc {

struct DoubleDouble {
    double hi = 0;
    double lo = 0;
};

// a + b exactly, when |a| >= |b| or a is zero.
inline DoubleDouble QuickTwoSum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

// a + b exactly, whatever their magnitudes.
inline DoubleDouble TwoSum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// Splits a into two halves of 26 bits each whose sum is a (Dekker).
inline DoubleDouble Split(double a) {
    constexpr double kSplitter = 134217729.0; // 2^27 + 1
    const double t = kSplitter * a;
    const double hi = t - (t - a);
    return {hi, a - hi};
}

// a * b exactly (while the product neither overflows nor underflows).
inline DoubleDouble TwoProd(double a, double b) {
    const double p = a * b;
    const DoubleDouble x = Split(a), y = Split(b);
    return {p, ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

inline DoubleDouble operator+(DoubleDouble a, DoubleDouble b) {
    DoubleDouble s = TwoSum(a.hi, b.hi);
    const DoubleDouble t = TwoSum(a.lo, b.lo);
    s.lo += t.hi;
    s = QuickTwoSum(s.hi, s.lo);
    s.lo += t.lo;
    return QuickTwoSum(s.hi, s.lo);
}

inline DoubleDouble operator-(DoubleDouble a) {
    return {-a.hi, -a.lo};
}

inline DoubleDouble operator-(DoubleDouble a, DoubleDouble b) {
    return a + -b;
}

inline DoubleDouble operator*(DoubleDouble a, DoubleDouble b) {
    DoubleDouble p = TwoProd(a.hi, b.hi);
    p.lo += a.hi * b.lo + a.lo * b.hi;
    return QuickTwoSum(p.hi, p.lo);
}

inline DoubleDouble operator*(DoubleDouble a, double b) {
    DoubleDouble p = TwoProd(a.hi, b);
    p.lo += a.lo * b;
    return QuickTwoSum(p.hi, p.lo);
}

inline DoubleDouble operator/(DoubleDouble a, DoubleDouble b) {
    const double q1 = a.hi / b.hi;
    DoubleDouble r = a - b * q1;
    const double q2 = r.hi / b.hi;
    r = r - b * q2;
    const double q3 = r.hi / b.hi;
    return DoubleDouble{q1, 0} + TwoSum(q2, q3);
}

inline DoubleDouble operator/(DoubleDouble a, double b) {
    return a / DoubleDouble{b, 0};
}

// The double nearest to the value.
inline double Rounded(DoubleDouble a) {
    return a.hi + a.lo;
}

} // namespace calc
