// Shading a cut piece: a bevel lit from the upper left, then a soft outline.
#include "game/board/cut_shading.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace GAME {
namespace {

// Adds amount (negative darkens) to red, green and blue of a texel whose alpha is not 0.
void Shift(TEXEL_VIEW piece, int x, int y, int amount) {
    if (!piece.Contains(x, y)) {
        return;
    }
    uint32_t& texel = piece.At(x, y);
    if (AlphaOf(texel) == 0) {
        return;
    }
    auto channel = [&](int shift) {
        const int value = static_cast<int>((texel >> shift) & 0xFFu) + amount;
        return static_cast<uint32_t>(std::clamp(value, 0, 255)) << shift;
    };
    texel = (texel & 0xFF000000u) | channel(16) | channel(8) | channel(0);
}

struct BEVEL {
    int width;
    int strength;
};

BEVEL BevelFor(const TEXEL_VIEW& piece) {
    const int w = static_cast<int>(piece.width * 0.02);
    if (w < 2)
        return {2, 20};
    if (w > 5)
        return {5, 30};
    return {w, 6 * w};
}

// One scan line of the bevel. step moves one texel along the scan; the alpha given to
// colour-only inside texels and whether it is given before the lightening differ by direction.
void BevelLine(TEXEL_VIEW piece, BEVEL bevel, int x0, int y0, int dx, int dy, int count,
               uint32_t opaque_alpha, bool opaque_first) {
    bool in_run = false;
    for (int i = 0; i < count; ++i) {
        const int x = x0 + dx * i;
        const int y = y0 + dy * i;
        uint32_t& texel = piece.At(x, y);
        if (texel != 0) {
            const bool colour_only = AlphaOf(texel) == 0;
            if (colour_only && opaque_first) {
                texel = WithAlpha(texel, opaque_alpha);
            }
            if (!in_run) {
                in_run = true;
                for (int k = 0; k < bevel.width; ++k) {
                    Shift(piece, x + dx * k, y + dy * k,
                          std::abs(bevel.strength - k * bevel.width));
                }
            }
            if (colour_only && !opaque_first && AlphaOf(texel) == 0) {
                texel = WithAlpha(texel, opaque_alpha);
            }
        } else if (in_run) {
            in_run = false;
            for (int k = 1; k <= bevel.width; ++k) {
                Shift(piece, x - dx * k, y - dy * k,
                      -std::abs(bevel.strength - k * (bevel.width - 1)));
            }
        }
    }
}

}  // namespace

void BevelPiece(TEXEL_VIEW piece) {
    const BEVEL bevel = BevelFor(piece);
    for (int x = 0; x + 1 < piece.width; ++x) {
        BevelLine(piece, bevel, x, 0, 0, 1, piece.height - 1, 255, true);
    }
    for (int y = 0; y < piece.height; ++y) {
        BevelLine(piece, bevel, 0, y, 1, 0, piece.width - 1, 254, false);
    }
}

void SmoothOutline(TEXEL_VIEW piece) {
    std::vector<int> single_neighbour;  // texel indices with exactly one opaque neighbour
    const int w = piece.width;
    const int h = piece.height;
    uint32_t* texels = piece.texels;
    auto neighbours = [&](int x, int y, auto&& visit) {
        if (x > 0)
            visit(texels[y * w + x - 1]);
        if (x + 1 < w)
            visit(texels[y * w + x + 1]);
        if (y > 0)
            visit(texels[(y - 1) * w + x]);
        if (y + 1 < h)
            visit(texels[(y + 1) * w + x]);
    };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            uint32_t& texel = texels[y * w + x];
            if (AlphaOf(texel) != 0) {
                continue;
            }
            int opaque = 0;
            uint32_t last_opaque = 0;
            neighbours(x, y, [&](uint32_t n) {
                if (AlphaOf(n) == 255) {
                    ++opaque;
                    last_opaque = n;
                }
            });
            if (opaque == 2) {
                texel = WithAlpha(last_opaque, 230);
            } else if (opaque >= 3) {
                texel = WithAlpha(last_opaque, 255);
            } else if (opaque == 1) {
                single_neighbour.push_back(y * w + x);
            }
        }
    }
    for (uint32_t alpha = 210; alpha >= 30; alpha -= 20) {
        for (const int index : single_neighbour) {
            uint32_t& texel = texels[index];
            if (AlphaOf(texel) != 0) {
                continue;
            }
            bool follows_fade = false;
            uint32_t colour = 0;
            neighbours(index % w, index / w, [&](uint32_t n) {
                if (AlphaOf(n) == alpha + 20)
                    follows_fade = true;
                if (AlphaOf(n) == 255)
                    colour = n;
            });
            if (follows_fade) {
                texel = WithAlpha(colour, alpha);
            }
        }
    }
}

}  // namespace GAME
