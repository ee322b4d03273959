// The cut's geometry: grid and cell size, jittered corners, tabbed edges and the shape table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "game/board/texel_view.h"

namespace GAME {

struct CUT_POINT {
    int x = 0;
    int y = 0;
    bool operator==(const CUT_POINT&) const = default;
};

// Outline points per piece: corners at 0, 6, 12, 18; five points per side between them,
// clockwise from the top-left corner (the left side runs upward).
constexpr int kShapePoints = 24;

struct CUT_GRID {
    int picture_w = 0;  // texture pixels
    int picture_h = 0;
    int min_pieces = 0;  // pieces along the shorter side
    int cols = 0;
    int rows = 0;
    int cell_w = 0;  // texture pixels
    int cell_h = 0;
    float distort = 0.0f;  // deformation, clamped to 0..1
    float d = 0.0f;        // distort / 5: the corner jitter as a share of the cell width
};

// The grid for a picture: `Min` pieces along its shorter side, aspect = shorter grid side over
// longer one. Hostile values are brought into range: at least 1 piece each way, aspect in (0, 1].
CUT_GRID ChooseGrid(int picture_w, int picture_h, int min_pieces, float aspect, float distort);

// The size of a piece's texture before the one-pixel render-target margin: room for the corner
// jitter and for the tabs around the cell.
CUT_POINT PieceTextureSize(const CUT_GRID& grid);

// Centre of a cell in picture pixels.
inline CUT_POINT CellCentre(const CUT_GRID& grid, int col, int row) {
    return {col * grid.cell_w + grid.cell_w / 2, row * grid.cell_h + grid.cell_h / 2};
}

struct CUT_LINES {
    std::vector<CUT_POINT> corners;  // (cols + 1) x (rows + 1), row by row
    std::vector<CUT_POINT> shapes;   // cols x rows x kShapePoints, relative to each cell centre

    const CUT_POINT* Shape(const CUT_GRID& grid, int col, int row) const {
        return &shapes[(static_cast<size_t>(row) * grid.cols + col) * kShapePoints];
    }
    CUT_POINT* Shape(const CUT_GRID& grid, int col, int row) {
        return &shapes[(static_cast<size_t>(row) * grid.cols + col) * kShapePoints];
    }
    CUT_POINT Corner(const CUT_GRID& grid, int col, int row) const {
        return corners[static_cast<size_t>(row) * (grid.cols + 1) + col];
    }
};

// The grid routine: jitters the corners, gives every inner edge its tab, draws the inner edges
// into target (a picture-sized texel buffer) in line_colour and fills the shape table. Every
// choice comes from position hashes, so the same grid always gives the same lines.
CUT_LINES TraceCutLines(const CUT_GRID& grid, TEXEL_VIEW target, uint32_t line_colour);

// Marks every non-line texel next to a line texel (4-neighbourhood) with 0x77FFFFFF, so the
// preview's lines read at a small scale.
void ThickenLines(TEXEL_VIEW target, uint32_t line_colour);

}  // namespace GAME
