// The calculator's operators and functions: a fixed table of 15 precedence
// levels, each entry with its name, the shape of its operands and its function.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace calc {

// Any failure of the arithmetic: division by zero, an invalid argument, an
// overflow of a double or of a 32-bit integer conversion, or of a list position.
class ArithmeticFault : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Which neighbours of the matched token an entry uses (left = item d-1, right = item d+1).
enum class Shape { Binary, Prefix, Postfix };

using Compute = double (*)(double left, double right);

struct Operator {
    std::string_view name; // upper case; empty for an unused slot
    Shape shape = Shape::Binary;
    Compute compute = nullptr;
};

inline constexpr int kOperatorLevels = 15;
inline constexpr int kOperatorSlots = 31;
using OperatorTable = std::array<std::array<Operator, kOperatorSlots>, kOperatorLevels>;

// The table, level 0 (applied last) to 14 (applied first); within a level the
// entries fill slots 0, 1, 2, ... without gaps.
const OperatorTable& Operators();

// The product 1 * 2 * ... * k over k from 1 while k <= x; 1 when x < 1.
// Throws ArithmeticFault when the product overflows.
double Factorial(double x);

// Rounds to the nearest integer, halves to the even one; throws ArithmeticFault
// outside the 32-bit signed range.
std::int32_t ToInt32(double value);

} // namespace calc
