// Speed of the pieces a user waits on: long expressions (the display accepts any number
// of keys), and a search or a look-up over the whole aerodrome section.
//
//   build/default/bench/engine_bench
#include <benchmark/benchmark.h>

#include <string>

#include "engine/evaluator.h"
#include "navigation/search.h"
#include "startup/avcalc_mod.h"
#include "startup/data_file.h"

namespace {

std::string Repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

void Evaluate(benchmark::State& state, const std::string& text) {
    for (auto _ : state) {
        double result = 0;
        benchmark::DoNotOptimize(engine::TryEvaluate(text, result));
    }
    state.SetLabel(std::to_string(text.size()) + " characters");
}

// The target: a 10,000-character expression well under a second.
BENCHMARK_CAPTURE(Evaluate, nested_brackets, Repeat("(", 5000) + "1" + Repeat(")", 5000));
BENCHMARK_CAPTURE(Evaluate, subtraction_chain, "1" + Repeat("-1", 5000));
BENCHMARK_CAPTURE(Evaluate, signs_and_sums, "1" + Repeat("+-1", 3333));
BENCHMARK_CAPTURE(Evaluate, mixed_operators, "2" + Repeat("x3/4+5-6^1", 1000));
BENCHMARK_CAPTURE(Evaluate, display_length, std::string("2x(3+4)^2-1/3x3+6x7\\2"));

navigation::NamePieces Pieces() {
    AvcalcMod::BuildFragmentTable();
    AvcalcMod::ReadTextSection(std::string(AVC_SOURCE_DIR) + "/data/vdats.tst");
    return navigation::NamePiecesFromLine(AvcalcMod::TextLines[220]);
}

void SearchWholeFile(benchmark::State& state) {
    auto pieces = Pieces();
    for (auto _ : state) {
        auto text = navigation::SearchAerodromes(
            std::string(AVC_SOURCE_DIR) + "/data/vdats.tst", "no such name", pieces, "none",
            [](const std::string&) { return navigation::MatchAnswer::Skip; });
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(SearchWholeFile)->Unit(benchmark::kMillisecond);

void LookUpLastRecord(benchmark::State& state) {
    auto pieces = Pieces();
    for (auto _ : state) {
        auto found = navigation::LookUpPoint(std::string(AVC_SOURCE_DIR) + "/data/vdats.tst",
                                             "ZZZZ", pieces);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(LookUpLastRecord)->Unit(benchmark::kMillisecond);

}  // namespace
