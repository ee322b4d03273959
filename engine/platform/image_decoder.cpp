// Decoding PNG and JPEG images (files or bytes in memory) into ARGB texels with SDL2_image.
#include "engine/platform/image_decoder.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstring>

namespace platform {

namespace {

bool ImageToArgb(SDL_Surface* image, int& width, int& height, std::vector<uint32_t>& argb) {
    if (image == nullptr) {
        return false;
    }
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(image, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(image);
    if (converted == nullptr) {
        return false;
    }
    width = converted->w;
    height = converted->h;
    argb.resize(size_t(width) * size_t(height));
    const auto* rows = static_cast<const uint8_t*>(converted->pixels);
    for (int y = 0; y < height; ++y) {
        std::memcpy(argb.data() + size_t(y) * size_t(width), rows + size_t(y) * converted->pitch,
                    size_t(width) * 4);
    }
    SDL_FreeSurface(converted);
    return true;
}

}  // namespace

bool DecodeImageFile(const std::string& path, int& width, int& height,
                     std::vector<uint32_t>& argb) {
    return ImageToArgb(IMG_Load(path.c_str()), width, height, argb);
}

bool DecodeImageMemory(const void* bytes, size_t size, int& width, int& height,
                       std::vector<uint32_t>& argb) {
    if (bytes == nullptr || size == 0 || size > size_t(INT32_MAX)) {
        return false;
    }
    SDL_RWops* stream = SDL_RWFromConstMem(bytes, int(size));
    if (stream == nullptr) {
        return false;
    }
    return ImageToArgb(IMG_Load_RW(stream, 1), width, height, argb);
}

}  // namespace platform
