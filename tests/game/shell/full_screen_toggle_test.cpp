// F11 and Alt+Enter on the player's record: which mode and flag each screen mode switches to on
// a given desktop, and which key presses count.
#include "game/shell/full_screen_toggle.h"

#include <gtest/gtest.h>

#include "engine/frame/input.h"
#include "engine/platform/virtual_keys.h"

namespace GAME {
namespace {

// A 1920 x 1080 desktop with a 40-pixel panel, and window frames 30 pixels high.
constexpr SCREEN_LIMITS kFullHd{1920, 1080, 1920, 1040, 0, 30};
// A desktop just large enough for the game, where no mode fits as a window.
constexpr SCREEN_LIMITS kSmall{1100, 800, 1100, 760, 0, 30};

struct TOGGLE_CASE {
    const char* name;
    SCREEN_LIMITS limits;
    int32_t mode;
    bool full;
    bool changes;
    int32_t mode_after;
    bool full_after;
};

constexpr int32_t kXga = PUZZLE_PLAYER_PROFILE::kMode1024x768;
constexpr int32_t kWxga = PUZZLE_PLAYER_PROFILE::kMode1440x900;
constexpr int32_t kFhd = PUZZLE_PLAYER_PROFILE::kMode1920x1080;

constexpr TOGGLE_CASE kToggles[] = {
    {"a window goes full screen", kFullHd, kXga, false, true, kXga, true},
    {"full screen goes back to a window", kFullHd, kWxga, true, true, kWxga, false},
    {"System gives way to the largest window", kFullHd, 0, true, true, kWxga, false},
    {"a mode too large for a window does too", kFullHd, kFhd, true, true, kWxga, false},
    {"a frame mode of no offered size does too", kFullHd, 1280 * 1024, true, true, kWxga, false},
    {"with no window possible System stays", kSmall, 0, true, false, 0, true},
};

TEST(FullScreenToggleTest, ModeAndFlagAfterTheSwitch) {
    for (const TOGGLE_CASE& c : kToggles) {
        PUZZLE_PLAYER_PROFILE settings;
        settings.screen_mode = c.mode;
        settings.full_screen = c.full;
        EXPECT_EQ(ToggleFullScreen(settings, c.limits), c.changes) << c.name;
        EXPECT_EQ(settings.screen_mode, c.mode_after) << c.name;
        EXPECT_EQ(settings.full_screen, c.full_after) << c.name;
    }
}

TEST(FullScreenToggleTest, TwoSwitchesOfAWindowableModeComeBack) {
    PUZZLE_PLAYER_PROFILE settings;
    settings.screen_mode = kXga;
    ASSERT_TRUE(ToggleFullScreen(settings, kFullHd));
    ASSERT_TRUE(ToggleFullScreen(settings, kFullHd));
    EXPECT_EQ(settings.screen_mode, kXga);
    EXPECT_FALSE(settings.full_screen);
}

struct KEYS_CASE {
    const char* name;
    int held;  // 0 for none
    int pressed;
    bool switches;
};

constexpr KEYS_CASE kKeys[] = {
    {"F11", 0, VK_F11, true},
    {"Alt+Enter", VK_MENU, VK_RETURN, true},
    {"Enter alone", 0, VK_RETURN, false},
    {"Ctrl+Enter", VK_CONTROL, VK_RETURN, false},
    {"Alt+Space", VK_MENU, VK_SPACE, false},
};

TEST(FullScreenToggleTest, OnlyF11AndAltEnterSwitchAndTheirPressIsTaken) {
    for (const KEYS_CASE& c : kKeys) {
        WINPUT input;
        if (c.held != 0) {
            input.KeyDown(c.held);
            input.EndFrame();
        }
        input.KeyDown(c.pressed);
        EXPECT_EQ(TakeFullScreenKeys(input), c.switches) << c.name;
        EXPECT_EQ(input.KeyWentDown(c.pressed), !c.switches) << c.name;
    }
}

}  // namespace
}  // namespace GAME
