// F11 and Alt+Enter in the real program: in the menu and in a game they switch between a window
// and full screen and the switch is kept; Alt+Enter is never also an Enter; and they wait while a
// new screen mode asks to be confirmed.
#include <fstream>
#include <iterator>
#include <string>

#include "engine/platform/virtual_keys.h"
#include "game/board/pieces_system.h"
#include "game/shell/menu_screen.h"
#include "game/shell/profile.h"
#include "game/shell/resolution_window.h"
#include "game/shell/settings_window.h"
#include "tests/game/app/game_session.h"

namespace {

constexpr int kWxga = PUZZLE_PLAYER_PROFILE::kMode1440x900;

class FullScreenKeysTest : public GAME_SESSION {
  protected:
    void SetUp() override {
        GAME_SESSION::SetUp();
        Start(GAME_DRIVER::START{});
        // The offscreen display is 1024 x 768, the System mode; a larger desktop leaves room for
        // a window.
        Game().read_screen_limits = [] {
            return GAME::SCREEN_LIMITS{1920, 1080, 1920, 1050, 0, 30};
        };
        Game().Profile().GetSettings()->help_pages = false;
    }

    void Press(bool alt_enter) {
        if (alt_enter) {
            Input().KeyDown(VK_MENU, 1);
            Input().PressKey(VK_RETURN, 2);
            Input().KeyUp(VK_MENU, 1);
        } else {
            Input().PressKey(VK_F11, 2);
        }
    }

    // The window, the player's record and "game.xml" all show the mode.
    void ExpectKept(bool full_screen, const std::string& step) {
        SCOPED_TRACE(step);
        EXPECT_EQ(Frame().IsFullScreen(), full_screen);
        const PUZZLE_PLAYER_PROFILE& settings = *Game().Profile().GetSettings();
        EXPECT_EQ(settings.screen_mode, kWxga);
        EXPECT_EQ(settings.full_screen, full_screen);
        std::ifstream file(SettingsPath(Game().Profile().PlayerFolder()), std::ios::binary);
        const std::string record((std::istreambuf_iterator<char>(file)),
                                 std::istreambuf_iterator<char>());
        ASSERT_EQ(record.size(), PUZZLE_PLAYER_PROFILE::kFileSize);
        EXPECT_EQ(record[PUZZLE_PLAYER_PROFILE::kFullScreenAt] != 0, full_screen);
        const std::string game_xml = ReadUserFile("game.xml");
        EXPECT_NE(game_xml.find("resX=\"1440\" resY=\"900\""), std::string::npos) << game_xml;
        EXPECT_NE(game_xml.find(full_screen ? "FullScreen=\"true\"" : "FullScreen=\"false\""),
                  std::string::npos)
            << game_xml;
    }
};

TEST_F(FullScreenKeysTest, BothKeysSwitchInTheMenuAndInAGame) {
    // System is full screen by definition: the first switch makes the largest window.
    Press(false);
    ExpectKept(false, "F11 in the menu, from System");
    Press(true);
    ExpectKept(true, "Alt+Enter in the menu");
    EXPECT_EQ(Game().State(), GAME::PUZZLE::kMenu) << "Alt+Enter also played";

    Input().PressKey(VK_RETURN, 3);
    ASSERT_EQ(Game().State(), GAME::PUZZLE::kPlaying);
    Press(false);
    ExpectKept(false, "F11 in a game");
    Press(true);
    ExpectKept(true, "Alt+Enter in a game");
    ASSERT_NE(Game().Board(), nullptr);
    EXPECT_EQ(Game().Board()->StackSize(), 12) << "the board survives the switch";
}

TEST_F(FullScreenKeysTest, AltEnterIsNeverAlsoTheOkOfAWindow) {
    Game().OpenQuitQuestion();
    Press(true);
    EXPECT_TRUE(Game().QuitQuestionOpen()) << "Alt+Enter answered the quit question";
    EXPECT_TRUE(Frame().IsRunning());
}

TEST_F(FullScreenKeysTest, IgnoredWhileANewModeAwaitsItsConfirmation) {
    ClickOn(Game().Menu().Button(GAME::kButtonSettings));
    GAME::PUZZLE_SETTINGS& settings = *Game().SettingsWindow();
    ClickOn(settings.ResolutionButton());
    GAME::PUZZLE_RESOLUTION* resolution = settings.ResolutionWindow();
    ClickOn(*resolution->Choice(kWxga));
    ClickOn(resolution->OkButton());
    ASSERT_NE(resolution->Confirmation(), nullptr);
    const bool full_screen = Frame().IsFullScreen();

    for (const bool alt_enter : {false, true}) {
        SCOPED_TRACE(alt_enter ? "Alt+Enter" : "F11");
        Press(alt_enter);
        EXPECT_EQ(Frame().IsFullScreen(), full_screen);
        EXPECT_EQ(Game().Profile().GetSettings()->full_screen, full_screen);
        EXPECT_EQ(Game().Profile().GetSettings()->screen_mode, kWxga);
        EXPECT_NE(resolution->Confirmation(), nullptr) << "the key answered the confirmation";
    }
}

}  // namespace
