// Time of one Calculate over an expression of about 1,000 tokens in 100 nested
// groups, with each level's sweep over the group's own items and, for
// comparison, over positions up to the whole token list's count.
#include "calc/calculator.h"
#include "calc/expression.h"

#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

namespace {

// Ten tokens per group: ( 2 * 3 - 1.5 ^ 2 + inner ); each group adds 3.75.
std::string NestedExpression(int groups) {
    std::string expression = "1";
    for (int i = 0; i < groups; ++i)
        expression = "(2*3-1.5^2+" + expression + ")";
    return expression;
}

void Calculate(benchmark::State& state, calc::SweepSpan span) {
    const std::string expression = NestedExpression(100);
    int errors = 0;
    calc::Calculator calculator(1, [&] { ++errors; });
    calculator.sweepSpan = span;
    for (auto _ : state) {
        const std::string result = calculator.Calculate(expression, false, "");
        if (result != "376" || errors != 0) throw std::logic_error("wrong result " + result);
        benchmark::DoNotOptimize(result.data());
    }
    calc::TokenList tokens;
    calc::TokenizeExpression(tokens, expression, false, "");
    state.counters["tokens"] = tokens.Count();
}

void BM_CalculateGroupItems(benchmark::State& state) {
    Calculate(state, calc::SweepSpan::GroupItems);
}
void BM_CalculateWholeExpression(benchmark::State& state) {
    Calculate(state, calc::SweepSpan::WholeExpression);
}

BENCHMARK(BM_CalculateGroupItems)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalculateWholeExpression)->Unit(benchmark::kMillisecond);

} // namespace
