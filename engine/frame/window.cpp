// WWINDOW over the platform window.
#include "engine/frame/window.h"

#include "engine/platform/platform.h"

WWINDOW::WWINDOW() {
    platform::DesktopSize(desktop_width, desktop_height);
}

int WWINDOW::Create(const std::string& title) {
    handle = platform::CreateGameWindow(title);
    if (handle) {
        SetMode(width, height, full_screen, scaling);
    }
    return 1;
}

void WWINDOW::SetMode(int w, int h, bool full, bool scale) {
    width = w;
    height = h;
    full_screen = full;
    scaling = scale;
    if (handle) {
        platform::SetWindowMode(handle, w, h, full);
    }
}

void WWINDOW::Minimise() {
    if (handle) {
        platform::MinimiseWindow(handle);
    }
}
