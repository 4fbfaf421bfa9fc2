// The operator table and the arithmetic of every entry. Each floating-point
// step is checked, so an overflow or invalid operation anywhere in a formula
// fails even when a later step would have hidden it.
#include "calc/operators.h"

#include "calc/exact_math.h"

#include <cmath>

namespace calc {

namespace {

// Degrees to radians and the constant PI use this shortened value of pi.
constexpr double kStoredPi = 3.14159265358978;

double Checked(double value) {
    if (!std::isfinite(value)) throw ArithmeticFault("invalid operation or overflow");
    return value;
}

double Divide(double left, double right) {
    if (right == 0) throw ArithmeticFault("division by zero");
    return Checked(left / right);
}

double NaturalLog(double value) {
    if (!(value > 0)) throw ArithmeticFault("logarithm of zero or a negative number");
    return Checked(exact::Log(value));
}

double SquareRoot(double value) {
    if (value < 0) throw ArithmeticFault("square root of a negative number");
    return Checked(exact::Sqrt(value));
}

double Exp(double value) {
    return Checked(exact::Exp(value));
}

double Power(double base, double exponent) {
    if (base < 0 && exponent != std::trunc(exponent))
        throw ArithmeticFault("negative number to a fractional power");
    if (base == 0 && exponent < 0) throw ArithmeticFault("division by zero");
    return Checked(exact::Pow(base, exponent));
}

double HalfPi() {
    return 2 * exact::Atan(1.0);
}

double Angle(double left, double) {
    return Checked(Checked(left * kStoredPi) / 180);
}

double Tgh(double r) {
    const double up = Exp(r), down = Exp(-r);
    return Divide(Checked(up - down), Checked(down + up));
}

double Acos(double r) {
    const double root = SquareRoot(Checked(Checked(-r * r) + 1));
    return Checked(exact::Atan(Divide(-r, root)) + HalfPi());
}

double Asin(double r) {
    const double root = SquareRoot(Checked(Checked(-r * r) + 1));
    return Checked(exact::Atan(Divide(r, root)));
}

double Atgh(double r) {
    return NaturalLog(Divide(Checked(r + 1), Checked(1 - r))) / 2;
}

double Cosh(double r) {
    return Checked(Exp(r) + Exp(-r)) / 2;
}

double Sinh(double r) {
    return Checked(Exp(r) - Exp(-r)) / 2;
}

double Acosh(double r) {
    return NaturalLog(Checked(SquareRoot(Checked(Checked(r * r) - 1)) + r));
}

double Asinh(double r) {
    return NaturalLog(Checked(SquareRoot(Checked(Checked(r * r) + 1)) + r));
}

double Cotgh(double r) {
    const double up = Exp(r), down = Exp(-r);
    return Divide(Checked(up + down), Checked(up - down));
}

double Acotgh(double r) {
    return NaturalLog(Divide(Checked(r + 1), Checked(r - 1))) / 2;
}

double Modulo(double left, double right) {
    const std::int64_t l = ToInt32(left), r = ToInt32(right);
    if (r == 0) throw ArithmeticFault("division by zero");
    return static_cast<double>(l % r); // 64-bit, so -2147483648 MOD -1 is simply 0
}

OperatorTable BuildTable() {
    OperatorTable table{};
    auto add = [&table](int level, std::string_view name, Shape shape, Compute compute) {
        for (Operator& slot : table[static_cast<size_t>(level)]) {
            if (slot.name.empty()) {
                slot = Operator{name, shape, compute};
                return;
            }
        }
    };
    using enum Shape;
    add(14, "!", Postfix, [](double l, double) { return Factorial(l); });
    add(13, "_", Binary, [](double l, double r) { return Divide(l, r); });
    add(12, "%", Postfix, [](double l, double) { return l / 100; });
    add(12, "'", Postfix, Angle);

    add(11, "L2", Prefix,
        [](double, double r) { return Checked(NaturalLog(r) / exact::Log(2.0)); });
    add(11, "LN", Prefix, [](double, double r) { return NaturalLog(r); });
    add(11, "NA", Binary, Power);
    add(11, "TG", Prefix, [](double, double r) { return Checked(exact::Tan(r)); });
    add(11, "ABS", Prefix, [](double, double r) { return std::fabs(r); });
    add(11, "ATG", Prefix, [](double, double r) { return Checked(exact::Atan(r)); });
    add(11, "ATN", Prefix, [](double, double r) { return Checked(exact::Atan(r)); });
    add(11, "COS", Prefix, [](double, double r) { return Checked(exact::Cos(r)); });
    add(11, "EXP", Prefix, [](double, double r) { return Exp(r); });
    add(11, "FIX", Prefix, [](double, double r) { return std::trunc(r); });
    add(11, "INT", Prefix, [](double, double r) { return std::floor(r); });
    add(11, "LOG", Prefix,
        [](double, double r) { return Checked(NaturalLog(r) / exact::Log(10.0)); });
    add(11, "SGN", Prefix, [](double, double r) { return r > 0 ? 1.0 : r < 0 ? -1.0 : 0.0; });
    add(11, "SIN", Prefix, [](double, double r) { return Checked(exact::Sin(r)); });
    add(11, "SQR", Prefix, [](double, double r) { return SquareRoot(r); });
    add(11, "TAN", Prefix, [](double, double r) { return Checked(exact::Tan(r)); });
    add(11, "TGH", Prefix, [](double, double r) { return Tgh(r); });
    add(11, "ACOS", Prefix, [](double, double r) { return Acos(r); });
    add(11, "ASIN", Prefix, [](double, double r) { return Asin(r); });
    add(11, "ATGH", Prefix, [](double, double r) { return Atgh(r); });
    add(11, "COSH", Prefix, [](double, double r) { return Cosh(r); });
    add(11, "COTG", Prefix, [](double, double r) { return Divide(1, Checked(exact::Tan(r))); });
    add(11, "SINH", Prefix, [](double, double r) { return Sinh(r); });
    add(11, "SQRT", Prefix, [](double, double r) { return SquareRoot(r); });
    add(11, "ROUND", Prefix, [](double, double r) { return std::trunc(Checked(r + 0.5)); });
    add(11, "ACOSH", Prefix, [](double, double r) { return Acosh(r); });
    add(11, "ACOTG", Prefix, [](double, double r) { return Checked(exact::Atan(r) + HalfPi()); });
    add(11, "ASINH", Prefix, [](double, double r) { return Asinh(r); });
    add(11, "COTGH", Prefix, [](double, double r) { return Cotgh(r); });
    add(11, "ACOTGH", Prefix, [](double, double r) { return Acotgh(r); });

    add(10, "^", Binary, Power);
    add(9, "MOD", Binary, Modulo);
    add(8, "\\", Binary, [](double l, double r) { return std::trunc(Divide(l, r)); });
    add(7, "*", Binary, [](double l, double r) { return Checked(l * r); });
    add(6, "-", Binary, [](double l, double r) { return Checked(l - r); });
    add(5, "NOT", Prefix, [](double, double r) { return static_cast<double>(~ToInt32(r)); });
    add(4, "AND", Binary,
        [](double l, double r) { return static_cast<double>(ToInt32(l) & ToInt32(r)); });
    add(4, "/", Binary, Divide);
    add(4, ":", Binary, Divide);
    add(3, "OR", Binary,
        [](double l, double r) { return static_cast<double>(ToInt32(l) | ToInt32(r)); });
    add(3, "+", Binary, [](double l, double r) { return Checked(l + r); });
    add(2, "XOR", Binary,
        [](double l, double r) { return static_cast<double>(ToInt32(l) ^ ToInt32(r)); });
    add(1, "EQV", Binary,
        [](double l, double r) { return static_cast<double>(~(ToInt32(l) ^ ToInt32(r))); });
    add(0, "IMP", Binary,
        [](double l, double r) { return static_cast<double>(~ToInt32(l) | ToInt32(r)); });
    return table;
}

} // namespace

const OperatorTable& Operators() {
    static const OperatorTable table = BuildTable();
    return table;
}

double Factorial(double x) {
    double product = 1;
    // The product overflows long before k could lose integer precision.
    for (double k = 1; k <= x; ++k)
        product = Checked(product * k);
    return product;
}

std::int32_t ToInt32(double value) {
    if (!std::isfinite(value)) throw ArithmeticFault("overflow");
    double rounded = std::floor(value);
    const double fraction = value - rounded;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2) != 0)) rounded += 1;
    if (rounded < -2147483648.0 || rounded > 2147483647.0) throw ArithmeticFault("overflow");
    return static_cast<std::int32_t>(rounded);
}

} // namespace calc
