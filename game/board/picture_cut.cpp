// The whole cut of a picture into piece textures; a pure function of the picture and the grid.
#include "game/board/picture_cut.h"

#include <algorithm>

#include "game/board/cut_fill.h"
#include "game/board/cut_shading.h"

namespace GAME {

CUT_POINT FillSeed(const CUT_GRID& grid, const CUT_LINES& lines, int col, int row) {
    const CUT_POINT* shape = lines.Shape(grid, col, row);
    return {(shape[7].x + shape[23].x) / 2 + grid.cell_w / 2 + grid.cell_w * col,
            (shape[13].y + shape[1].y) / 2 + grid.cell_h / 2 + grid.cell_h * row};
}

CUT_POINT PieceTexelSize(const CUT_GRID& grid) {
    const CUT_POINT texture = PieceTextureSize(grid);
    return {texture.x + 1, texture.y + 1};
}

PICTURE_CUT CutPicture(const uint32_t* picture, const CUT_GRID& grid, TEXEL_VIEW mask,
                       const PIECE_TEXELS_SOURCE& piece_texels, CUT_SCRATCH& scratch) {
    PICTURE_CUT cut;
    cut.grid = grid;
    const size_t picture_size = static_cast<size_t>(grid.picture_w) * grid.picture_h;
    scratch.picture.assign(picture, picture + picture_size);
    const TEXEL_VIEW source_view{scratch.picture.data(), grid.picture_w, grid.picture_h};

    std::fill(mask.texels, mask.texels + picture_size, 0xFFFFFFFFu);
    cut.lines = TraceCutLines(grid, mask, 0x00FFFFFFu);
    ClearMaskRim(mask);

    cut.piece_size = PieceTexelSize(grid);
    for (int row = 0; row < grid.rows; ++row) {
        for (int col = 0; col < grid.cols; ++col) {
            const TEXEL_VIEW piece = piece_texels(col, row, cut.piece_size.x, cut.piece_size.y);
            FillPiece(source_view, mask, piece, FillSeed(grid, cut.lines, col, row),
                      CellCentre(grid, col, row), scratch.frontiers);
            BevelPiece(piece);
            SmoothOutline(piece);
        }
    }
    return cut;
}

PICTURE_CUT CutPicture(const uint32_t* picture, const CUT_GRID& grid, TEXEL_VIEW mask,
                       const PIECE_TEXELS_SOURCE& piece_texels) {
    CUT_SCRATCH scratch;
    return CutPicture(picture, grid, mask, piece_texels, scratch);
}

}  // namespace GAME
