// The fast fill, bevel and outline smoothing against a slow, step-by-step reference of the cut.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "game/board/cut_fill.h"
#include "game/board/cut_grid.h"
#include "game/board/picture_cut.h"

namespace GAME {
namespace {

using TEXELS = std::vector<uint32_t>;

// Breadth first from the seed with two frontier lists used in turn.
void ReferenceFill(TEXELS& source, const TEXELS& mask, int w, int h, TEXEL_VIEW piece,
                   CUT_POINT seed, CUT_POINT centre) {
    const int ox = piece.width / 2 - centre.x;
    const int oy = piece.height / 2 - centre.y;
    std::vector<CUT_POINT> lists[2];
    int current = 0;
    lists[current].push_back(seed);
    while (!lists[current].empty()) {
        std::vector<CUT_POINT>& next = lists[1 - current];
        next.clear();
        for (const CUT_POINT p : lists[current]) {
            const CUT_POINT around[4] = {
                {p.x - 1, p.y}, {p.x + 1, p.y}, {p.x, p.y - 1}, {p.x, p.y + 1}};
            for (const CUT_POINT n : around) {
                if (n.x < 0 || n.y < 0 || n.x >= w || n.y >= h ||
                    !piece.Contains(n.x + ox, n.y + oy)) {
                    continue;
                }
                uint32_t& colour = source[n.y * w + n.x];
                uint32_t& texel = piece.At(n.x + ox, n.y + oy);
                if (AlphaOf(mask[n.y * w + n.x]) == 0) {
                    texel = WithAlpha(colour, 0);
                } else if (AlphaOf(colour) != 0) {
                    texel = WithAlpha(colour, 255);
                    colour = WithAlpha(colour, 0);
                    next.push_back(n);
                }
            }
        }
        lists[current].clear();
        current = 1 - current;
    }
}

void ReferenceShift(TEXEL_VIEW piece, int x, int y, int amount) {
    if (!piece.Contains(x, y) || AlphaOf(piece.At(x, y)) == 0) {
        return;
    }
    uint32_t out = piece.At(x, y) & 0xFF000000u;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int v =
            std::clamp(static_cast<int>((piece.At(x, y) >> shift) & 0xFF) + amount, 0, 255);
        out |= static_cast<uint32_t>(v) << shift;
    }
    piece.At(x, y) = out;
}

// One column after the other, then one row after the other.
void ReferenceBevel(TEXEL_VIEW piece) {
    int w = static_cast<int>(piece.width * 0.02);
    int s = 6 * w;
    if (w < 2) {
        w = 2;
        s = 20;
    } else if (w > 5) {
        w = 5;
        s = 30;
    }
    auto inside = [&](int x, int y) { return piece.At(x, y) != 0; };
    for (int x = 0; x <= piece.width - 2; ++x) {
        bool in_run = false;
        for (int y = 0; y <= piece.height - 2; ++y) {
            if (inside(x, y)) {
                if (AlphaOf(piece.At(x, y)) == 0)
                    piece.At(x, y) = WithAlpha(piece.At(x, y), 255);
                if (!in_run) {
                    for (int k = 0; k < w; ++k)
                        ReferenceShift(piece, x, y + k, std::abs(s - k * w));
                }
                in_run = true;
            } else {
                if (in_run) {
                    for (int k = 1; k <= w; ++k)
                        ReferenceShift(piece, x, y - k, -std::abs(s - k * (w - 1)));
                }
                in_run = false;
            }
        }
    }
    for (int y = 0; y <= piece.height - 1; ++y) {
        bool in_run = false;
        for (int x = 0; x <= piece.width - 2; ++x) {
            if (inside(x, y)) {
                if (!in_run) {
                    for (int k = 0; k < w; ++k)
                        ReferenceShift(piece, x + k, y, std::abs(s - k * w));
                }
                if (AlphaOf(piece.At(x, y)) == 0)
                    piece.At(x, y) = WithAlpha(piece.At(x, y), 254);
                in_run = true;
            } else {
                if (in_run) {
                    for (int k = 1; k <= w; ++k)
                        ReferenceShift(piece, x - k, y, -std::abs(s - k * (w - 1)));
                }
                in_run = false;
            }
        }
    }
}

// Every texel in memory order, reading its neighbours as they are at that moment.
void ReferenceSmooth(TEXEL_VIEW piece) {
    auto neighbours = [&](int x, int y) {
        std::vector<uint32_t> found;
        const CUT_POINT around[4] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
        for (const CUT_POINT n : around) {
            if (piece.Contains(n.x, n.y))
                found.push_back(piece.At(n.x, n.y));
        }
        return found;
    };
    std::vector<CUT_POINT> remembered;
    for (int y = 0; y < piece.height; ++y) {
        for (int x = 0; x < piece.width; ++x) {
            if (AlphaOf(piece.At(x, y)) != 0)
                continue;
            int opaque = 0;
            uint32_t last = 0;
            for (const uint32_t n : neighbours(x, y)) {
                if (AlphaOf(n) == 255) {
                    ++opaque;
                    last = n;
                }
            }
            if (opaque == 2)
                piece.At(x, y) = WithAlpha(last, 230);
            else if (opaque >= 3)
                piece.At(x, y) = WithAlpha(last, 255);
            else if (opaque == 1)
                remembered.push_back({x, y});
        }
    }
    for (int a = 210; a >= 30; a -= 20) {
        for (const CUT_POINT p : remembered) {
            if (AlphaOf(piece.At(p.x, p.y)) != 0)
                continue;
            bool after_fade = false;
            uint32_t colour = 0;
            for (const uint32_t n : neighbours(p.x, p.y)) {
                after_fade = after_fade || AlphaOf(n) == static_cast<uint32_t>(a + 20);
                if (AlphaOf(n) == 255)
                    colour = n;
            }
            if (after_fade)
                piece.At(p.x, p.y) = WithAlpha(colour, a);
        }
    }
}

// A picture with everything the shading tells apart: opaque colours, opaque black, clear
// black, clear colours and a hole, scattered by a small generator.
TEXELS MakeNoisyPicture(int w, int h) {
    TEXELS texels(static_cast<size_t>(w) * h);
    uint32_t state = 12345;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            state = state * 1664525u + 1013904223u;
            const uint32_t colour = 0xFF000000u | ((state >> 8) & 0xFFFFFF);
            const int kind = (state >> 28) & 0xF;
            uint32_t texel = colour;
            if (kind == 0)
                texel = 0xFF000000u;
            else if (kind == 1 && y % 7 < 3)
                texel = 0;
            else if (kind == 2)
                texel = colour & 0x00FFFFFFu;
            texels[static_cast<size_t>(y) * w + x] = texel;
        }
    }
    for (int y = h / 2; y < h / 2 + h / 6; ++y)
        for (int x = w / 4; x < w / 4 + w / 5; ++x)
            texels[static_cast<size_t>(y) * w + x] = 0;
    return texels;
}

