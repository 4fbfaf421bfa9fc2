#!/usr/bin/env python3
"""Writes maths_cases.h: arguments of the calculator's functions across magnitudes
with their correctly rounded double results, computed with 2000-bit arithmetic
(mpmath). Functions that the calculator builds from others (COSH, ASIN, ...) are
evaluated by the same formula in double arithmetic, each elementary step
correctly rounded. Run it again only to change the table."""
import math
import random

import mpmath

mpmath.mp.prec = 2000
random.seed(20261208)


def cr(value):
    """The double nearest to an mpmath value (math range errors as infinity)."""
    return float(value)


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
