#!/usr/bin/env python3
"""Writes maths_cases.h: arguments of the calculator's functions across magnitudes
with their correctly rounded double results, computed with 2000-bit arithmetic
(mpmath). Functions that the calculator builds from others (COSH, ASIN, ...) are
evaluated by the same formula in double arithmetic, each elementary step
correctly rounded. Run it again only to change the table."""
import math
import random
from fractions import Fraction

import mpmath

mpmath.mp.prec = 2000
random.seed(20261208)


def cr(value):
    """The double nearest to an mpmath value, infinity beyond the largest. Through an
    exact fraction: mpmath's own conversion rounds subnormal results twice."""
    value = mpmath.mpf(value)
    mantissa, exponent = value.man_exp  # of the magnitude
    sign = -1 if value < 0 else 1
    try:
        return sign * float(Fraction(int(mantissa)) * Fraction(2) ** int(exponent))
    except OverflowError:
        return sign * math.inf


def sin(x): return cr(mpmath.sin(mpmath.mpf(x)))
def cos(x): return cr(mpmath.cos(mpmath.mpf(x)))
def tan(x): return cr(mpmath.tan(mpmath.mpf(x)))
def atan(x): return cr(mpmath.atan(mpmath.mpf(x)))
def exp(x): return cr(mpmath.exp(mpmath.mpf(x)))
def log(x): return cr(mpmath.log(mpmath.mpf(x)))
def power(x, y): return cr(mpmath.power(mpmath.mpf(x), mpmath.mpf(y)))


HALF_PI = 2 * atan(1.0)
cases = []  # (expression, expected double)


def add(expression, value):
    cases.append((expression, value))


def magnitudes(low, high, per_decade):
    for decade in range(low, high):
        for _ in range(per_decade):
            yield float('%.15g' % (10 ** (decade + random.random())))


# The faults seen in the Windows build, then sweeps.
add('sin(3.14159265358978)', sin(3.14159265358978))
add('cos(1.5707963267949)', cos(1.5707963267949))
add('cos(1E10)', cos(1e10))
add('sin(1E22)', sin(1e22))
add('59^41', power(59, 41))
add('1.0001^100000', power(1.0001, 100000))
for name, f in (('SIN', sin), ('COS', cos), ('TAN', tan)):
    for x in magnitudes(-5, 23, 3):
        for arg in (x, -x):
            add('%s(%r)' % (name, arg), f(arg))
    for k in (1, 2, 3, 7, 100, 355, 103993, 245850922):  # near multiples of pi/2
        arg = float('%.15g' % (k * mpmath.pi / 2))
        add('%s(%r)' % (name, arg), f(arg))
for x in magnitudes(-6, 20, 2):
    add('ATN(%r)' % x, atan(x))
    add('LN(%r)' % x, log(x))
    add('LOG(%r)' % x, log(x) / log(10.0))
    add('L2(%r)' % x, log(x) / log(2.0))
for x in list(magnitudes(-4, 3, 4)) + [700.5, 709.7]:
    add('EXP(%r)' % x, exp(x))
    add('EXP(-%r)' % x, exp(-x))
    if x < 700:
        up, down = exp(x), exp(-x)
        add('COSH(%r)' % x, (up + down) / 2)
        add('SINH(%r)' % x, (up - down) / 2)
        add('TGH(%r)' % x, (up - down) / (down + up))
for x in (0.1, 0.25, 0.5, 0.75, 0.9, 0.999):
    root = math.sqrt(-x * x + 1)
    add('ASIN(%r)' % x, atan(x / root))
    add('ACOS(%r)' % x, atan(-x / root) + HALF_PI)
    add('ATGH(%r)' % x, log((x + 1) / (1 - x)) / 2)
# Powers: large integer ones, exact halfway cases, fractional ones.
for _ in range(60):
    base = random.randint(2, 99)
    exponent = random.randint(2, int(690 / math.log(base)))
    add('%d^%d' % (base, exponent), power(base, exponent))
for base, exponent in ((82, 10), (48, 34), (24, 34), (-48, 34), (-3, 33), (10, 22), (10, -5)):
    add('(%d)^(%d)' % (base, exponent), power(base, exponent))
for _ in range(30):
    base = float('%.6g' % (10 ** random.uniform(-3, 3)))
    exponent = float('%.6g' % random.uniform(-60, 60))
    add('%r^(%r)' % (base, exponent), power(base, exponent))
for _ in range(10):
    base = float('%.12g' % (1 + random.uniform(-1e-4, 1e-4)))
    add('%r^%d' % (base, 100000), power(base, 100000))

# The ends of the double range: arguments near the largest double, results below
# the smallest normal one (2.2E-308), which have fewer digits. The largest double
# itself is written straight after its function: in parentheses, the group's value
# would be rounded to 15 digits, 1.79769313486232E+308, which is beyond it.
LARGEST = 1.7976931348623157e308
for x in (1.15292150460685e18, 1e20, 1.34e300, 1e305, 1.79769313486231e308):
    for arg in (x, -x):
        add('ATN(%r)' % arg, atan(arg))
        add('ATG(%r)' % arg, atan(arg))
        add('ACOTG(%r)' % arg, atan(arg) + HALF_PI)
for name, f in (('ATG', atan), ('SIN', sin), ('COS', cos), ('TAN', tan), ('LN', log)):
    add('%s 1.7976931348623157E308' % name, f(LARGEST))
add('ACOTG 1.7976931348623157E308', atan(LARGEST) + HALF_PI)
for name, f in (('SIN', sin), ('COS', cos), ('TAN', tan)):
    for arg in (-1.79769313486231e308, 1e-310, 5e-324):
        add('%s(%r)' % (name, arg), f(arg))
add('SQR 1.7976931348623157E308', cr(mpmath.sqrt(LARGEST)))
for decade in range(-324, 308, 20):
    x = float('%.15g' % (10 ** (decade + random.random())))
    if x > 0:
        add('SQR(%r)' % x, cr(mpmath.sqrt(x)))
for x in (5e-324, 1e-310, 2.2e-308):
    add('LN(%r)' % x, log(x))
add('1.797E308^(-1)', power(1.797e308, -1))
add('1/1.797E308', cr(1 / mpmath.mpf(1.797e308)))
add('EXP(-710.28014142250004)', exp(-710.28014142250004))
for _ in range(12):
    x = -float('%.15g' % random.uniform(708.4, 744.4))
    add('EXP(%r)' % x, exp(x))
for _ in range(20):
    base = float('%.6g' % (10 ** random.uniform(-3, 3)))
    if abs(math.log10(base)) < 0.05:
        continue
    exponent = float('%.12g' % (random.uniform(-323, -308) / math.log10(base)))
    add('%r^(%r)' % (base, exponent), power(base, exponent))
add('0.5^1074', power(0.5, 1074))
add('2^(-1073.5)', power(2, -1073.5))

with open(__file__.replace('.py', '.h'), 'w') as out:
    out.write('// Written by maths_cases.py: expressions with the correctly rounded result of\n'
              '// their one function or operator (2000-bit arithmetic). Do not edit.\n'
              '#pragma once\n\n'
              'namespace calc::maths_cases {\n\n'
              'struct Case {\n    const char* expression;\n    double expected;\n};\n\n'
              'inline constexpr Case kCases[] = {\n')
    for expression, value in cases:
        out.write('    {"%s", %r},\n' % (expression, value))
    out.write('};\n\n} // namespace calc::maths_cases\n')
print(len(cases), 'cases')
