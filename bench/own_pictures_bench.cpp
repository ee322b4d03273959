// The menu while "My pictures" makes the thumbnails of a folder of camera-size photos, on the
// real program and GPU frames: the slowest main-thread frame, the time to the first eight
// thumbnails and the process's peak memory. Run once per folder size, in its own process, so
// that peaks compare:
//   bench_own_pictures --benchmark_filter='/0/'     (the idle menu)
//   bench_own_pictures --benchmark_filter='/2000/'
// The photos are a few distinct JPEGs and hard links to them, kept in a temporary folder. The
// distinct JPEGs are made here, or taken from PD_BENCH_PHOTOS (a folder of *.jpg) when it is set.
// The thumbnail cache starts empty every run, unless PD_BENCH_CACHE names a cache folder to keep:
// a second run with the same folder measures the warm cache.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "engine/frame/game.h"
#include "game/shell/own_pictures_page.h"
#include "game/shell/puzzle.h"
#include "image.h"
#include "tools/devkit/test_picture.h"
#include "tools/game_driver/game_driver.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Landscape, portrait and wide camera sizes.
constexpr int kPhotoSizes[][2] = {{4000, 3000}, {3000, 4000}, {4608, 2592}};
constexpr int kSubFolders = 4;

std::string BuiltGameFolder() {
    const char* game_dir = std::getenv("PD_GAME_DIR");
    return game_dir != nullptr ? game_dir : PD_GAME_DIR;
}

// The distinct photos, written once and kept for later runs.
std::vector<fs::path> DistinctPhotos(const fs::path& folder) {
    std::vector<fs::path> photos;
    if (const char* given = std::getenv("PD_BENCH_PHOTOS")) {
        for (const fs::directory_entry& entry : fs::directory_iterator(given)) {
            if (entry.path().extension() == ".jpg") {
                photos.push_back(entry.path());
            }
        }
        std::sort(photos.begin(), photos.end());
        return photos;
    }
    fs::create_directories(folder);
    for (const auto& size : kPhotoSizes) {
        const fs::path path =
            folder / ("camera_" + std::to_string(size[0]) + "x" + std::to_string(size[1]) + ".jpg");
        if (!fs::exists(path)) {
            const std::vector<uint32_t> argb = MakeTestPicture(size[0], size[1]);
            image_io::IMAGE image(size[0], size[1]);
            for (size_t i = 0; i < argb.size(); ++i) {
                uint8_t* p = &image.rgba[i * 4];
                p[0] = static_cast<uint8_t>(argb[i] >> 16);
                p[1] = static_cast<uint8_t>(argb[i] >> 8);
                p[2] = static_cast<uint8_t>(argb[i]);
                p[3] = 255;
            }
            std::string error;
            if (!image_io::WriteJpeg(path.string(), image, 90, error)) {
                std::fprintf(stderr, "own_pictures_bench: %s\n", error.c_str());
                std::exit(1);
            }
        }
        photos.push_back(path);
    }
    return photos;
}

// count hard links to the distinct photos, over the top level and a few sub-folders.
fs::path PhotoFolder(int count) {
    const char* given = std::getenv("PD_BENCH_PHOTOS");
    const fs::path root =
        fs::temp_directory_path() /
        (given != nullptr ? "pd_own_pictures_bench_given" : "pd_own_pictures_bench");
    const std::vector<fs::path> photos = DistinctPhotos(root / "distinct");
    const fs::path folder = root / ("Pictures_" + std::to_string(count));
    if (!fs::exists(folder)) {
        for (int i = 0; i < count; ++i) {
            fs::path into = folder;
            if (i % 2 == 1) {
                into /= "album_" + std::to_string(i % (2 * kSubFolders) / 2);
            }
            fs::create_directories(into);
            char name[32];
            std::snprintf(name, sizeof(name), "IMG_%05d.jpg", i);
            fs::create_hard_link(photos[i % photos.size()], into / name);
        }
        fs::create_directories(folder);
    }
    return folder;
}

double PeakMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stod(line.substr(6)) / 1024.0;
        }
    }
    return 0.0;
}

