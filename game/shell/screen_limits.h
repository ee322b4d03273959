// SCREEN_LIMITS: what the display allows the game's screen modes, which decides the choices the
// resolution window offers.
#pragma once

namespace GAME {

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
};

}  // namespace GAME
