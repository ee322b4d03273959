// Rasterising one tabbed edge of the cut as a quadratic B-spline into a texel buffer.
#pragma once

#include <cstdint>

#include "game/board/cut_grid.h"
#include "game/board/texel_view.h"

namespace GAME {

constexpr int kTabPoints = 7;

// Draws the edge whose control polygon is p, tab[0..6], q. The five body segments are sampled
// every body_step of their parameter and only overwrite non-zero texels; the shoulders and the
// straight ends are joined by lines that overwrite unconditionally. Texels outside the buffer
// are never touched.
void RasteriseEdge(TEXEL_VIEW target, CUT_POINT p, const CUT_POINT* tab, CUT_POINT q,
                   uint32_t colour, double body_step);

// A stepped line from a to b, both ends included.
void DrawStepLine(TEXEL_VIEW target, CUT_POINT a, CUT_POINT b, uint32_t colour);

}  // namespace GAME
