// Filling one piece's texture from the picture: a breadth-first fill bounded by the cut lines.
#include "game/board/cut_fill.h"

#include <algorithm>

namespace GAME {

void ClearMaskRim(TEXEL_VIEW mask) {
    for (int x = 0; x < mask.width; ++x) {
        mask.At(x, 0) = WithAlpha(mask.At(x, 0), 0);
        mask.At(x, mask.height - 1) = WithAlpha(mask.At(x, mask.height - 1), 0);
    }
    for (int y = 0; y < mask.height; ++y) {
        mask.At(0, y) = WithAlpha(mask.At(0, y), 0);
        mask.At(mask.width - 1, y) = WithAlpha(mask.At(mask.width - 1, y), 0);
    }
}

void FillPiece(TEXEL_VIEW source, TEXEL_VIEW mask, TEXEL_VIEW piece, CUT_POINT seed,
               CUT_POINT cell_centre, FILL_FRONTIERS& frontiers) {
    const int offset_x = piece.width / 2 - cell_centre.x;
    const int offset_y = piece.height / 2 - cell_centre.y;
    // Picture points that are inside both the picture and the piece texture.
    const int x_lo = std::max(0, -offset_x);
    const int x_hi = std::min(source.width, piece.width - offset_x);
    const int y_lo = std::max(0, -offset_y);
    const int y_hi = std::min(source.height, piece.height - offset_y);
    if (x_lo >= x_hi || y_lo >= y_hi) {
        return;
    }
    uint32_t* const src = source.texels;
    const uint32_t* const lines = mask.texels;
    uint32_t* const dst = piece.texels;
    const int src_w = source.width;
    const int dst_w = piece.width;
    auto inside = [&](int x, int y) { return x >= x_lo && x < x_hi && y >= y_lo && y < y_hi; };
    auto at = [&](int x, int y) { return static_cast<size_t>(y) * src_w + x; };
    auto texel = [&](int x, int y) -> uint32_t& {
        return dst[static_cast<size_t>(y + offset_y) * dst_w + (x + offset_x)];
    };
    // Off the cut lines, with picture colour not yet taken by a piece.
    auto fillable = [&](int x, int y) {
        const size_t i = at(x, y);
        return AlphaOf(lines[i]) != 0 && AlphaOf(src[i]) != 0;
    };
    // A cut-line texel next to the piece lends its colour, transparent.
    auto touch_line = [&](int x, int y) {
        const size_t i = at(x, y);
        if (AlphaOf(lines[i]) == 0) {
            texel(x, y) = WithAlpha(src[i], 0);
        }
    };

    // The fill reaches the seed's four neighbours and, from every texel it takes, that texel's
    // four neighbours: it takes the 4-connected region of fillable texels around the seed and
    // colours the cut-line texels bordering it. Which texels those are does not depend on the
    // order of the visits, so the region is taken row span by row span, in memory order.
    std::vector<CUT_POINT>& pending = frontiers.points;
    pending.clear();
    const CUT_POINT around[4] = {
        {seed.x - 1, seed.y}, {seed.x + 1, seed.y}, {seed.x, seed.y - 1}, {seed.x, seed.y + 1}};
    for (const CUT_POINT n : around) {
        if (inside(n.x, n.y)) {
            touch_line(n.x, n.y);
            pending.push_back(n);
        }
    }
    while (!pending.empty()) {
        const CUT_POINT p = pending.back();
        pending.pop_back();
        if (!fillable(p.x, p.y)) {
            continue;
        }
        int left = p.x;
        while (left - 1 >= x_lo && fillable(left - 1, p.y))
            --left;
        int right = p.x;
        while (right + 1 < x_hi && fillable(right + 1, p.y))
            ++right;
        for (int x = left; x <= right; ++x) {
            uint32_t& colour = src[at(x, p.y)];
            texel(x, p.y) = WithAlpha(colour, 255);
            colour = WithAlpha(colour, 0);
        }
        if (left - 1 >= x_lo)
            touch_line(left - 1, p.y);
        if (right + 1 < x_hi)
            touch_line(right + 1, p.y);
        for (const int y : {p.y - 1, p.y + 1}) {
            if (y < y_lo || y >= y_hi)
                continue;
            bool in_span = false;
            for (int x = left; x <= right; ++x) {
                touch_line(x, y);
                const bool open = fillable(x, y);
                if (open && !in_span)
                    pending.push_back({x, y});
                in_span = open;
            }
        }
    }
}

}  // namespace GAME
