// F11 and Alt+Enter: the keys that switch between a window and full screen, and the change of
// the player's record they make.
#include "game/shell/full_screen_toggle.h"

#include "engine/frame/input.h"
#include "engine/platform/virtual_keys.h"

namespace GAME {

bool TakeFullScreenKeys(WINPUT& input) {
    if (input.KeyWentDown(VK_F11)) {
        input.TakeKeyPress(VK_F11);
        return true;
    }
    if (input.KeyWentDown(VK_RETURN) && input.KeyIsDown(VK_MENU)) {
        input.TakeKeyPress(VK_RETURN);
        return true;
    }
    return false;
}

bool ToggleFullScreen(PUZZLE_PLAYER_PROFILE& settings, const SCREEN_LIMITS& limits) {
    if (!limits.ShowsOnlyFullScreen(settings.screen_mode)) {
        settings.full_screen = !settings.full_screen;
        return true;
    }
    const int32_t windowed = limits.LargestWindowMode();
    if (windowed < 0) {
        return false;
    }
    settings.screen_mode = windowed;
    settings.full_screen = false;
    return true;
}

}  // namespace GAME
