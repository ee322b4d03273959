// The autosave's cost on the main thread in the real program: the game's document made and
// handed to the writer thread, for the largest game the difficulty choice allows (15 pieces on
// the short side of a wide picture). The writing itself, with its flush, runs on the writer
// thread and is waited for outside the timing.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "game/board/pieces_system.h"
#include "game/shell/autosave.h"
#include "game/shell/catalogue_frame.h"
#include "game/shell/difficulty_dialog.h"
#include "game/shell/profile.h"
#include "game/shell/puzzle.h"
#include "game/shell/puzzle_category.h"
#include "tools/game_driver/game_driver.h"

namespace {

constexpr int kMostSteps = 2000;

GAME::PUZZLE& GameInPlay() {
    static GAME_DRIVER driver;
    static bool started = false;
    if (started) {
        return driver.Game();
    }
    const char* game_dir = std::getenv("PD_GAME_DIR");
    if (!driver.Start(game_dir != nullptr ? game_dir : PD_GAME_DIR, 1024, 768)) {
        std::fprintf(stderr, "autosave_bench: %s\n", driver.Problem().c_str());
        std::exit(1);
    }
    driver.Step();
    GAME::PUZZLE& game = driver.Game();
    game.Profile().GetSettings()->help_pages = false;
    FRAME& entry = *game.CurrentCategory()->SelectedEntry();
    entry.Min = GAME::DIFFICULTY_DIALOG::kMaxPieces;
    game.Play();
    for (int step = 0; step < kMostSteps && game.Board()->state != GAME::kStatePlay; ++step) {
        driver.Step();
    }
    if (game.Board()->state != GAME::kStatePlay) {
        std::fprintf(stderr, "autosave_bench: the game never came into play\n");
        std::exit(1);
    }
    started = true;
    return game;
}

void BM_AutosaveOnTheMainThread(benchmark::State& state) {
    GAME::PUZZLE& game = GameInPlay();
    for (auto _ : state) {
        game.SaveAutomatically();
        state.PauseTiming();
        game.Autosave().Flush();
        state.ResumeTiming();
    }
    state.counters["pieces"] = static_cast<double>(game.Board()->Grid().size());
    game.Autosave().Discard();
}
BENCHMARK(BM_AutosaveOnTheMainThread)->Unit(benchmark::kMillisecond)->Iterations(50);

// The whole autosave for comparison: what the main thread would carry without the writer.
void BM_AutosaveWrittenAndFlushed(benchmark::State& state) {
    GAME::PUZZLE& game = GameInPlay();
    for (auto _ : state) {
        game.SaveAutomatically();
        game.Autosave().Flush();
    }
    game.Autosave().Discard();
}
BENCHMARK(BM_AutosaveWrittenAndFlushed)->Unit(benchmark::kMillisecond)->Iterations(50);

}  // namespace

BENCHMARK_MAIN();
