// The full 128-bit product of two 64-bit numbers, in standard C++: the argument
// reduction of the trigonometric functions and the exact integer powers need it,
// and not every compiler has a 128-bit integer type.
#pragma once

#include <cstdint>

namespace calc {

struct Wide128 {
    std::uint64_t high = 0;
    std::uint64_t low = 0;
};

// a * b exactly, from four 32 x 32 -> 64-bit products.
constexpr Wide128 MultiplyWide(std::uint64_t a, std::uint64_t b) {
    constexpr std::uint64_t kLow32 = 0xFFFFFFFF;
    const std::uint64_t aLow = a & kLow32, aHigh = a >> 32;
    const std::uint64_t bLow = b & kLow32, bHigh = b >> 32;
    const std::uint64_t lowLow = aLow * bLow;
    const std::uint64_t lowHigh = aLow * bHigh;
    const std::uint64_t highLow = aHigh * bLow;
    const std::uint64_t highHigh = aHigh * bHigh;
    // Bits 32 to 95 of the sum; below 3 * 2^32, so it cannot overflow.
    const std::uint64_t middle = (lowLow >> 32) + (lowHigh & kLow32) + (highLow & kLow32);
    return {highHigh + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32),
            (middle << 32) | (lowLow & kLow32)};
}

} // namespace calc
