// The soft shadows: a piece's outline fades out over several texels, the blur is never clipped
// by the shadow's own edge, pieces of any size get one, and the atlas holds each shadow apart.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/render/render_device.h"
#include "game/board/soft_shadow.h"

namespace GAME {
namespace {

// A width x height piece whose texels inside the rectangle are opaque.
std::vector<uint32_t> Piece(int width, int height, int left, int top, int right, int bottom) {
    std::vector<uint32_t> texels(static_cast<size_t>(width) * height, 0x00FFFFFFu);
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            texels[static_cast<size_t>(y) * width + x] = 0xFF808080u;
        }
    }
    return texels;
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
        std::vector<uint32_t> texels = Piece(c.width, c.height, c.left, c.top, c.right, c.bottom);
        const SHADOW_ALPHA s = ShadowAlpha(TEXEL_VIEW{texels.data(), c.width, c.height});
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

// Pieces of every size, a piece with nothing opaque among them: each shadow lands in the atlas
// as computed, black, inside the texture, with transparent texels between any two.
TEST(SoftShadowTest, TheAtlasHoldsEveryShadowApartAndUncut) {
    std::vector<std::vector<uint32_t>> texels;
    std::vector<TEXEL_VIEW> pieces;
    const int sizes[] = {1, 2, 5, 80, 33, 120, 7, 64};
    for (int size : sizes) {
        texels.push_back(Piece(size, size, 0, 0, size, size));
    }
    texels.push_back(Piece(16, 16, 0, 0, 0, 0));  // shows nothing
    for (size_t i = 0; i < texels.size(); ++i) {
        const int size = i < std::size(sizes) ? sizes[i] : 16;
        pieces.push_back(TEXEL_VIEW{texels[i].data(), size, size});
    }
    WRENDER render;
    std::vector<SHADOW_PLACE> places;
    WTEXTURE* atlas = MakeShadowAtlas(render, pieces, places);
    ASSERT_NE(atlas, nullptr);
    ASSERT_EQ(places.size(), pieces.size());
    EXPECT_EQ(places.back().width, 0);
    const uint32_t* at = render.LockTexture(atlas);
    std::vector<int> owner(static_cast<size_t>(atlas->width) * atlas->height, -1);
    for (size_t i = 0; i + 1 < places.size(); ++i) {
        SCOPED_TRACE(i);
        const SHADOW_PLACE& p = places[i];
        const SHADOW_ALPHA alpha = ShadowAlpha(pieces[i]);
        ASSERT_GT(p.width, 0);
        ASSERT_GE(p.atlas_x, 1);
        ASSERT_GE(p.atlas_y, 1);
        ASSERT_LT(p.atlas_x + p.width, atlas->width);
        ASSERT_LT(p.atlas_y + p.height, atlas->height);
        // The gutter around the place included: no two shadows share or touch a texel.
        for (int y = p.atlas_y - 1; y <= p.atlas_y + p.height; ++y) {
            for (int x = p.atlas_x - 1; x <= p.atlas_x + p.width; ++x) {
                int& o = owner[static_cast<size_t>(y) * atlas->width + x];
                const bool inside = x >= p.atlas_x && y >= p.atlas_y && x < p.atlas_x + p.width &&
                                    y < p.atlas_y + p.height;
                if (inside) {
                    EXPECT_EQ(o, -1);
                    o = static_cast<int>(i);
                    const uint32_t texel = at[static_cast<size_t>(y) * atlas->width + x];
                    EXPECT_EQ(texel & 0x00FFFFFFu, 0u);
                    EXPECT_EQ(static_cast<int>(texel >> 24),
                              alpha.At(p.left + x - p.atlas_x, p.top + y - p.atlas_y));
                } else {
                    EXPECT_EQ(at[static_cast<size_t>(y) * atlas->width + x], 0u);
                }
            }
        }
        // Only transparent texels were cropped away.
        int kept = 0, total = 0;
        for (int y = 0; y < alpha.height; ++y) {
            for (int x = 0; x < alpha.width; ++x) {
                total += alpha.At(x, y);
                const bool in_place =
                    x >= p.left && y >= p.top && x < p.left + p.width && y < p.top + p.height;
                kept += in_place ? alpha.At(x, y) : 0;
            }
        }
        EXPECT_EQ(kept, total);
    }
    render.ReleaseTexture(atlas);
}

}  // namespace
}  // namespace GAME
