// TEXEL_VIEW: a borrowed, row-major ARGB texel buffer (a locked texture or a plain vector).
#pragma once

#include <cstdint>

namespace GAME {

struct TEXEL_VIEW {
    uint32_t* texels = nullptr;
    int width = 0;
    int height = 0;

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    uint32_t& At(int x, int y) const { return texels[y * width + x]; }
};

inline uint32_t AlphaOf(uint32_t argb) {
    return argb >> 24;
}
inline uint32_t WithAlpha(uint32_t argb, uint32_t alpha) {
    return (argb & 0x00FFFFFFu) | (alpha << 24);
}

}  // namespace GAME
