// Filling one piece's texture from the picture: a breadth-first fill bounded by the cut lines.
#include "game/board/cut_fill.h"

#include <utility>

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
    std::vector<CUT_POINT>& current = frontiers.current;
    std::vector<CUT_POINT>& next = frontiers.next;
    current.clear();
    current.push_back(seed);
    while (!current.empty()) {
        next.clear();
        for (const CUT_POINT p : current) {
            const CUT_POINT around[4] = {
                {p.x - 1, p.y}, {p.x + 1, p.y}, {p.x, p.y - 1}, {p.x, p.y + 1}};
            for (const CUT_POINT n : around) {
                const int tx = n.x + offset_x;
                const int ty = n.y + offset_y;
                if (!source.Contains(n.x, n.y) || !piece.Contains(tx, ty)) {
                    continue;
                }
                uint32_t& src = source.At(n.x, n.y);
                if (AlphaOf(mask.At(n.x, n.y)) == 0) {
                    piece.At(tx, ty) = WithAlpha(src, 0);
                } else if (AlphaOf(src) != 0) {
                    piece.At(tx, ty) = WithAlpha(src, 255);
                    src = WithAlpha(src, 0);
                    next.push_back(n);
                }
            }
        }
        std::swap(current, next);
    }
}

}  // namespace GAME
