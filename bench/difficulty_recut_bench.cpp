// From a click on the pieces slider's plus button that sets Min 15 until the re-cut preview with
// its grid is drawn: the shipped 800 x 600 picture, the whole game, the offscreen driver.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "engine/frame/game.h"
#include "engine/ui/buttons.h"
#include "engine/ui/sliders.h"
#include "game/board/pieces_system.h"
#include "game/shell/difficulty_dialog.h"
#include "game/shell/profile.h"
#include "game/shell/puzzle.h"
#include "tools/game_driver/game_driver.h"

namespace {

// The game on its difficulty choice, made once.
GAME_DRIVER* ChoiceOpen() {
    static std::unique_ptr<GAME_DRIVER> driver;
    if (!driver) {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        const char* game_dir = std::getenv("PD_GAME_DIR");
        driver = std::make_unique<GAME_DRIVER>();
        if (!driver->Start(game_dir != nullptr ? game_dir : PD_GAME_DIR, 1024, 768)) {
            std::fprintf(stderr, "difficulty_recut: %s\n", driver->Problem().c_str());
            std::exit(1);
        }
        driver->Step();
        driver->Game().SetPzlOpt();
        driver->Step();
    }
    return driver.get();
}

void BM_PiecesSliderToFifteenUntilDrawn(benchmark::State& state) {
    GAME_DRIVER& driver = *ChoiceOpen();
    GAME::DIFFICULTY_DIALOG& dialog = *driver.Game().DifficultyDialog();
    WUN::WSLIDER_E& pieces = dialog.PiecesSlider();
    const WBUTTONMAP4& plus = *pieces.GetPlusButton();
    WINPUT& input = WUN::ST_GAME::GetInstance()->input;
    std::vector<uint32_t> pixels;
    int width = 0;
    int height = 0;
    for (auto _ : state) {
        pieces.SetValue(14);
        driver.MoveTo(static_cast<int>(plus.pos.x), static_cast<int>(plus.pos.y));
        input.SetButton(WINPUT::kLeft, true);
        driver.Step();
        const auto start = std::chrono::steady_clock::now();
        input.SetButton(WINPUT::kLeft, false);
        driver.Step();  // the click completes: Min 15, re-cut
        driver.Capture(pixels, width, height);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        if (driver.Game().Board()->Min != 15) {
            state.SkipWithError("the click did not set Min 15");
            break;
        }
    }
    state.counters["pieces"] = driver.Game().Board()->cols * driver.Game().Board()->rows;
}

BENCHMARK(BM_PiecesSliderToFifteenUntilDrawn)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(40)
    ->ComputeStatistics("min",
                        [](const std::vector<double>& v) {
                            return *std::min_element(v.begin(), v.end());
                        })
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
