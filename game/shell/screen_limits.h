// SCREEN_LIMITS: what the display allows the game's screen modes, which decides the choices the
// resolution window offers.
#pragma once

#include <cstdint>

#include "game/records/player_settings.h"

namespace GAME {

// A screen mode of the player's record with its own size (pixels).
struct SCREEN_MODE_SIZE {
    int32_t screen_mode;
    int width;
    int height;
};
// The modes offered besides System (the desktop size), smallest first.
inline constexpr SCREEN_MODE_SIZE kScreenModeSizes[] = {
    {PUZZLE_PLAYER_PROFILE::kMode1024x768, 1024, 768},
    {PUZZLE_PLAYER_PROFILE::kMode1440x900, 1440, 900},
    {PUZZLE_PLAYER_PROFILE::kMode1920x1080, 1920, 1080},
};

// Pixels.
struct SCREEN_LIMITS {
    int desktop_width = 0;
    int desktop_height = 0;
    // The desktop less its panels and docks: where a window may stand.
    int usable_width = 0;
    int usable_height = 0;
    // What the window manager adds around a window's picture (edges, title bar).
    int frame_width = 0;
    int frame_height = 0;

    // The display the game runs on, from the application frame and the platform.
    static SCREEN_LIMITS Current();

    // Full screen shows the mode scaled onto the desktop; an equal desktop is the System choice
    // itself, so a mode must be smaller in both directions.
    bool FitsFullScreen(int width, int height) const;
    // A window fits when its picture and frame lie inside the usable area.
    bool FitsWindow(int width, int height) const;
    // System, a mode of no offered size, or a size too large for a window: full screen only.
    bool ShowsOnlyFullScreen(int32_t screen_mode) const;
    // The largest offered mode that shows as a window; -1 when none does.
    int32_t LargestWindowMode() const;
};

}  // namespace GAME
