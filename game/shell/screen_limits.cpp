// SCREEN_LIMITS: reading the display and testing a mode against it.
#include "game/shell/screen_limits.h"

#include "engine/frame/game.h"
#include "engine/platform/desktop_area.h"

namespace GAME {

SCREEN_LIMITS SCREEN_LIMITS::Current() {
    const WUN::ST_GAME& frame = *WUN::ST_GAME::GetInstance();
    SCREEN_LIMITS limits;
    limits.desktop_width = frame.GetDesktopWidth();
    limits.desktop_height = frame.GetDesktopHeight();
    platform::UsableDesktopSize(limits.usable_width, limits.usable_height);
    if (limits.usable_width <= 0 || limits.usable_height <= 0) {
        limits.usable_width = limits.desktop_width;
        limits.usable_height = limits.desktop_height;
    }
    platform::WindowFrameSize(limits.frame_width, limits.frame_height);
    return limits;
}

bool SCREEN_LIMITS::FitsFullScreen(int width, int height) const {
    return desktop_width > width && desktop_height > height;
}

bool SCREEN_LIMITS::FitsWindow(int width, int height) const {
    return width + frame_width <= usable_width && height + frame_height <= usable_height;
}

bool SCREEN_LIMITS::ShowsOnlyFullScreen(int32_t screen_mode) const {
    for (const SCREEN_MODE_SIZE& size : kScreenModeSizes) {
        if (size.screen_mode == screen_mode) {
            return !FitsWindow(size.width, size.height);
        }
    }
    return true;
}

int32_t SCREEN_LIMITS::LargestWindowMode() const {
    int32_t largest = -1;
    for (const SCREEN_MODE_SIZE& size : kScreenModeSizes) {
        if (FitsFullScreen(size.width, size.height) && FitsWindow(size.width, size.height)) {
            largest = size.screen_mode;
        }
    }
    return largest;
}

}  // namespace GAME
