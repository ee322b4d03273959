// The game window on SDL2: an OpenGL 3.3 core context, windowed and full-screen modes, icon.
#include <SDL.h>

#include "engine/platform/platform.h"
#include "engine/platform/sdl_video.h"

namespace platform {

namespace {

SDL_Window* g_window = nullptr;

SDL_Window* AsWindow(void* window) {
    return static_cast<SDL_Window*>(window);
}

}  // namespace

bool EnsureVideo() {
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0) {
        return true;
    }
    return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
}

bool IsHeadlessDriver(const char* driver) {
    return driver == nullptr || SDL_strcasecmp(driver, "offscreen") == 0 ||
           SDL_strcasecmp(driver, "dummy") == 0 || SDL_strcasecmp(driver, "evdev") == 0;
}

SDL_Window* GameWindow() {
    return g_window;
}

void* CreateGameWindow(const std::string& title_utf8) {
    if (!EnsureVideo()) {
        return nullptr;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    // The back buffer is drawn straight into the window: it needs the targets' eight bits.
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    // 2D quads in painter's order: no depth test, no stencil.
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
    SDL_Window* window =
        SDL_CreateWindow(title_utf8.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 1024,
                         768, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (window == nullptr) {
        return nullptr;
    }
    SDL_GLContext context = SDL_GL_CreateContext(window);
    if (context == nullptr) {
        SDL_DestroyWindow(window);
        return nullptr;
    }
    SDL_GL_MakeCurrent(window, context);
    SDL_GL_SetSwapInterval(1);
    g_window = window;
    return window;
}

void SetWindowMode(void* window, int width, int height, bool full_screen) {
    SDL_Window* w = AsWindow(window);
    if (w == nullptr) {
        return;
    }
    if (full_screen) {
        SDL_SetWindowFullscreen(w, SDL_WINDOW_FULLSCREEN_DESKTOP);
        SDL_ShowWindow(w);
        SDL_RaiseWindow(w);
        return;
    }
    SDL_SetWindowFullscreen(w, 0);
    SDL_SetWindowBordered(w, SDL_TRUE);
    SDL_SetWindowResizable(w, SDL_FALSE);
    SDL_SetWindowSize(w, width, height);
    SDL_SetWindowPosition(w, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    SDL_ShowWindow(w);
}

void SetWindowIcon(void* window, const uint32_t* argb, int width, int height) {
    if (window == nullptr || argb == nullptr || width <= 0 || height <= 0) {
        return;
    }
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint32_t*>(argb), width, height, 32, width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (icon != nullptr) {
        SDL_SetWindowIcon(AsWindow(window), icon);
        SDL_FreeSurface(icon);
    }
}

void MinimiseWindow(void* window) {
    if (window != nullptr) {
        SDL_MinimizeWindow(AsWindow(window));
    }
}

void WindowSize(void* window, int& width, int& height) {
    width = 0;
    height = 0;
    if (window != nullptr) {
        SDL_GL_GetDrawableSize(AsWindow(window), &width, &height);
    }
}

void SwapWindow(void* window) {
    if (window != nullptr) {
        SDL_GL_SwapWindow(AsWindow(window));
    }
}

void ShowSystemCursor(bool show) {
    SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

}  // namespace platform
