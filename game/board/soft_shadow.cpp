// Making a piece's soft shadow: a box-filtered shrink of its alpha, then a separable blur.
#include "game/board/soft_shadow.h"

#include <algorithm>
#include <vector>

#include "engine/render/render_device.h"

namespace GAME {
namespace {

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

}  // namespace

WTEXTURE* MakeSoftShadow(WRENDER& render, TEXEL_VIEW piece) {
    const int width = (piece.width + kShadowShrink - 1) / kShadowShrink + 2 * kShadowMargin;
    const int height = (piece.height + kShadowShrink - 1) / kShadowShrink + 2 * kShadowMargin;
    WTEXTURE* shadow = render.CreateTexture(width, height);
    uint32_t* texels = render.LockTexture(shadow);
    if (texels == nullptr || piece.texels == nullptr) {
        return shadow;
    }
    // Each shadow texel holds the mean alpha of its block of piece texels.
    std::vector<int> alpha(static_cast<size_t>(width) * height, 0);
    for (int y = 0; y < piece.height; ++y) {
        const uint32_t* row = piece.texels + static_cast<size_t>(y) * piece.width;
        int* into =
            &alpha[static_cast<size_t>(y / kShadowShrink + kShadowMargin) * width + kShadowMargin];
        for (int x = 0; x < piece.width; ++x) {
            into[x / kShadowShrink] += static_cast<int>(row[x] >> 24);
        }
    }
    for (int& a : alpha) {
        a /= kShadowShrink * kShadowShrink;
    }
    Blur(alpha, width, height);
    std::transform(alpha.begin(), alpha.end(), texels,
                   [](int a) { return static_cast<uint32_t>(std::min(a, 255)) << 24; });
    render.UnlockTexture(shadow);
    return shadow;
}

}  // namespace GAME
