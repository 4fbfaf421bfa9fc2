// Time of one call of the calculator's correctly rounded functions, beside the
// host runtime's own for comparison: what exactness costs per function call.
#include "calc/exact_math.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

void Unary(benchmark::State& state, double (*Function)(double), double x) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(Function(x));
    }
}

void Binary(benchmark::State& state, double (*Function)(double, double), double x, double y) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(Function(x, y));
    }
}

double RuntimeSin(double x) {
    return std::sin(x);
}
double RuntimePow(double x, double y) {
    return std::pow(x, y);
}

BENCHMARK_CAPTURE(Unary, ExactSin_0_5, calc::exact::Sin, 0.5);
BENCHMARK_CAPTURE(Unary, ExactSin_1E22, calc::exact::Sin, 1e22);
BENCHMARK_CAPTURE(Unary, RuntimeSin_1E22, RuntimeSin, 1e22);
BENCHMARK_CAPTURE(Unary, ExactTan_1E10, calc::exact::Tan, 1e10);
BENCHMARK_CAPTURE(Unary, ExactAtan_3, calc::exact::Atan, 3.0);
BENCHMARK_CAPTURE(Unary, ExactExp_100, calc::exact::Exp, 100.0);
BENCHMARK_CAPTURE(Unary, ExactLog_1E100, calc::exact::Log, 1e100);
BENCHMARK_CAPTURE(Unary, ExactSqrt_2, calc::exact::Sqrt, 2.0);
BENCHMARK_CAPTURE(Binary, ExactPow_59_41, calc::exact::Pow, 59.0, 41.0);
BENCHMARK_CAPTURE(Binary, ExactPow_1_0001_100000, calc::exact::Pow, 1.0001, 100000.0);
BENCHMARK_CAPTURE(Binary, RuntimePow_1_0001_100000, RuntimePow, 1.0001, 100000.0);

} // namespace
