// The cut of a picture into piece texels, at the sizes the game meets, straight and deformed.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "game/board/picture_cut.h"
#include "tools/devkit/test_picture.h"

namespace {

// args: picture width, height, Min, aspect in thousandths, deformation in percent.
void BM_Cut(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0));
    const int h = static_cast<int>(state.range(1));
    const GAME::CUT_GRID grid = GAME::ChooseGrid(w, h, static_cast<int>(state.range(2)),
                                                 state.range(3) / 1000.0f, state.range(4) / 100.0f);
    const std::vector<uint32_t> picture = MakeTestPicture(w, h);
    std::vector<uint32_t> mask(picture.size());
    for (auto _ : state) {
        // Fresh piece buffers every time, as the board creates fresh textures.
        std::vector<std::vector<uint32_t>> pieces;
        pieces.reserve(static_cast<size_t>(grid.cols) * grid.rows);
        const GAME::PICTURE_CUT cut =
            GAME::CutPicture(picture.data(), grid, GAME::TEXEL_VIEW{mask.data(), w, h},
                             [&](int, int, int width, int height) {
                                 pieces.emplace_back(static_cast<size_t>(width) * height);
                                 return GAME::TEXEL_VIEW{pieces.back().data(), width, height};
                             });
        benchmark::DoNotOptimize(cut.lines.shapes.data());
        benchmark::DoNotOptimize(pieces.back().data());
    }
    state.counters["pieces"] = grid.cols * grid.rows;
}

BENCHMARK(BM_Cut)
    ->ArgNames({"w", "h", "min", "aspect", "deform"})
    ->Args({1024, 768, 3, 750, 0})
    ->Args({1024, 768, 3, 750, 100})
    ->Args({1920, 1440, 15, 750, 0})
    ->Args({1920, 1440, 15, 750, 100})
    ->Args({2560, 1440, 15, 563, 0})
    ->Args({2560, 1440, 15, 563, 100})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
