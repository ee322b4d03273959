// The cut of a picture into piece texels, at the sizes the game meets, straight and deformed,
// against a plain fill of the same piece rectangles (the "ratio" counter: cut CPU over fill).
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "game/board/cut_arena.h"
#include "tools/devkit/test_picture.h"

namespace {

double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + now.tv_nsec * 1e-9;
}

// The least a cut could cost: one write pass over every piece's rectangle, each filled with the
// picture's colour at its cell centre, into buffers kept from the last pass.
void FillPieceRectangles(const std::vector<uint32_t>& picture, const GAME::CUT_GRID& grid,
                         std::vector<uint32_t>& pieces) {
    const GAME::CUT_POINT size = GAME::PieceTexelSize(grid);
    const size_t piece_texels = static_cast<size_t>(size.x) * size.y;
    pieces.resize(piece_texels * grid.cols * grid.rows);
    for (int row = 0; row < grid.rows; ++row) {
        for (int col = 0; col < grid.cols; ++col) {
            const GAME::CUT_POINT centre = GAME::CellCentre(grid, col, row);
            const uint32_t colour =
                picture[static_cast<size_t>(centre.y) * grid.picture_w + centre.x];
            const auto first = pieces.begin() + piece_texels * (row * grid.cols + col);
            std::fill(first, first + piece_texels, colour);
        }
    }
}

// args: picture width, height, Min, aspect in thousandths, deformation in percent.
void BM_Cut(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0));
    const int h = static_cast<int>(state.range(1));
    const GAME::CUT_GRID grid = GAME::ChooseGrid(w, h, static_cast<int>(state.range(2)),
                                                 state.range(3) / 1000.0f, state.range(4) / 100.0f);
    const std::vector<uint32_t> picture = MakeTestPicture(w, h);
    std::vector<uint32_t> mask(picture.size());
    // The board keeps its arena from game to game, as this keeps it from cut to cut.
    GAME::CUT_ARENA arena;
    std::vector<uint32_t> baseline;
    double cut_cpu = 0.0;
    double fill_cpu = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        const double fill_start = CpuSeconds();
        FillPieceRectangles(picture, grid, baseline);
        benchmark::DoNotOptimize(baseline.data());
        fill_cpu += CpuSeconds() - fill_start;
        state.ResumeTiming();
        const double cut_start = CpuSeconds();
        const GAME::PICTURE_CUT cut =
            arena.Cut(picture.data(), grid, GAME::TEXEL_VIEW{mask.data(), w, h});
        benchmark::DoNotOptimize(cut.lines.shapes.data());
        benchmark::DoNotOptimize(arena.Piece(arena.PieceCount() - 1).texels);
        cut_cpu += CpuSeconds() - cut_start;
    }
    state.counters["pieces"] = grid.cols * grid.rows;
    state.counters["fill_ms"] =
        benchmark::Counter(fill_cpu * 1000.0, benchmark::Counter::kAvgIterations);
    state.counters["ratio"] = fill_cpu > 0.0 ? cut_cpu / fill_cpu : 0.0;
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
