// The menu of the real program on the offscreen driver: the start-up to the first menu frame
// (one sample a process: run the program several times), and one menu frame, its update and
// the submission of its draws (recorded: the frame goes through its states but not to the GPU).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/frame/game.h"
#include "tools/game_driver/game_driver.h"

namespace {

namespace fs = std::filesystem;

std::string BuiltGameFolder() {
    const char* game_dir = std::getenv("PD_GAME_DIR");
    return game_dir != nullptr ? game_dir : PD_GAME_DIR;
}

// The built game folder without its splash logos, so that the start-up has no intro to wait
// for: what is left is the work of starting.
std::string GameFolderWithoutIntro() {
    const fs::path folder = fs::temp_directory_path() / "pd_menu_bench";
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    fs::create_directories(folder);
    for (const fs::directory_entry& entry : fs::directory_iterator(BuiltGameFolder())) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("logo", 0) != 0) {
            fs::create_symlink(entry.path(), folder / name);
        }
    }
    return folder.string();
}

GAME_DRIVER& Driver() {
    static GAME_DRIVER driver;
    return driver;
}

// The game up and its first frame run; started once per process.
GAME_DRIVER& MenuUp(double* seconds_to_menu = nullptr) {
    static bool started = false;
    GAME_DRIVER& driver = Driver();
    if (!started) {
        const std::string folder = GameFolderWithoutIntro();
        const auto start = std::chrono::steady_clock::now();
        if (!driver.Start(folder, 1024, 768)) {
            std::fprintf(stderr, "menu_bench: %s\n", driver.Problem().c_str());
            std::exit(1);
        }
        driver.Step();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        if (seconds_to_menu != nullptr) {
            *seconds_to_menu = took.count();
        }
        started = true;
    }
    return driver;
}

void BM_StartUpToTheMenu(benchmark::State& state) {
    for (auto _ : state) {
        double seconds = 0.0;
        MenuUp(&seconds);
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_StartUpToTheMenu)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_MenuFrame(benchmark::State& state) {
    MenuUp();
    WRENDER& render = WUN::ST_GAME::GetInstance()->render;
    render.SetFramesUnseen(true);
    render.SetRecording(true);
    size_t draws = 0;
    for (auto _ : state) {
        render.ClearRecordedDraws();
        WUN::ST_GAME::GetInstance()->Step(GAME_DRIVER::kFrameSeconds, true);
        draws = render.GetRecordedDraws().size();
    }
    render.SetRecording(false);
    render.SetFramesUnseen(false);
    state.counters["draws"] = static_cast<double>(draws);
}
BENCHMARK(BM_MenuFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
