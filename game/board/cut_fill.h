// Filling one piece's texture from the picture: a breadth-first fill bounded by the cut lines.
#pragma once

#include <vector>

#include "game/board/cut_grid.h"
#include "game/board/texel_view.h"

namespace GAME {

// The fill's pending points, kept between pieces so that they are allocated once. The list
// grows as needed: a piece of any size is filled completely.
struct FILL_FRONTIERS {
    std::vector<CUT_POINT> points;
};

// Clears the alpha of the mask's outermost texel ring: the picture's rim acts as a cut line.
void ClearMaskRim(TEXEL_VIEW mask);

// Fills piece from seed (picture pixels) over 4-connected neighbours, within the picture and the
// piece texture; the piece texture is
// placed so that cell_centre lands on its centre texel (width / 2, height / 2). A neighbour on
// a cut line (mask alpha 0) lends its colour with alpha 0; any other neighbour whose source
// alpha is not 0 is copied opaque and taken out of the source (its alpha becomes 0), so every
// picture texel off the cut lines goes to exactly one piece.
void FillPiece(TEXEL_VIEW source, TEXEL_VIEW mask, TEXEL_VIEW piece, CUT_POINT seed,
               CUT_POINT cell_centre, FILL_FRONTIERS& frontiers);

}  // namespace GAME
