// Speed of the pure pieces a user waits on, each beside its floor where it has one:
// reading the data file's text section, a search and a look-up over the aerodrome
// section (floor: opening the file and reading its bytes), evaluating expressions.
//
//   build/default/bench/core_bench      (scripts/bench.sh runs every benchmark)
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "engine/evaluator.h"
#include "navigation/search.h"
#include "startup/avcalc_mod.h"
#include "startup/data_file.h"
#include "startup/text_lines.h"

namespace {

const std::string DataFile = std::string(AVC_SOURCE_DIR) + "/data/vdats.tst";

// The floor of every reader: open the file, read all its bytes, close it.
void Floor_OpenAndReadFile(benchmark::State& state) {
    std::vector<char> buffer(1 << 20);
    for (auto _ : state) {
        std::FILE* file = std::fopen(DataFile.c_str(), "rb");
        std::size_t total = 0, got = 0;
        while ((got = std::fread(buffer.data(), 1, buffer.size(), file)) > 0) total += got;
        std::fclose(file);
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(Floor_OpenAndReadFile)->Unit(benchmark::kMicrosecond);

void TextSection_ReadAndExpand(benchmark::State& state) {
    AvcalcMod::BuildFragmentTable();
    for (auto _ : state) {
        AvcalcMod::ReadTextSection(DataFile);
        benchmark::DoNotOptimize(AvcalcMod::TextLines[AvcalcMod::Line::NamePieces].size());
    }
}
BENCHMARK(TextSection_ReadAndExpand)->Unit(benchmark::kMicrosecond);

navigation::NamePieces Pieces() {
    AvcalcMod::BuildFragmentTable();
    AvcalcMod::ReadTextSection(DataFile);
    return navigation::NamePiecesFromLine(AvcalcMod::TextLines[AvcalcMod::Line::NamePieces]);
}

void Search_NoMatch(benchmark::State& state) {
    const auto pieces = Pieces();
    for (auto _ : state) {
        auto outcome = navigation::SearchAerodromes(
            DataFile, "no such name", pieces, "none",
            [](const std::string&) { return navigation::MatchAnswer::Skip; });
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(Search_NoMatch)->Unit(benchmark::kMicrosecond);

void LookUp_LastRecord(benchmark::State& state) {
    const auto pieces = Pieces();
    for (auto _ : state) {
        auto found = navigation::LookUpPoint(DataFile, "ZZZZ", pieces);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(LookUp_LastRecord)->Unit(benchmark::kMicrosecond);

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
// The display holds about 40 characters at a glance; 250 is a long scroll of keys;
// 10,001 is far more than anyone types (it must still come back well within a second).
BENCHMARK_CAPTURE(Evaluate, chars_40, std::string("2x(3+4)^2-1/3x3+6x7\\2+(8.5-2)/4x1.25-9+1"))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Evaluate, chars_250, "2" + Repeat("x(3+4)^2-1/3x3+6", 15) + "+123-4567")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Evaluate, chars_10001, "1" + Repeat("-1", 5000))->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
