// Speed of the look: the gradient background of the main window in each style, and
// cutting and decoding the frames of the main window's animation (m9.gif).
//
//   QT_QPA_PLATFORM=offscreen build/default/bench/window_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/form.h"
#include "platform/gif_decode.h"
#include "startup/avcalc_mod.h"
#include "toolkit/gif_frames.h"
#include "toolkit/skin.h"

namespace {

class Canvas : public platform::Form {
  public:
    Canvas() : Form("bench") {}
};

// The main window's drawing area after scaling: 10400 x 4350 twips x 1.28.
void Gradient(benchmark::State& state) {
    const int style = static_cast<int>(state.range(0));
    AvcalcMod::ColourTable[3] = 0x00B8D4F0;
    AvcalcMod::ColourTable[4] = 0x00F6F9FD;
    Canvas form;
    form.Load();
    form.Move(0, 0, 13312, 5568);
    AvcalcMod::CurrentForm = &form;
    for (auto _ : state) {
        AvcalcMod::PaintGradientStyle(3, 4, style);
        benchmark::ClobberMemory();
    }
    AvcalcMod::CurrentForm = nullptr;
    form.Unload();
}
BENCHMARK(Gradient)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

void AnimationFrames_CutAndDecode(benchmark::State& state) {
    std::ifstream in(std::string(AVC_SOURCE_DIR) + "/data/m9.gif", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string_view all(bytes);
    for (auto _ : state) {
        const AvcalcMod::GifCutPlan plan = AvcalcMod::CutGifFrames(all);
        for (const AvcalcMod::GifFrameCut& frame : plan.frames) {
            auto image = platform::DecodeFirstGifImage(
                all.substr(0, plan.headerLength), all.substr(frame.chunkStart, frame.chunkLength));
            benchmark::DoNotOptimize(image);
        }
    }
}
BENCHMARK(AnimationFrames_CutAndDecode)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
