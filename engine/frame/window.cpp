// WWINDOW over the platform window.
#include "engine/frame/window.h"

#include <string>

#include "engine/platform/image_decoder.h"
#include "engine/platform/platform.h"
#include "engine/platform/regular_file.h"
#include "engine/render/image_info.h"

namespace {

// Largest first: the window manager scales it down for the task bar.
const char* const kIconFiles[] = {"icons/window_64.png", "icons/window_32.png"};

bool LoadIconFile(const char* path, std::vector<uint32_t>& argb, int& width, int& height) {
    std::string bytes;
    // The header is checked first, so that a huge picture is never decoded.
    return platform::ReadRegularFile(path, platform::kMaxImageFileBytes, bytes) &&
           ReadImageInfo(bytes.data(), bytes.size(), width, height) &&
           width <= WWINDOW::kMaxIconSize && height <= WWINDOW::kMaxIconSize &&
           platform::DecodeImageMemory(bytes.data(), bytes.size(), WWINDOW::kMaxIconSize,
                                       WWINDOW::kMaxIconSize, width, height, argb);
}

}  // namespace

WWINDOW::WWINDOW() {
    platform::DesktopSize(desktop_width, desktop_height);
}

int WWINDOW::Create(const std::string& title) {
    handle = platform::CreateGameWindow(title);
    if (handle) {
        std::vector<uint32_t> icon;
        int icon_width = 0;
        int icon_height = 0;
        if (LoadIcon(icon, icon_width, icon_height)) {
            platform::SetWindowIcon(handle, icon.data(), icon_width, icon_height);
        }
        SetMode(width, height, full_screen, scaling);
    }
    return 1;
}

bool WWINDOW::LoadIcon(std::vector<uint32_t>& argb, int& width, int& height) {
    for (const char* path : kIconFiles) {
        if (LoadIconFile(path, argb, width, height)) {
            return true;
        }
    }
    return false;
}

void WWINDOW::SetMode(int w, int h, bool full, bool scale) {
    width = w;
    height = h;
    full_screen = full;
    scaling = scale;
    minimised = false;
    if (handle) {
        platform::SetWindowMode(handle, w, h, full);
    }
}

void WWINDOW::Minimise() {
    minimised = true;
    if (handle) {
        platform::MinimiseWindow(handle);
    }
}
