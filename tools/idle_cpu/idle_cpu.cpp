// idle_cpu: runs the real program's main loop for a while in the menu or in a dealt game, with
// the pointer still, and prints the processor time it took as a share of one core.
//
//   idle_cpu menu|game [SECONDS [PIECES [sparks|still]]]
//
// The game is the first picture of a catalogue of one, cut into about PIECES pieces (12 by
// default). The embers that follow the pointer keep the screen moving; "still" stops them, to
// see what the rest costs. Run it on the offscreen driver: SDL_VIDEODRIVER=offscreen
// SDL_AUDIODRIVER=dummy.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/frame/game.h"
#include "engine/platform/platform.h"
#include "engine/ui/particles.h"
#include "game/board/pieces_system.h"
#include "game/records/player_settings.h"
#include "game/shell/menu_screen.h"
#include "game/shell/profile.h"
#include "game/shell/puzzle.h"
#include "tools/game_driver/game_driver.h"

namespace {

namespace fs = std::filesystem;

// Seconds of processor time, user and system, of every thread of the process.
double ProcessorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) * 1e-6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The built game folder with a catalogue of one picture cut into about `pieces` pieces.
std::string GameFolder(int pieces) {
    const fs::path folder = fs::temp_directory_path() / "pd_idle_cpu";
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    fs::create_directories(folder);
    for (const fs::directory_entry& entry : fs::directory_iterator(PD_GAME_DIR)) {
        if (entry.path().filename() != "pzls.xml") {
            fs::create_symlink(entry.path(), folder / entry.path().filename());
        }
    }
    std::ofstream(folder / "pzls.xml")
        << "<?xml version=\"1.0\"?>\n<catalogue>\n  <category>\n"
        << "    <picture adrFm=\"aitzgorri.jpg\" adrSm=\"aitzgorri.jpg\" amount=\"" << pieces
        << "\" rot=\"false\"/>\n  </category>\n</catalogue>\n";
    return folder.string();
}

uint32_t g_seconds = 20;

// Closes the window from outside the loop once the time is up, as a player would.
void CloseLater() {
    platform::SleepMilliseconds(g_seconds * 1000);
    platform::PushCloseRequest();
}

}  // namespace

int main(int argc, char** argv) {
    const std::string where = argc > 1 ? argv[1] : "";
    if (where != "menu" && where != "game") {
        std::fprintf(stderr, "usage: idle_cpu menu|game [SECONDS [PIECES [sparks|still]]]\n");
        return 2;
    }
    g_seconds = argc > 2 ? uint32_t(std::atoi(argv[2])) : 20;
    const int pieces = argc > 3 ? std::atoi(argv[3]) : 12;
    const bool sparks = argc <= 4 || std::string(argv[4]) != "still";

    GAME_DRIVER driver;
    if (!driver.Start(GameFolder(pieces), 1024, 768)) {
        std::fprintf(stderr, "idle_cpu: %s\n", driver.Problem().c_str());
        return 1;
    }
    driver.Step();
    if (where == "game") {
        GAME::PUZZLE& game = driver.Game();
        game.Profile().GetSettings()->help_pages = false;
        const auto& play = game.Menu().Button(GAME::kButtonPlay);
        driver.Click(int(play.pos.x), int(play.pos.y));
    }
    if (!sparks) {
        driver.Game().CursorSparks().Stop();
    }
    // The pointer comes to rest away from the buttons, the deal ends and the embers die out.
    driver.MoveTo(1000, 700);
    driver.Run(where == "game" ? 8.0f : 4.0f);

    WUN::ST_GAME& frame = *WUN::ST_GAME::GetInstance();
    const int shown_before = frame.render.GetPresentedFrames();
    const double cpu_before = ProcessorSeconds();
    const auto wall_before = std::chrono::steady_clock::now();
    platform::StartThread(CloseLater);
    frame.Run();
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - wall_before;
    const double cpu = ProcessorSeconds() - cpu_before;
    const GAME::PUZZLE_PIECES_SYSTEM* board = driver.Game().Board();
    std::printf("%s%s, %d pieces: %.1f s, processor %.2f s = %.1f %% of a core, %d frames shown\n",
                where.c_str(), sparks ? "" : " without the pointer's embers",
                board != nullptr ? board->StackSize() : 0, wall.count(), cpu,
                100.0 * cpu / wall.count(), frame.render.GetPresentedFrames() - shown_before);
    return 0;
}
