// The board's per-frame update at the piece counts of the largest boards, with every piece at
// rest and with every piece pushed back into the play area (singles, or each grid row a group);
// its cost per piece shows whether the update stays linear in the pieces.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "engine/frame/game.h"
#include "engine/resources/file_system.h"
#include "game/board/pieces_system.h"
#include "game/records/player_settings.h"
#include "tools/devkit/test_picture.h"

namespace {

constexpr float kStep = 1.0f / 60.0f;

enum PUSHES { kResting = 0, kSinglesPushed = 1, kRowGroupsPushed = 2 };

// args: pieces along the picture's shorter side (a 16:9 picture: 15 → 405, 30 → 1 590 and
// 40 → 2 840 pieces), PUSHES.
void BM_BoardUpdate(benchmark::State& state) {
    WUN::ST_GAME& game = *WUN::ST_GAME::GetInstance();
    game.render.SetLogicalSize(1024, 768);
    game.Centre = {512, 384};
    UsePacks = false;
    const std::string picture = (std::filesystem::temp_directory_path() /
                                 ("pd_update_bench_" + std::to_string(getpid()) + ".png"))
                                    .string();
    WriteTestPicture(picture, 2560, 1440);
    PUZZLE_PLAYER_PROFILE settings;
    auto board = std::make_unique<GAME::PUZZLE_PIECES_SYSTEM>();
    board->SetAspect(0.5625f);
    board->Init(picture, static_cast<int>(state.range(0)), 0, &settings, true, 1.0f, 0);
    board->SetState(GAME::kStateBuild);
    board->Update(0, kStep);
    std::filesystem::remove(picture);
    // The pointer rests off the pieces' way while they land; then every piece rests.
    game.input.SetPosition(1, 1);
    game.timer.delta = kStep;
    for (int i = 0; i < 240; ++i)
        board->Update(0, kStep);
    if (state.range(1) == kRowGroupsPushed) {
        for (GAME::PUZZLE_PIECE* piece : board->Grid())
            piece->nstr = piece->row + 1;
    }
    if (state.range(1) != kResting) {
        // A play area of one point: every piece lies outside it in every frame.
        board->play_area = {512, 384, 512, 384};
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(board->Update(0, kStep));
    }
    state.counters["pieces"] = board->StackSize();
    state.counters["per_piece"] =
        benchmark::Counter(board->StackSize(), benchmark::Counter::kIsIterationInvariantRate |
                                                   benchmark::Counter::kInvert);
}

BENCHMARK(BM_BoardUpdate)
    ->ArgNames({"min", "pushes"})
    ->ArgsProduct({{15, 30, 40}, {kResting, kSinglesPushed, kRowGroupsPushed}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
