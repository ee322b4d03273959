// The whole cut of a picture into piece textures; a pure function of the picture and the grid.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "game/board/cut_fill.h"
#include "game/board/cut_grid.h"
#include "game/board/texel_view.h"

namespace GAME {

// Hands out the texel buffer of the piece in cell (col, row), width x height texels, cleared to
// transparent (0); called once per piece, row by row.
using PIECE_TEXELS_SOURCE = std::function<TEXEL_VIEW(int col, int row, int width, int height)>;

struct PICTURE_CUT {
    CUT_GRID grid;
    CUT_LINES lines;
    CUT_POINT piece_size;  // texels of every piece texture (the render-target size)
};

// The working memory of a cut, for a caller that keeps it for the cuts that follow.
struct CUT_SCRATCH {
    std::vector<uint32_t> picture;  // the picture, its texels taken out as pieces take them
    FILL_FRONTIERS frontiers;
};

// Texels of every piece texture of grid's cut (the render-target size).
CUT_POINT PieceTexelSize(const CUT_GRID& grid);

// Cuts picture (left unchanged) into grid.cols x grid.rows pieces. mask is a picture-sized
// scratch buffer that ends up holding the cut lines (alpha 0) on an opaque white ground.
PICTURE_CUT CutPicture(const uint32_t* picture, const CUT_GRID& grid, TEXEL_VIEW mask,
                       const PIECE_TEXELS_SOURCE& piece_texels, CUT_SCRATCH& scratch);
// The same with a scratch of its own.
PICTURE_CUT CutPicture(const uint32_t* picture, const CUT_GRID& grid, TEXEL_VIEW mask,
                       const PIECE_TEXELS_SOURCE& piece_texels);

// The fill's start inside a cell: between the middle points of its sides, in picture pixels.
CUT_POINT FillSeed(const CUT_GRID& grid, const CUT_LINES& lines, int col, int row);

}  // namespace GAME
