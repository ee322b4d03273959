// screens_gallery OUT_DIR WIDTH HEIGHT [GAME_DIR]: runs the game on the offscreen driver at
// WIDTH x HEIGHT and writes a screenshot of every window the shell opens over the menu and over
// a game: the difficulty choice, settings, resolution and its confirmation, credits, in-game
// options and the three help pages; then the win dialog, the saved-games page, the trophy panel
// and the score and leader boards.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/platform/virtual_keys.h"
#include "engine/ui/buttons.h"
#include "engine/ui/sliders.h"
#include "game/board/pieces_system.h"
#include "game/shell/colour_chooser.h"
#include "game/shell/difficulty_dialog.h"
#include "game/shell/options_window.h"
#include "game/shell/puzzle.h"
#include "game/shell/resolution_window.h"
#include "game/shell/settings_window.h"
#include "tools/game_driver/game_driver.h"
#include "tools/screens_gallery/records_screens.h"

namespace {

// A roomy desktop, so the resolution window shows every size it knows.
GAME::SCREEN_LIMITS RoomyDesktop() {
    GAME::SCREEN_LIMITS limits;
    limits.desktop_width = 2560;
    limits.desktop_height = 1440;
    limits.usable_width = 2560;
    limits.usable_height = 1400;
    limits.frame_height = 30;
    return limits;
}

template <class BUTTON>
void ClickOn(GAME_DRIVER& driver, const BUTTON& button) {
    driver.Click(static_cast<int>(button.pos.x), static_cast<int>(button.pos.y));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: screens_gallery OUT_DIR WIDTH HEIGHT [GAME_DIR]\n");
        return 2;
    }
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    // Absolute: the game runs in its own folder.
    const std::string out = std::filesystem::absolute(argv[1]).string() + "/";
    const int width = std::atoi(argv[2]);
    const int height = std::atoi(argv[3]);
    GAME_DRIVER driver;
    if (!driver.Start(argc > 4 ? argv[4] : PD_GAME_DIR, width, height)) {
        std::fprintf(stderr, "screens_gallery: %s\n", driver.Problem().c_str());
        return 1;
    }
    GAME::PUZZLE& game = driver.Game();
    game.read_screen_limits = &RoomyDesktop;
    driver.Step();
    bool written = true;
    const auto shot = [&](const char* name) {
        written = driver.WriteScreenshot(out + name + ".png") && written;
    };

    game.SetPzlOpt();
    driver.Step();
    GAME::DIFFICULTY_DIALOG& choice = *game.DifficultyDialog();
    for (int i = 0; i < 4; ++i) {
        ClickOn(driver, *choice.PiecesSlider().GetPlusButton());
    }
    ClickOn(driver, choice.RotationBox());
    shot("difficulty");
    ClickOn(driver, choice.CancelButton());

    game.OpenSettings();
    driver.Step();
    shot("settings");
    GAME::PUZZLE_SETTINGS& settings = *game.SettingsWindow();
    ClickOn(driver, settings.ResolutionButton());
    shot("resolution");
    GAME::PUZZLE_RESOLUTION& resolution = *settings.ResolutionWindow();
    ClickOn(driver, *resolution.Choice(PUZZLE_PLAYER_PROFILE::kMode1024x768));
    ClickOn(driver, resolution.FullScreenBox());
    ClickOn(driver, resolution.OkButton());
    driver.Run(3.0f);
    shot("resolution-confirm");
    driver.Run(15.0f);  // the countdown switches back
    ClickOn(driver, resolution.CancelButton());
    ClickOn(driver, settings.CreditsButton());
    shot("credits");
    driver.Tap(VK_RETURN);
    driver.Tap(VK_ESCAPE);

    game.Play();
    driver.Run(3.5f);
    shot(game.Board()->rt ? "help-0" : "help-1");
    driver.Tap(VK_RETURN);
    game.Board()->rt = !game.Board()->rt;
    game.ShowHelp(1);
    driver.Run(3.5f);
    shot(game.Board()->rt ? "help-0" : "help-1");
    driver.Tap(VK_RETURN);
    game.ShowHelp(2);
    driver.Step();
    shot("help-2");
    driver.Tap(VK_RETURN);
    game.ToggleOptionsDialog();
    driver.Step();
    ClickOn(driver, game.OptionsWindow()->Chooser().Swatch(1));  // the board turns green at once
    shot("options");
    game.ToggleOptionsDialog();
    game.OpenQuitQuestion();
    driver.Tap(VK_RETURN);
    driver.Step();
    ShootRecordScreens(driver, shot);
    std::printf("screens_gallery: %s\n", written ? "written" : "some screenshots failed");
    return written ? 0 : 1;
}
