// One play frame of a 405-piece board as the game plays it: the play panel and the board
// updated, the board with its pocket and open fly frame drawn with the panel, recorded.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "engine/frame/game.h"
#include "engine/resources/file_system.h"
#include "game/board/panel_answers.h"
#include "game/board/pieces_system.h"
#include "game/board/play_panel.h"
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
    PLAY_PANEL panel(nullptr);
    panel.SetPosition(512, 744);
    // At its smallest the frame still shows this large picture 768 x 432 pixels big.
    board->ToggleFlyFrame();
    board->FlyFrame()->SetZoom(1);
    // Let the pieces land, with the pointer resting over the board (beside the fly frame) as
    // a player's would.
    game.input.SetPosition(150, 600);
    game.timer.delta = 1.0f / 60.0f;
    for (int i = 0; i < 240; ++i)
        board->Update(0, 1.0f / 60.0f);
    size_t draws = 0;
    for (auto _ : state) {
        GAME::UpdatePanelAndBoard(*board, panel);
        board->Draw(0);
        panel.Draw(0);
        panel.DrawHints();
        board->DrawOverlay();
        benchmark::DoNotOptimize(game.render.GetRecordedDraws().data());
        draws = game.render.GetRecordedDraws().size();
        game.render.ClearRecordedDraws();
    }
    state.counters["draws"] = static_cast<double>(draws);
    state.counters["pieces"] = board->StackSize();
}

BENCHMARK(BM_PlayFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