void BM_MenuWhileThumbnailsAreMade(benchmark::State& state) {
    const int photos = static_cast<int>(state.range(0));
    const fs::path pictures = PhotoFolder(photos);
    const char* kept_cache = std::getenv("PD_BENCH_CACHE");
    const fs::path cache = kept_cache != nullptr ? fs::path(kept_cache)
                                                 : fs::temp_directory_path() /
                                                       ("pd_own_cache_" + std::to_string(getpid()));
    if (kept_cache == nullptr) {
        fs::remove_all(cache);
    }
    setenv("XDG_PICTURES_DIR", pictures.c_str(), 1);
    setenv("XDG_CACHE_HOME", cache.c_str(), 1);

    GAME_DRIVER driver;
    const Clock::time_point started = Clock::now();
    if (!driver.Start(BuiltGameFolder(), 1024, 768)) {
        state.SkipWithError(driver.Problem().c_str());
        return;
    }
    GAME::PUZZLE& game = driver.Game();
    WUN::ST_GAME& frame = *WUN::ST_GAME::GetInstance();
    double worst_ms = 0.0, first_eight_ms = -1.0, first_eight_from_start_ms = -1.0;
    double total_ms = 0.0;
    // The first second's frames upload the menu's art and build the driver's shaders, with or
    // without photos: the thumbnails' cost shows in the frames after it.
    constexpr int kWarmUpFrames = 60;
    double worst_after_warm_up_ms = 0.0;
    int frames = 0, frames_over_20_ms = 0;
    std::vector<double> frame_ms;
    for (auto _ : state) {
        frame.Step(GAME_DRIVER::kFrameSeconds, true);
        game.SelectPage(game.CategoryCount());
        const Clock::time_point shown = Clock::now();
        const GAME::OWN_PICTURES_PAGE& page = game.OwnPictures();
        // The scan, or two seconds of the idle menu when there is nothing to scan.
        while ((!page.ScanDone() || Clock::now() - shown < std::chrono::seconds(2)) &&
               Clock::now() - shown < std::chrono::minutes(5)) {
            const Clock::time_point start = Clock::now();
            frame.Step(GAME_DRIVER::kFrameSeconds, true);
            const double ms =
                std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            // Paced as the main loop paces its frames: unpaced, frames queue up in the driver
            // and every few of them waits for the whole queue.
            std::this_thread::sleep_until(start + std::chrono::microseconds(16667));
            worst_ms = std::max(worst_ms, ms);
            frame_ms.push_back(ms);
            total_ms += ms;
            if (++frames > kWarmUpFrames) {
                worst_after_warm_up_ms = std::max(worst_after_warm_up_ms, ms);
                frames_over_20_ms += ms > 20.0 ? 1 : 0;
            }
            if (first_eight_ms < 0.0 && page.ThumbnailsShown() >= std::min(8, photos)) {
                first_eight_ms =
                    std::chrono::duration<double, std::milli>(Clock::now() - shown).count();
                first_eight_from_start_ms =
                    std::chrono::duration<double, std::milli>(Clock::now() - started).count();
            }
        }
        state.SetIterationTime(worst_after_warm_up_ms / 1000.0);
    }
    state.counters["worst_frame_ms"] = worst_ms;
    state.counters["worst_after_1s_ms"] = worst_after_warm_up_ms;
    state.counters["over_20ms_after_1s"] = frames_over_20_ms;
    state.counters["mean_frame_ms"] = frames > 0 ? total_ms / frames : 0.0;
    if (!frame_ms.empty()) {
        std::nth_element(frame_ms.begin(), frame_ms.begin() + frame_ms.size() / 2, frame_ms.end());
        state.counters["median_frame_ms"] = frame_ms[frame_ms.size() / 2];
    }
    state.counters["first_8_ms"] = first_eight_ms;
    state.counters["first_8_from_start_ms"] = first_eight_from_start_ms;
    state.counters["frames"] = frames;
    state.counters["peak_MB"] = PeakMegabytes();
    if (kept_cache == nullptr) {
        fs::remove_all(cache);
    }
}
BENCHMARK(BM_MenuWhileThumbnailsAreMade)
    ->Arg(0)
    ->Arg(2000)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
