// The usable desktop area and the window frame on SDL2.
#include "engine/platform/desktop_area.h"

#include <SDL.h>

#include "engine/platform/sdl_video.h"

namespace platform {

void UsableDesktopSize(int& width, int& height) {
    width = 0;
    height = 0;
    SDL_Rect area;
    if (EnsureVideo() && SDL_GetDisplayUsableBounds(0, &area) == 0) {
        width = area.w;
        height = area.h;
    }
}

void WindowFrameSize(int& width, int& height) {
    width = 0;
    height = 0;
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;
    SDL_Window* window = GameWindow();
    if (window != nullptr && SDL_GetWindowBordersSize(window, &top, &left, &bottom, &right) == 0) {
        width = left + right;
        height = top + bottom;
    }
}

}  // namespace platform
