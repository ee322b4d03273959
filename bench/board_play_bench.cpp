// One play frame of a 405-piece board: the board update and its draw submission, recorded.
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

std::string WritePicture(int w, int h) {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("pd_play_bench_" + std::to_string(getpid()) + ".png"))
                                 .string();
    WriteTestPicture(path, w, h);
    return path;
}

void BM_PlayFrame(benchmark::State& state) {
    WUN::ST_GAME& game = *WUN::ST_GAME::GetInstance();
    game.render.SetLogicalSize(1024, 768);
    game.Centre = {512, 384};
    UsePacks = false;
    const std::string picture = WritePicture(2560, 1440);
    PUZZLE_PLAYER_PROFILE settings;
    auto board = std::make_unique<GAME::PUZZLE_PIECES_SYSTEM>();
    board->SetAspect(0.5625f);
    board->Init(picture, 15, 0, &settings, true, 1.0f, 0);
    board->SetState(GAME::kStateBuild);
    board->Update(0, 1.0f / 60.0f);
    std::filesystem::remove(picture);
    // Let the pieces land, with the pointer resting over the board as a player's would.
    game.input.SetPosition(500, 400);
    for (int i = 0; i < 240; ++i)
        board->Update(0, 1.0f / 60.0f);
    for (auto _ : state) {
        board->Update(0, 1.0f / 60.0f);
        board->Draw(0);
        benchmark::DoNotOptimize(game.render.GetRecordedDraws().data());
        game.render.ClearRecordedDraws();
    }
    state.counters["pieces"] = board->StackSize();
}

BENCHMARK(BM_PlayFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
