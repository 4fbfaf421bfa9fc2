// What the benchmarks share: the clock, medians, and documents of a given size.
#pragma once
#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double Ms(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

inline double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

// Timings of repeated runs.
struct Stats {
    std::vector<double> v;
    void Add(double x) { v.push_back(x); }
    double Median() const { return bench::Median(v); }
    double Max() const { return v.empty() ? -1 : *std::max_element(v.begin(), v.end()); }
};

// `size` characters made of `unit` over and over.
inline std::string Filled(const std::string& unit, size_t size = 65535) {
    std::string text;
    text.reserve(size + unit.size());
    while (text.size() < size)
        text += unit;
    text.resize(size);
    return text;
}

// A line of prose with a line break, the usual filling of a benchmark's document.
inline const std::string kProseLine =
    "The quick brown fox jumps over the lazy dog 0123456789 abcdefghij\r\n";
// The same with sentence ends, capitals, an accented letter, tabs and blanks, for the editing
// commands.
inline const std::string kMixedLine =
    "The quick brown fox. jumps over the LAZY dog 0123 caf\xE9 \t \r\n";

} // namespace bench
