// The desktop: whether there is a display, its size and modes, message boxes, the data home
// and the shell.
#include <SDL.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "engine/platform/platform.h"
#include "engine/platform/sdl_video.h"
#include "engine/platform/user_folders.h"

namespace platform {

namespace {

// SDL_VIDEODRIVER (a comma-separated list) names the driver.
bool DriverRequested(const char* driver) {
    const char* hint = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    if (hint == nullptr || driver == nullptr) {
        return false;
    }
    const std::string requested = hint;
    size_t start = 0;
    while (start <= requested.size()) {
        const size_t end = std::min(requested.find(',', start), requested.size());
        if (SDL_strcasecmp(requested.substr(start, end - start).c_str(), driver) == 0) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

}  // namespace

std::string DisplayProblem() {
    if (!EnsureVideo()) {
        return std::string("no display could be opened (") + SDL_GetError() + ")";
    }
    // Without a display SDL falls back to a driver that shows nothing. Tests and tools ask for
    // one by name; a player would be left with a game running unseen.
    const char* driver = SDL_GetCurrentVideoDriver();
    if (IsHeadlessDriver(driver) && !DriverRequested(driver)) {
        return "no display to show the window on (DISPLAY and WAYLAND_DISPLAY name none)";
    }
    return "";
}

void DesktopSize(int& width, int& height) {
    width = 0;
    height = 0;
    SDL_DisplayMode mode;
    if (EnsureVideo() && SDL_GetDesktopDisplayMode(0, &mode) == 0) {
        width = mode.w;
        height = mode.h;
    }
}

std::vector<DisplayMode> DisplayModes() {
    std::vector<DisplayMode> modes;
    if (!EnsureVideo()) {
        return modes;
    }
    int count = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode mode;
        // Some drivers (the offscreen one) list a single 0 x 0 mode.
        if (SDL_GetDisplayMode(0, i, &mode) == 0 && mode.w > 0 && mode.h > 0) {
            modes.push_back(DisplayMode{mode.w, mode.h, mode.refresh_rate});
        }
    }
    // A display that lists no mode of its own still shows its desktop.
    SDL_DisplayMode desktop;
    if (modes.empty() && SDL_GetDesktopDisplayMode(0, &desktop) == 0 && desktop.w > 0 &&
        desktop.h > 0) {
        modes.push_back(DisplayMode{desktop.w, desktop.h, desktop.refresh_rate});
    }
    return modes;
}

void ShowMessageBox(const std::string& caption, const std::string& text) {
    // Headless drivers have no screen to show a box on, and a box nobody sees would block.
    const bool headless = !EnsureVideo() || IsHeadlessDriver(SDL_GetCurrentVideoDriver());
    if (headless || SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, caption.c_str(),
                                             text.c_str(), GameWindow()) != 0) {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    }
}

std::string DataHome() {
    // XDG base directories: a relative path is invalid and is ignored.
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && xdg[0] == '/') {
        return xdg;
    }
    const std::string home = HomeFolder();
    return home.empty() ? "" : home + "/.local/share";
}

void OpenWithShell(const std::string& path) {
    // The argument list is made before forking: between fork and exec only async-signal-safe
    // calls are allowed. The path is one argument; no shell ever sees it.
    const char* argv[] = {"xdg-open", path.c_str(), nullptr};
    pid_t child = fork();
    if (child < 0) {
        return;
    }
    if (child == 0) {
        // The intermediate child exits at once, so the opener is adopted and never a zombie.
        if (fork() == 0) {
            execvp(argv[0], const_cast<char* const*>(argv));
            _exit(127);
        }
        _exit(0);
    }
    waitpid(child, nullptr, 0);
}

}  // namespace platform
