// The cut's geometry: grid and cell size, jittered corners, tabbed edges and the shape table.
#include "game/board/cut_grid.h"

#include <algorithm>
#include <cmath>

#include "engine/frame/random.h"
#include "game/board/cut_raster.h"

namespace GAME {
namespace {

// The tab as (along, across) in percent of its edge.
constexpr int kTabTemplate[kTabPoints][2] = {{25, -3}, {48, 0}, {35, 16}, {50, 25},
                                             {65, 16}, {52, 0}, {75, -3}};

// The edge direction turned by 1.57 radians (a quarter turn, as the cut has always done it).
constexpr double kQuarterCos = 0.0007963267;
constexpr double kQuarterSin = 0.9999997;

CUT_POINT Relative(const CUT_GRID& grid, int col, int row, CUT_POINT p) {
    const CUT_POINT centre = CellCentre(grid, col, row);
    return {p.x - centre.x, p.y - centre.y};
}

void MakeTab(int edge_index, CUT_POINT p, CUT_POINT q, CUT_POINT* tab) {
    const int side = WRANDOM::RandBool(edge_index) ? 1 : -1;
    const double ax = q.x - p.x;
    const double ay = q.y - p.y;
    const double nx = ax * kQuarterCos - ay * kQuarterSin;
    const double ny = ay * kQuarterCos + ax * kQuarterSin;
    for (int i = 0; i < kTabPoints; ++i) {
        const double along = kTabTemplate[i][0];
        const double across = kTabTemplate[i][1] * side;
        tab[i] = {static_cast<int>(p.x + ax * along / 100.0 + nx * across / 100.0),
                  static_cast<int>(p.y + ay * along / 100.0 + ny * across / 100.0)};
    }
}

std::vector<CUT_POINT> JitterCorners(const CUT_GRID& grid) {
    std::vector<CUT_POINT> corners;
    corners.reserve(static_cast<size_t>(grid.cols + 1) * (grid.rows + 1));
    int k = 0;
    for (int r = 0; r <= grid.rows; ++r) {
        for (int i = 0; i <= grid.cols; ++i, ++k) {
            double j = 0.0;
            if (grid.distort != 0.0f) {
                j = (WRANDOM::Rand(k) % 10000) * 0.0001 * grid.cell_w * grid.d;
            }
            const double sign = WRANDOM::RandBool(k) ? -1.0 : 1.0;
            CUT_POINT c{static_cast<int>(static_cast<double>(grid.cell_w) * i + sign * j),
                        static_cast<int>(static_cast<double>(grid.cell_h) * r + sign * j)};
            if (i == grid.cols)
                c.x = grid.picture_w;
            if (r == grid.rows)
                c.y = grid.picture_h;
            if (i == 0)
                c.x = 0;
            if (r == 0)
                c.y = 0;
            corners.push_back(c);
        }
    }
    return corners;
}

// Corners of every piece and the straight sides of the pieces on the picture's border; the
// inner edges overwrite the middle points of the other sides.
void WriteCornersAndBorders(const CUT_GRID& grid, CUT_LINES& lines) {
    const CUT_POINT top{0, -(grid.cell_h / 2)};
    const CUT_POINT bottom{0, grid.cell_h / 2};
    const CUT_POINT left{-(grid.cell_w / 2), 0};
    const CUT_POINT right{grid.cell_w / 2, 0};
    for (int row = 0; row < grid.rows; ++row) {
        for (int col = 0; col < grid.cols; ++col) {
            CUT_POINT* shape = lines.Shape(grid, col, row);
            shape[0] = Relative(grid, col, row, lines.Corner(grid, col, row));
            shape[6] = Relative(grid, col, row, lines.Corner(grid, col + 1, row));
            shape[12] = Relative(grid, col, row, lines.Corner(grid, col + 1, row + 1));
            shape[18] = Relative(grid, col, row, lines.Corner(grid, col, row + 1));
            for (int m = 1; m <= 5; ++m) {
                if (row == 0)
                    shape[m] = top;
                if (col == grid.cols - 1)
                    shape[6 + m] = right;
                if (row == grid.rows - 1)
                    shape[12 + m] = bottom;
                if (col == 0)
                    shape[18 + m] = left;
            }
        }
    }
}

}  // namespace

CUT_GRID ChooseGrid(int picture_w, int picture_h, int min_pieces, float aspect, float distort) {
    CUT_GRID grid;
    grid.picture_w = std::max(picture_w, 1);
    grid.picture_h = std::max(picture_h, 1);
    grid.min_pieces = std::max(min_pieces, 1);
    if (!(aspect > 0.0f) || aspect > 1.0f) {
        aspect = aspect > 1.0f ? 1.0f / aspect : 1.0f;
    }
    const int longer = static_cast<int>(std::min(grid.min_pieces / aspect + 0.5, 1.0e6));
    if (grid.picture_w > grid.picture_h) {
        grid.rows = grid.min_pieces;
        grid.cols = longer;
    } else {
        grid.cols = grid.min_pieces;
        grid.rows = longer;
    }
    // No cell narrower than a texel.
    grid.cols = std::clamp(grid.cols, 1, grid.picture_w);
    grid.rows = std::clamp(grid.rows, 1, grid.picture_h);
    grid.cell_w = static_cast<int>(static_cast<double>(grid.picture_w) / grid.cols + 0.5);
    grid.cell_h = static_cast<int>(static_cast<double>(grid.picture_h) / grid.rows + 0.5);
    grid.distort = distort > 0.0f ? std::min(distort, 1.0f) : 0.0f;
    grid.d = grid.distort / 5.0f;
    return grid;
}

CUT_POINT PieceTextureSize(const CUT_GRID& grid) {
    const int distortion_room = static_cast<int>(grid.cell_w * grid.d) * 2;
    const int tab_room = static_cast<int>(grid.cell_h * 0.3) * 2;
    return {distortion_room + grid.cell_w + tab_room, distortion_room + grid.cell_h + tab_room};
}

CUT_LINES TraceCutLines(const CUT_GRID& grid, TEXEL_VIEW target, uint32_t line_colour) {
    CUT_LINES lines;
    lines.corners = JitterCorners(grid);
    lines.shapes.assign(static_cast<size_t>(grid.cols) * grid.rows * kShapePoints, CUT_POINT{});
    WriteCornersAndBorders(grid, lines);

    const double body_step = 0.002 * grid.min_pieces;
    int edge_index = 0;
    CUT_POINT tab[kTabPoints];
    for (int i = 1; i < grid.cols; ++i) {
        for (int r = 1; r <= grid.rows; ++r, ++edge_index) {
            const CUT_POINT p = lines.Corner(grid, i, r - 1);
            const CUT_POINT q = lines.Corner(grid, i, r);
            MakeTab(edge_index, p, q, tab);
            RasteriseEdge(target, p, tab, q, line_colour, body_step);
            CUT_POINT* left = lines.Shape(grid, i - 1, r - 1);
            CUT_POINT* right = lines.Shape(grid, i, r - 1);
            for (int m = 1; m <= 5; ++m) {
                left[6 + m] = Relative(grid, i - 1, r - 1, tab[m]);
                right[24 - m] = Relative(grid, i, r - 1, tab[m]);
            }
        }
    }
    for (int r = 1; r < grid.rows; ++r) {
        for (int i = 1; i <= grid.cols; ++i, ++edge_index) {
            const CUT_POINT p = lines.Corner(grid, i - 1, r);
            const CUT_POINT q = lines.Corner(grid, i, r);
            MakeTab(edge_index, p, q, tab);
            RasteriseEdge(target, p, tab, q, line_colour, body_step);
            CUT_POINT* upper = lines.Shape(grid, i - 1, r - 1);
            CUT_POINT* lower = lines.Shape(grid, i - 1, r);
            for (int m = 1; m <= 5; ++m) {
                upper[18 - m] = Relative(grid, i - 1, r - 1, tab[m]);
                lower[m] = Relative(grid, i - 1, r, tab[m]);
            }
        }
    }
    return lines;
}

void ThickenLines(TEXEL_VIEW target, uint32_t line_colour) {
    constexpr uint32_t kThickening = 0x77FFFFFFu;
    for (int y = 0; y < target.height; ++y) {
        for (int x = 0; x < target.width; ++x) {
            if (target.At(x, y) != line_colour) {
                continue;
            }
            const CUT_POINT around[4] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            for (const CUT_POINT& n : around) {
                if (target.Contains(n.x, n.y) && target.At(n.x, n.y) != line_colour) {
                    target.At(n.x, n.y) = kThickening;
                }
            }
        }
    }
}

}  // namespace GAME
