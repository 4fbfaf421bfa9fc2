// The calculator's elementary functions, correctly rounded to double (but for
// cases closer to a rounding midpoint than about 2^-100) and the same on every
// platform. The static maths library of the Windows build computes sin, cos, exp,
// log and pow with x87 instructions that lose digits (large arguments, results
// near zero, large powers), and takes tan and atan from the system's C runtime,
// which differs between Windows versions and Wine. So the calculator computes them
// itself, in double-double arithmetic, and uses the runtime at most for a first
// approximation that is then corrected.
#pragma once

#include "calc/double_double.h"

namespace calc::exact {

double Sin(double x);
double Cos(double x);
double Tan(double x);
double Atan(double x);

// The square root; NaN below 0.
double Sqrt(double x);

// e^x; infinity when it overflows, 0 when it underflows.
double Exp(double x);
// ln x for x > 0; NaN below 0 and minus infinity at 0.
double Log(double x);
// x^y; NaN for a negative x with a fractional y; infinity on overflow, and for 0
// to a negative power.
double Pow(double x, double y);

// ln x for a positive finite x, in double-double.
DoubleDouble LogOf(double x);

// x * 2^n, exact while the result is normal; -2044 <= n <= 2046.
double Scaled(double x, int n);
// x * 2^n rounded to double once, subnormal results included.
double Scaled(DoubleDouble x, int n);

} // namespace calc::exact
