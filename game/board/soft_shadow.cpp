// Making the pieces' soft shadows: a box-filtered shrink of each alpha, a separable blur, the
// transparent rim cropped, and the rest packed on shelves into one texture.
#include "game/board/soft_shadow.h"

#include <algorithm>
#include <cmath>

#include "engine/render/render_device.h"

namespace GAME {
namespace {

// Between two shadows in the atlas, so filtering at one's edge reads transparency.
constexpr int kGutter = 1;

// Two passes of a three-texel box along each axis, zero outside: a tent that, with the shrink's
// own box, spreads the edge over about the margin.
void Blur(std::vector<int>& alpha, int width, int height) {
    std::vector<int> pass(alpha.size());
    auto along = [&](int count, int lines, int step, int line_step) {
        for (int line = 0; line < lines; ++line) {
            const int first = line * line_step;
            for (int i = 0; i < count; ++i) {
                const int at = first + i * step;
                int sum = alpha[at];
                if (i > 0) {
                    sum += alpha[at - step];
                }
                if (i + 1 < count) {
                    sum += alpha[at + step];
                }
                pass[at] = sum;
            }
        }
        for (size_t i = 0; i < alpha.size(); ++i) {
            alpha[i] = pass[i] / 3;
        }
    };
    for (int round = 0; round < 2; ++round) {
        along(width, height, 1, width);
        along(height, width, width, 1);
    }
}

// The smallest rectangle of shadow holding every texel that is not transparent.
SHADOW_PLACE Crop(const SHADOW_ALPHA& shadow) {
    int left = shadow.width, top = shadow.height, right = 0, bottom = 0;
    for (int y = 0; y < shadow.height; ++y) {
        for (int x = 0; x < shadow.width; ++x) {
            if (shadow.At(x, y) != 0) {
                left = std::min(left, x);
                right = std::max(right, x + 1);
                top = std::min(top, y);
                bottom = y + 1;
            }
        }
    }
    if (right <= left) {
        return {};
    }
    SHADOW_PLACE place;
    place.left = left;
    place.top = top;
    place.width = right - left;
    place.height = bottom - top;
    return place;
}

}  // namespace

SHADOW_ALPHA ShadowAlpha(TEXEL_VIEW piece) {
    SHADOW_ALPHA shadow;
    shadow.width = (piece.width + kShadowShrink - 1) / kShadowShrink + 2 * kShadowMargin;
    shadow.height = (piece.height + kShadowShrink - 1) / kShadowShrink + 2 * kShadowMargin;
    // Each shadow texel holds the mean alpha of its block of piece texels.
    std::vector<int> alpha(static_cast<size_t>(shadow.width) * shadow.height, 0);
    for (int y = 0; piece.texels != nullptr && y < piece.height; ++y) {
        const uint32_t* row = piece.texels + static_cast<size_t>(y) * piece.width;
        int* into = &alpha[static_cast<size_t>(y / kShadowShrink + kShadowMargin) * shadow.width +
                           kShadowMargin];
        for (int x = 0; x < piece.width; ++x) {
            into[x / kShadowShrink] += static_cast<int>(row[x] >> 24);
        }
    }
    for (int& a : alpha) {
        a /= kShadowShrink * kShadowShrink;
    }
    Blur(alpha, shadow.width, shadow.height);
    shadow.alpha.resize(alpha.size());
    std::transform(alpha.begin(), alpha.end(), shadow.alpha.begin(),
                   [](int a) { return static_cast<uint8_t>(std::min(a, 255)); });
    return shadow;
}

WTEXTURE* MakeShadowAtlas(WRENDER& render, const std::vector<TEXEL_VIEW>& pieces,
                          std::vector<SHADOW_PLACE>& places) {
    std::vector<SHADOW_ALPHA> shadows;
    places.clear();
    size_t area = 0;
    int widest = 0;
    for (const TEXEL_VIEW& piece : pieces) {
        shadows.push_back(ShadowAlpha(piece));
        places.push_back(Crop(shadows.back()));
        area +=
            static_cast<size_t>(places.back().width + kGutter) * (places.back().height + kGutter);
        widest = std::max(widest, places.back().width + kGutter);
    }
    // Shelves left to right, top to bottom, in a roughly square texture.
    const int width = std::min(
        std::max(widest, static_cast<int>(std::ceil(std::sqrt(static_cast<double>(area))))),
        WRENDER::kMaxTextureSize);
    int x = 0, y = 0, shelf = 0;
    for (SHADOW_PLACE& place : places) {
        if (place.width == 0) {
            continue;
        }
        if (x + place.width + kGutter > width) {
            x = 0;
            y += shelf;
            shelf = 0;
        }
        place.atlas_x = x + kGutter;
        place.atlas_y = y + kGutter;
        x += place.width + kGutter;
        shelf = std::max(shelf, place.height + kGutter);
    }
    const int height = y + shelf + kGutter;
    if (shelf == 0) {
        return nullptr;
    }
    WTEXTURE* atlas = render.CreateTexture(width + kGutter, height);
    uint32_t* texels = render.LockTexture(atlas);
    if (texels == nullptr) {
        render.ReleaseTexture(atlas);
        return nullptr;
    }
    const int stride = width + kGutter;
    for (size_t i = 0; i < places.size(); ++i) {
        const SHADOW_PLACE& place = places[i];
        for (int row = 0; row < place.height; ++row) {
            uint32_t* into =
                texels + static_cast<size_t>(place.atlas_y + row) * stride + place.atlas_x;
            for (int col = 0; col < place.width; ++col) {
                into[col] = static_cast<uint32_t>(shadows[i].At(place.left + col, place.top + row))
                            << 24;
            }
        }
    }
    render.UnlockTexture(atlas);
    return atlas;
}

}  // namespace GAME
