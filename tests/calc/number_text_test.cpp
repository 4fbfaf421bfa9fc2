// The calculator's number text, written and read.
#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>

namespace calc {
namespace {

TEST(NumberText, WritesDoublesWithFifteenDigits) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.0, " 0"},
        {-0.0, " 0"},
        {5, " 5"},
        {-3, "-3"},
        {0.5, " .5"},
        {-0.25, "-.25"},
        {12.5, " 12.5"},
        {100, " 100"},
        {0.1 + 0.2, " .3"},
        {1.0 / 3, " .333333333333333"},
        {2.0 / 3, " .666666666666667"},
        {std::sqrt(2.0), " 1.4142135623731"},
        {1e14, " 100000000000000"},
        {999999999999999, " 999999999999999"},
        {123456789012345.6, " 123456789012346"},
        {9.999999999999999e14, " 1E+15"},
        {1e15, " 1E+15"},
        {1234567890123456, " 1.23456789012346E+15"},
        {1e20, " 1E+20"},
        {-1e20, "-1E+20"},
        {7.257415615307994e306, " 7.25741561530799E+306"},
        {std::numeric_limits<double>::max(), " 1.79769313486232E+308"},
        {0.0001, " .0001"},
        {0.000123, " .000123"},
        {0.00001, " 1E-05"},
        {1.5e-7, " 1.5E-07"},
        {-1e-300, "-1E-300"},
        {std::numeric_limits<double>::denorm_min(), " 4.94065645841247E-324"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NumberText(c.value), c.text) << c.value;
}

TEST(NumberText, WritesSinglesWithSevenDigits) {
    const struct {
        float value;
        const char* text;
    } cases[] = {
        {0.0f, " 0"},
        {0.5f, " .5"},
        {0.7055475f, " .7055475"},
        {0.05623436f, " .05623436"},
        {0.99999994f, " .9999999"}, // the largest single below 1 stays below 1
        {1234567.0f, " 1234567"},
        {1e7f, " 1E+07"},
        {1e-5f, " 1E-05"},
        {5.9604645e-8f, " 5.960464E-08"},
        {-2.5f, "-2.5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SingleText(c.value), c.text) << c.value;
}

TEST(NumberText, ReadsTheLongestLeadingNumber) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"", 0},
        {" 5", 5},
        {"-3", -3},
        {"+5", 5},
        {"- 5", -5},
        {"--5", 0},
        {" .5", 0.5},
        {"-.25", -0.25},
        {"0001.5000", 1.5},
        {"1.2.3", 1.2},
        {"12abc", 12},
        {"2pi", 2},
        {"abc", 0},
        {".", 0},
        {".e5", 0},
        {"E-1", 0},
        {"1 2 3", 123},
        {"1\t2\n3", 123},
        {" 1 . 5 e 2", 150},
        {"1\r2", 1}, // carriage return is not skipped
        {"1e-3", 0.001},
        {"1E+20", 1e20},
        {"1D2", 100},
        {"1d-2", 0.01},
        {"1e", 1},
        {"1e+", 1},
        {"1e-x", 1},
        {"&H1F", 31},
        {"&hff", 255},
        {"& H 1 0", 16},
        {"&HFFFFFFFF", 4294967295.0},
        {"&O17", 15},
        {"&o78", 7},
        {"&H", 0},
        // Long hexadecimal and octal literals: read exactly, rounded once.
        {"&H34D23169B6CFA94", 2.3788493532436752e+17},
        {"&H1000000000000081", 1.1529215046068472e+18}, // just above halfway: up
        {"&H1000000000000080", 1152921504606846976.0},  // halfway: to even, down
        {"&H1000000000000180", 1152921504606847488.0},  // halfway: to even, up
        {"&H20000000000003", 9007199254740996.0},
        {"&HFFFFFFFFFFFFFFFF", 18446744073709551616.0},
        {"&H123456789ABCDEF0123456789", 9.014404268289631e+28}, // beyond 64 bits
        {"&H00000000000000000000000001", 1},
        {"&O400000000000000001", 9007199254740992.0},
        {"&O400000000000000003", 9007199254740996.0},
        {"&O1777777777777777777777", 18446744073709551616.0},
        {"&X1", 0},
        {"3.14159265358978", 3.14159265358978},
        {"0.1", 0.1},
        {"123456789012345678901234567890", 1.2345678901234568e29},
        {"0.0001e4", 1},
        {"1e308", 1e308},
        {"1e-400", 0},
        {"1e-99999999999999999999", 0},
        {"2.2250738585072014e-308", 2.2250738585072014e-308},
        {"4.9406564584124654e-324", 4.9406564584124654e-324},
    };
    for (const auto& c : cases) {
        const auto value = ReadNumber(c.text);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_EQ(*value, c.value) << c.text;
    }
}

TEST(NumberText, ReportsNumbersTooLargeForADouble) {
    const std::string cases[] = {
        "1e309",
        "1.8e308",
        "-1e999",
        "1e99999999999999999999",
        std::string(400, '9'),
        "&H" + std::string(300, 'F'),
        "&H" + std::string(256, 'F'), // 2^1024 - 1 rounds up to 2^1024
    };
    for (const auto& text : cases)
        EXPECT_FALSE(ReadNumber(text).has_value()) << text;
}

// Every intermediate result goes through the text and back, so writing what
// was read must reproduce the text, and the value must stay within 15 digits.
TEST(NumberText, RoundTripsRandomDoubles) {
    std::mt19937_64 random(12345);
    for (int i = 0; i < 20000; ++i) {
        double value;
        const std::uint64_t bits = random();
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value)) continue;
        const std::string text = NumberText(value);
        const auto read = ReadNumber(text);
        ASSERT_TRUE(read.has_value()) << text;
        EXPECT_EQ(NumberText(*read), text);
        EXPECT_LE(std::fabs(*read - value), std::fabs(value) * 5.2e-15) << text;
    }
}

} // namespace
} // namespace calc
