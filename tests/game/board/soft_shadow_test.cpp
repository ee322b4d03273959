// The soft shadow: a piece's outline fades out over several texels, the blur is never clipped by
// the shadow's own edge, and pieces of any size, down to a texel, get one.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/render/render_device.h"
#include "game/board/soft_shadow.h"

namespace GAME {
namespace {

struct SHADOW {
    int width = 0;
    int height = 0;
    std::vector<int> alpha;
    int At(int x, int y) const { return alpha[static_cast<size_t>(y) * width + x]; }
};

// The shadow of a width x height piece whose texels inside the rectangle are opaque.
SHADOW ShadowOf(int width, int height, int left, int top, int right, int bottom) {
    std::vector<uint32_t> texels(static_cast<size_t>(width) * height, 0x00FFFFFFu);
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            texels[static_cast<size_t>(y) * width + x] = 0xFF808080u;
        }
    }
    WRENDER render;
    WTEXTURE* texture = MakeSoftShadow(render, TEXEL_VIEW{texels.data(), width, height});
    SHADOW shadow;
    render.GetTextureSize(texture, shadow.width, shadow.height);
    const uint32_t* shadow_texels = render.LockTexture(texture);
    for (int i = 0; i < shadow.width * shadow.height; ++i) {
        EXPECT_EQ(shadow_texels[i] & 0x00FFFFFFu, 0u) << "a shadow is black";
        shadow.alpha.push_back(static_cast<int>(shadow_texels[i] >> 24));
    }
    render.ReleaseTexture(texture);
    return shadow;
}

TEST(SoftShadowTest, TheOutlineFadesOverSeveralTexelsAndTheMarginHoldsTheBlur) {
    struct CASE {
        const char* what;
        int width, height, left, top, right, bottom;
    };
    const CASE cases[] = {
        {"a body inside its tab room", 80, 64, 16, 16, 64, 48},
        {"a body up to the texture's edges", 80, 64, 0, 0, 80, 64},
        {"an odd size", 77, 61, 10, 9, 70, 50},
    };
    for (const CASE& c : cases) {
        SCOPED_TRACE(c.what);
        const SHADOW s = ShadowOf(c.width, c.height, c.left, c.top, c.right, c.bottom);
        const int shrunk_w = (c.width + kShadowShrink - 1) / kShadowShrink;
        EXPECT_EQ(s.width, shrunk_w + 2 * kShadowMargin);
        const int row = s.height / 2;
        EXPECT_GE(s.At(s.width / 2, row), 250) << "solid under the body";
        // From the shadow's edge to the body's middle the alpha climbs without a step.
        int rising = 0;
        for (int x = 1; x <= s.width / 2; ++x) {
            EXPECT_GE(s.At(x, row), s.At(x - 1, row));
            EXPECT_LT(s.At(x, row) - s.At(x - 1, row), 160) << "at " << x;
            rising += s.At(x, row) > s.At(x - 1, row) ? 1 : 0;
        }
        EXPECT_GE(rising, 3);
        // The blur fades out before the shadow's edge.
        for (int y = 0; y < s.height; ++y) {
            EXPECT_LT(s.At(0, y), 40);
            EXPECT_LT(s.At(s.width - 1, y), 40);
        }
    }
}

TEST(SoftShadowTest, TheSmallestPiecesGetAShadowToo) {
    for (int size : {1, 2, 5}) {
        const SHADOW s = ShadowOf(size, size, 0, 0, size, size);
        EXPECT_EQ(s.width, (size + kShadowShrink - 1) / kShadowShrink + 2 * kShadowMargin);
        EXPECT_GT(s.At(s.width / 2, s.height / 2), 0) << size;
    }
}

}  // namespace
}  // namespace GAME
