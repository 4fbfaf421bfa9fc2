// Time of each letter-case transformation and of Truncate lines on a selection of the whole
// 65,535-character text: prose lines with trailing blanks and some code page letters.
#include "edit/case_conversion.h"
#include "edit/truncate_lines.h"

#include <benchmark/benchmark.h>

#include <string>

#include "bench_support.h"

namespace {

std::string FullText() {
    return bench::Filled(bench::kMixedLine);
}

// ASCII letters and the Western European code page's accented ones.
platform::CaseTable Cases() {
    platform::CaseTable cases;
    for (int c = 'a'; c <= 'z'; ++c) {
        cases.upper[c] = static_cast<unsigned char>(c - 32);
        cases.lower[c - 32] = static_cast<unsigned char>(c);
    }
    for (int c = 0xE0; c <= 0xFE; ++c)
        if (c != 0xF7) {
            cases.upper[c] = static_cast<unsigned char>(c - 32);
            cases.lower[c - 32] = static_cast<unsigned char>(c);
        }
    return cases;
}

void Convert(benchmark::State& state, edit::CaseCommand how) {
    const std::string text = FullText();
    const platform::CaseTable cases = Cases();
    for (auto _ : state) {
        std::string out = edit::ConvertCase(text, how, cases);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 65535);
}

void BM_LowerCase(benchmark::State& s) {
    Convert(s, edit::CaseCommand::LowerCase);
}
void BM_UpperCase(benchmark::State& s) {
    Convert(s, edit::CaseCommand::UpperCase);
}
void BM_Capitalize(benchmark::State& s) {
    Convert(s, edit::CaseCommand::Capitalize);
}
void BM_Sentecize(benchmark::State& s) {
    Convert(s, edit::CaseCommand::Sentecize);
}
void BM_InvertCase(benchmark::State& s) {
    Convert(s, edit::CaseCommand::InvertCase);
}
void BM_CrackzCase(benchmark::State& s) {
    Convert(s, edit::CaseCommand::CrackzCase);
}
void BM_TruncateLines(benchmark::State& state) {
    const std::string text = FullText();
    for (auto _ : state) {
        std::string out = edit::TrimLineEnds(text);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 65535);
}

BENCHMARK(BM_LowerCase)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UpperCase)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Capitalize)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Sentecize)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InvertCase)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CrackzCase)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TruncateLines)->Unit(benchmark::kMicrosecond);

} // namespace
