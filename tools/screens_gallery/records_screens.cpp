// The screenshots of what the game keeps; see records_screens.h.
#include "tools/screens_gallery/records_screens.h"

#include <string>

#include "engine/platform/virtual_keys.h"
#include "engine/resources/file_system.h"
#include "game/board/pieces_system.h"
#include "game/records/player_settings.h"
#include "game/records/results_file.h"
#include "game/shell/profile.h"
#include "game/shell/puzzle.h"
#include "tools/game_driver/game_driver.h"

namespace {

using P = PUZZLE_PLAYER_PROFILE;

// A finished game's results with the first `trophies` of the seven new.
RESULT_RECORD Results(int trophies, int hours, int minutes, int seconds) {
    RESULT_RECORD results;
    results.pieces = 48;
    results.score = 2350;
    results.rotation = trophies % 2;
    results.hours = hours;
    results.minutes = minutes;
    results.seconds = seconds;
    for (int t = 0; t < trophies; ++t) {
        results.new_trophy_levels[t] = t == P::kLord ? 1 : 1 + t % 3;
    }
    return results;
}

// Another player of this computer with a total score.
void AddPlayer(const PROFILE& profile, const std::string& name, uint32_t score) {
    WFILE_SYSTEM::CreateFolder(profile.GetRoot() + name);
    P record;
    record.jigsaw_master = score;
    uint8_t bytes[P::kFileSize];
    record.Encode(bytes);
    WFILE_SYSTEM::WriteStream(profile.PlayerFolder(name) + P::kFileName, bytes, sizeof bytes);
}

}  // namespace

void ShootRecordScreens(GAME_DRIVER& driver, const std::function<void(const char*)>& shot) {
    GAME::PUZZLE& game = driver.Game();
    PROFILE& profile = game.Profile();
    profile.GetSettings()->help_pages = false;
    game.Play();
    driver.Run(2.0f);
    GAME::PUZZLE_PIECES_SYSTEM& board = *game.Board();
    const struct {
        const char* name;
        RESULT_RECORD results;
    } wins[] = {{"win-0", Results(0, 0, 59, 59)},
                {"win-3", Results(3, 1, 0, 0)},
                {"win-7", Results(7, 0, 12, 5)}};
    for (const auto& win : wins) {
        board.OpenWinDialog(win.results);
        driver.Step();
        shot(win.name);
    }
    // Three saves of the game at different stages, then back to the menu without a score.
    for (int joins : {5, 20, 40}) {
        board.counters.regCg = joins;
        board.Save(game.SavePrefix(), game.ResolutionCode());
    }
    board.counters.regSc = 0;
    game.OpenQuitQuestion();
    driver.Tap(VK_RETURN);
    game.RefreshSaves();
    game.SelectPage(game.SavesPage());
    driver.Step();
    shot("saves");
    game.SelectPage(1);

    P& settings = *profile.GetSettings();
    settings.trophy_levels[P::kCollector] = 3;
    settings.trophy_levels[P::kInconstancy] = 2;
    settings.trophy_levels[P::kSage] = 6;
    settings.trophy_levels[P::kLord] = 1;
    game.OpenTrophyPanel();
    driver.Step();
    shot("trophies");
    driver.Tap(VK_RETURN);

    const std::string results = profile.PlayerFolder() + "Progress.xml";
    const RESULT_ENTRY finished[] = {{"aitzgorri.jpg", 1280, 48, false, 754.0},
                                     {"dandelions.jpg", 2210, 60, false, 3725.7},
                                     {"ivy_and_sky.jpg", 3105, 48, true, 1510.2},
                                     {"yellow_flower.jpg", 640, 24, false, 301.0}};
    for (const RESULT_ENTRY& result : finished) {
        AppendResult(results, result);
    }
    game.OpenScoreBoard();
    driver.Step();
    shot("score-board");
    driver.Tap(VK_RETURN);

    settings.jigsaw_master = 48210;
    const struct {
        const char* name;
        uint32_t score;
    } players[] = {
        {"Ada", 91230}, {"Bruno", 48210}, {"Chiara", 15400}, {"Dmitri", 120770}, {"Eun-ji", 2300}};
    for (const auto& player : players) {
        AddPlayer(profile, player.name, player.score);
    }
    game.OpenLeaderBoard();
    driver.Step();
    shot("leader-board");
    driver.Tap(VK_RETURN);
}
