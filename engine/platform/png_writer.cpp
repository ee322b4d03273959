// Writing ARGB pictures as PNG files with SDL2_image.
#include "engine/platform/png_writer.h"

#include <SDL.h>
#include <SDL_image.h>

namespace platform {

bool WritePng(const std::string& path, const uint32_t* argb, int width, int height) {
    if (argb == nullptr || width <= 0 || height <= 0) {
        return false;
    }
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint32_t*>(argb), width, height, 32, width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (surface == nullptr) {
        return false;
    }
    bool written = IMG_SavePNG(surface, path.c_str()) == 0;
    SDL_FreeSurface(surface);
    return written;
}

}  // namespace platform
