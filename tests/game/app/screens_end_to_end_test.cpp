// The whole game with its shipped data on a real window: the difficulty choice from the menu to
// a started game, and a new screen mode that is not confirmed and switches the window back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "engine/frame/game.h"
#include "engine/platform/virtual_keys.h"
#include "engine/resources/config.h"
#include "engine/ui/buttons.h"
#include "engine/ui/sliders.h"
#include "game/board/cut_grid.h"
#include "game/board/pieces_system.h"
#include "game/records/player_settings.h"
#include "game/shell/difficulty_dialog.h"
#include "game/shell/menu_screen.h"
#include "game/shell/profile.h"
#include "game/shell/puzzle.h"
#include "game/shell/resolution_confirm.h"
#include "game/shell/resolution_window.h"
#include "game/shell/settings_window.h"
#include "tools/game_driver/game_driver.h"

namespace {

constexpr int kXga = PUZZLE_PLAYER_PROFILE::kMode1024x768;
constexpr int kWxga = PUZZLE_PLAYER_PROFILE::kMode1440x900;

// One game for the whole program, as there is one application frame. Every test starts and
// ends in the menu.
GAME_DRIVER* g_driver = nullptr;

class ScreensEndToEndTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        const char* game_dir = std::getenv("PD_GAME_DIR");
        ASSERT_NE(game_dir, nullptr) << "PD_GAME_DIR names the folder of the built game";
        g_driver = new GAME_DRIVER();
        ASSERT_TRUE(g_driver->Start(game_dir, 1024, 768)) << g_driver->Problem();
        g_driver->Step();
        // The help pages would stand between the tests and the board.
        g_driver->Game().Profile().GetSettings()->help_pages = false;
    }
    void SetUp() override {
        ASSERT_NE(g_driver, nullptr);
        ASSERT_EQ(Game().State(), GAME::PUZZLE::kMenu);
    }

    static GAME::PUZZLE& Game() { return g_driver->Game(); }
    template <class ITEM>
    static void ClickOn(const ITEM& item) {
        g_driver->Click(static_cast<int>(item.pos.x), static_cast<int>(item.pos.y));
    }
    static std::string ReadFile(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    static PUZZLE_PLAYER_PROFILE SavedSettings() {
        const std::string bytes =
            ReadFile(Game().Profile().PlayerFolder() + PUZZLE_PLAYER_PROFILE::kFileName);
        PUZZLE_PLAYER_PROFILE saved;
        uint8_t record[PUZZLE_PLAYER_PROFILE::kFileSize] = {};
        std::copy_n(bytes.begin(), std::min(bytes.size(), sizeof record), record);
        saved.Decode(record);
        return saved;
    }
};

TEST_F(ScreensEndToEndTest, DraggingThePiecesSliderToFifteenStartsTheGameOnThatGrid) {
    ClickOn(Game().Menu().Button(GAME::kButtonCut));
    ASSERT_EQ(Game().State(), GAME::PUZZLE::kChoice);
    GAME::DIFFICULTY_DIALOG& dialog = *Game().DifficultyDialog();
    const WUN::WSLIDER_E& pieces = dialog.PiecesSlider();
    const int knob_x = static_cast<int>(pieces.GetKnobX());
    const int knob_y = static_cast<int>(pieces.GetKnobY());
    const int track_end = static_cast<int>(pieces.GetTrackX() + pieces.GetLength());
    g_driver->Drag(knob_x, knob_y, track_end + 40, knob_y, 12);
    EXPECT_EQ(dialog.Pieces(), GAME::DIFFICULTY_DIALOG::kMaxPieces);
    GAME::PUZZLE_PIECES_SYSTEM& board = *Game().Board();
    EXPECT_EQ(board.Min, GAME::DIFFICULTY_DIALOG::kMaxPieces);
    const int preview_pieces = board.cols * board.rows;

    ClickOn(dialog.OkButton());
    ASSERT_EQ(Game().State(), GAME::PUZZLE::kPlaying);
    g_driver->Step();  // the board builds its pieces
    ASSERT_EQ(Game().Board(), &board);
    const GAME::CUT_GRID grid = GAME::ChooseGrid(
        board.picture->GetWidth(), board.picture->GetHeight(), 15, board.aspect, 1.0f);
    EXPECT_EQ(board.cols, grid.cols);
    EXPECT_EQ(board.rows, grid.rows);
    EXPECT_EQ(board.StackSize(), preview_pieces);
    EXPECT_EQ(board.StackSize(), grid.cols * grid.rows);

    Game().OpenQuitQuestion();
    g_driver->Tap(VK_RETURN);  // no join yet, so no save question: back to the menu
    EXPECT_EQ(Game().State(), GAME::PUZZLE::kMenu);
}

TEST_F(ScreensEndToEndTest, ANewModeThatRunsOutPutsTheWindowBackAtItsOldSize) {
    // The offscreen display is 1024 x 768; a larger desktop lets the window offer more.
    Game().read_screen_limits = [] { return GAME::SCREEN_LIMITS{1920, 1080, 1920, 1050, 0, 30}; };
    ClickOn(Game().Menu().Button(GAME::kButtonSettings));
    GAME::PUZZLE_SETTINGS& settings = *Game().SettingsWindow();
    // First XGA in a window, kept.
    ClickOn(settings.ResolutionButton());
    GAME::PUZZLE_RESOLUTION* resolution = settings.ResolutionWindow();
    ClickOn(*resolution->Choice(kXga));
    if (resolution->FullScreenBox().IsChecked()) {
        ClickOn(resolution->FullScreenBox());
    }
    ClickOn(resolution->OkButton());
    ASSERT_NE(resolution->Confirmation(), nullptr);
    ClickOn(resolution->Confirmation()->OkButton());
    ASSERT_EQ(settings.ResolutionWindow(), nullptr);
    int width = 0;
    int height = 0;
    g_driver->WindowSize(width, height);
    ASSERT_EQ(width, 1024);
    ASSERT_EQ(height, 768);

    // Then WXGA, left to run out.
    ClickOn(settings.ResolutionButton());
    resolution = settings.ResolutionWindow();
    ClickOn(*resolution->Choice(kWxga));
    ClickOn(resolution->OkButton());
    g_driver->WindowSize(width, height);
    EXPECT_EQ(width, 1440);
    EXPECT_EQ(height, 900);
    EXPECT_EQ(SavedSettings().screen_mode, kWxga);
    g_driver->Run(g_config.time_for_reset_video_mode + 0.5f);

    g_driver->WindowSize(width, height);
    EXPECT_EQ(width, 1024);
    EXPECT_EQ(height, 768);
    EXPECT_FALSE(WUN::ST_GAME::GetInstance()->IsFullScreen());
    const PUZZLE_PLAYER_PROFILE saved = SavedSettings();
    EXPECT_EQ(saved.screen_mode, kXga);
    EXPECT_FALSE(saved.full_screen);
    const std::string game_xml = ReadFile(WUN::ST_GAME::GetInstance()->UserFolder() + "game.xml");
    EXPECT_NE(game_xml.find("resX=\"1024\" resY=\"768\""), std::string::npos) << game_xml;
    EXPECT_NE(game_xml.find("FullScreen=\"false\""), std::string::npos) << game_xml;
    EXPECT_EQ(settings.ResolutionWindow(), resolution);

    ClickOn(resolution->CancelButton());
    ClickOn(settings.CancelButton());
    EXPECT_EQ(Game().SettingsWindow(), nullptr);
}

}  // namespace