TEST(CutReference, TheFastCutGivesTheTexelsOfTheStepByStepCut) {
    struct CASE {
        int w, h, min;
        float aspect, distort;
    };
    const CASE cases[] = {
        {120, 90, 3, 0.75f, 0.0f},   {120, 90, 3, 0.75f, 1.0f}, {90, 130, 3, 0.7f, 0.6f},
        {160, 90, 4, 0.5625f, 1.0f}, {100, 100, 3, 1.0f, 0.3f}, {300, 200, 5, 0.66f, 0.8f},
    };
    for (const CASE& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.w << "x" << c.h << " min " << c.min << " distort " << c.distort);
        const TEXELS picture = MakeNoisyPicture(c.w, c.h);
        const CUT_GRID grid = ChooseGrid(c.w, c.h, c.min, c.aspect, c.distort);

        TEXELS fast_mask(picture.size());
        std::vector<TEXELS> fast;
        const PICTURE_CUT cut =
            CutPicture(picture.data(), grid, {fast_mask.data(), c.w, c.h},
                       [&](int, int, int width, int height) {
                           fast.emplace_back(static_cast<size_t>(width) * height, 0u);
                           return TEXEL_VIEW{fast.back().data(), width, height};
                       });

        TEXELS mask(picture.size(), 0xFFFFFFFFu);
        const CUT_LINES lines = TraceCutLines(grid, {mask.data(), c.w, c.h}, 0x00FFFFFFu);
        for (int y = 0; y < c.h; ++y) {
            for (int x = 0; x < c.w; ++x) {
                if (x == 0 || y == 0 || x == c.w - 1 || y == c.h - 1)
                    mask[y * c.w + x] &= 0x00FFFFFFu;
            }
        }
        EXPECT_EQ(fast_mask, mask);
        TEXELS source = picture;
        size_t index = 0;
        for (int row = 0; row < grid.rows; ++row) {
            for (int col = 0; col < grid.cols; ++col, ++index) {
                TEXELS texels(static_cast<size_t>(cut.piece_size.x) * cut.piece_size.y, 0u);
                const TEXEL_VIEW piece{texels.data(), cut.piece_size.x, cut.piece_size.y};
                ReferenceFill(source, mask, c.w, c.h, piece, FillSeed(grid, lines, col, row),
                              CellCentre(grid, col, row));
                ReferenceBevel(piece);
                ReferenceSmooth(piece);
                ASSERT_LT(index, fast.size());
                EXPECT_EQ(fast[index], texels) << "piece " << col << "," << row;
            }
        }
        EXPECT_EQ(index, fast.size());
    }
}

}  // namespace
}  // namespace GAME
