// The calculator's maths: each function correctly rounded, checked against
// values computed with 2000-bit arithmetic. tests/win32 runs the same table in
// the Windows build.
#include "calc/exact_math.h"
#include "calc/wide_multiply.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace calc {
namespace {

TEST(ExactMaths, FunctionsAreCorrectlyRoundedAtTheExtremes) {
    const struct {
        double (*function)(double);
        double argument;
        double expected;
    } cases[] = {
        {exact::Sin, 1e+22, -0.8522008497671888},
        {exact::Sin, -1e+22, 0.8522008497671888},
        {exact::Cos, 1e+22, 0.523214785395139},
        {exact::Tan, 1e+300, 1.4214488238747245},
        {exact::Sin, 1.7976931348623157e+308, 0.004961954789184062},
        {exact::Cos, 5e-324, 1.0},
        {exact::Atan, 1e+300, 1.5707963267948966},
        {exact::Atan, -3e-310, -3e-310},
        {exact::Exp, 709.78, 1.7928227943945155e+308},
        {exact::Exp, -708.5, 2.006132305331306e-308},
        {exact::Exp, -745.0, 5e-324},
        {exact::Exp, 1e-300, 1.0},
        {exact::Log, 1.0000000000000002, 2.2204460492503128e-16},
        {exact::Log, 0.9999999999999999, -1.1102230246251565e-16},
        {exact::Log, 5e-324, -744.4400719213812},
        {exact::Log, 1.7976931348623157e+308, 709.782712893384},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.function(c.argument), c.expected) << c.argument;
}

TEST(ExactMaths, PowersAreCorrectlyRoundedIncludingHalfwayCases) {
    const struct {
        double base, exponent, expected;
    } cases[] = {
        {82, 10, 1.3744803133596058e+19}, // exactly halfway between two doubles
        {48, 34, 1.4527874207572734e+57}, // halfway too
        {2, -1074, 5e-324},
        {2, 1023, 8.98846567431158e+307},
        {10, -320, 1e-320},
        {1.0000001, 1e9, 2.6881038582144647e+43},
        {-3, 33, -5559060566555523.0},
        {0.5, 0.5, 0.7071067811865476},
        {1e-300, -1.02, 1.0000000000000122e+306},
    };
    for (const auto& c : cases)
        EXPECT_EQ(exact::Pow(c.base, c.exponent), c.expected) << c.base << "^" << c.exponent;
}

TEST(ExactMaths, ScalingIntoTheSubnormalsRoundsOnce) {
    constexpr double kUnit = 0x1p-1074; // the smallest double
    const struct {
        DoubleDouble value;
        int exponent;
        double expected;
    } cases[] = {
        {{1, 0}, -1074, kUnit},
        {{0.5, 0}, -1074, 0},           // halfway: to the even 0
        {{0.5, 1e-30}, -1074, kUnit},   // just above halfway
        {{1.5, -1e-30}, -1074, kUnit},  // just below halfway
        {{-1.5, 1e-30}, -1074, -kUnit}, // the same below zero
        // Rounded to 53 bits first, these would come out halfway, then at 1024 and 1026.
        {{1 + 0x1p-11, 0x1p-70}, -1064, 1025 * kUnit},
        {{1 + 0x3p-11, -0x1p-70}, -1064, 1025 * kUnit},
        {{1, 1e-17}, -1000, 0x1p-1000}, // normal
    };
    for (const auto& c : cases)
        EXPECT_EQ(exact::Scaled(c.value, c.exponent), c.expected)
            << c.value.hi << " + " << c.value.lo << " times 2^" << c.exponent;
}

TEST(WideMultiply, GivesAllHundredAndTwentyEightBits) {
    constexpr std::uint64_t kMax = ~std::uint64_t{0};
    const struct {
        std::uint64_t a, b, high, low;
    } cases[] = {
        {1, kMax, 0, kMax},
        {kMax, kMax, 0xfffffffffffffffe, 1},
        {0xffffffff, kMax, 0xfffffffe, 0xffffffff00000001},
        {0xffffffff00000000, 0xffffffff00000000, 0xfffffffe00000001, 0},
        {0x1fffffffffffff, 0xa2f9836e4e441529, 0x145f306dc9c882, 0x2267c91b1bbead7},
    };
    for (const auto& c : cases) {
        const Wide128 product = MultiplyWide(c.a, c.b);
        EXPECT_EQ(product.high, c.high) << std::hex << c.a << " * " << c.b;
        EXPECT_EQ(product.low, c.low) << std::hex << c.a << " * " << c.b;
    }
}

TEST(ExactMaths, SpecialArguments) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(std::isnan(exact::Pow(-8, 1.0 / 3)));
    EXPECT_EQ(exact::Pow(0, -1), kInf);
    EXPECT_EQ(exact::Pow(10, 309), kInf);
    EXPECT_EQ(exact::Pow(-10, 309), -kInf);
    EXPECT_EQ(exact::Pow(10, -400), 0);
    EXPECT_EQ(exact::Pow(0, 0), 1);
    EXPECT_EQ(exact::Exp(710), kInf);
    EXPECT_EQ(exact::Exp(-746), 0);
    EXPECT_TRUE(std::isnan(exact::Log(-1)));
    EXPECT_EQ(exact::Log(0), -kInf);
    EXPECT_TRUE(std::signbit(exact::Sin(-0.0)));
    EXPECT_TRUE(std::isnan(exact::Sin(kInf)));
}

} // namespace
} // namespace calc
