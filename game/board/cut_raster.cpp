// Rasterising one tabbed edge of the cut as a quadratic B-spline into a texel buffer.
#include "game/board/cut_raster.h"

#include <algorithm>
#include <cstdlib>

namespace GAME {
namespace {

CUT_POINT Midpoint(CUT_POINT a, CUT_POINT b) {
    return {(a.x + b.x) / 2, (a.y + b.y) / 2};
}

CUT_POINT Bezier(CUT_POINT a, CUT_POINT control, CUT_POINT b, double u) {
    const double v = 1.0 - u;
    return {static_cast<int>(v * v * a.x + 2.0 * u * v * control.x + u * u * b.x),
            static_cast<int>(v * v * a.y + 2.0 * u * v * control.y + u * u * b.y)};
}

// A segment sampled every hundredth of its parameter, the samples joined by lines.
void DrawJoinedSegment(TEXEL_VIEW target, CUT_POINT a, CUT_POINT control, CUT_POINT b,
                       uint32_t colour) {
    constexpr int kSamples = 100;
    CUT_POINT previous = a;
    for (int k = 1; k <= kSamples; ++k) {
        const CUT_POINT next = Bezier(a, control, b, k * 0.01);
        DrawStepLine(target, previous, next, colour);
        previous = next;
    }
}

// A body segment: single texels, each written only over a texel that is not 0.
void DrawSampledSegment(TEXEL_VIEW target, CUT_POINT a, CUT_POINT control, CUT_POINT b,
                        uint32_t colour, double step) {
    for (double u = 0.0; u <= 1.0; u += step) {
        const CUT_POINT p = Bezier(a, control, b, u);
        if (target.Contains(p.x, p.y) && target.At(p.x, p.y) != 0) {
            target.At(p.x, p.y) = colour;
        }
    }
}

}  // namespace

void DrawStepLine(TEXEL_VIEW target, CUT_POINT a, CUT_POINT b, uint32_t colour) {
    const int dx = std::abs(b.x - a.x);
    const int dy = std::abs(b.y - a.y);
    const int sx = b.x > a.x ? 1 : -1;
    const int sy = b.y > a.y ? 1 : -1;
    const int steps = std::max(dx, dy);
    int x = a.x;
    int y = a.y;
    int share_x = 0;
    int share_y = 0;
    for (int i = 0;; ++i) {
        if (target.Contains(x, y)) {
            target.At(x, y) = colour;
        }
        if (i == steps) {
            break;
        }
        share_x += dx;
        if (share_x >= steps) {
            share_x -= steps;
            x += sx;
        }
        share_y += dy;
        if (share_y >= steps) {
            share_y -= steps;
            y += sy;
        }
    }
}

void RasteriseEdge(TEXEL_VIEW target, CUT_POINT p, const CUT_POINT* tab, CUT_POINT q,
                   uint32_t colour, double body_step) {
    if (!(body_step > 0.0)) {
        body_step = 0.002;
    }
    for (int i = 0; i + 2 < kTabPoints; ++i) {
        DrawSampledSegment(target, Midpoint(tab[i], tab[i + 1]), tab[i + 1],
                           Midpoint(tab[i + 1], tab[i + 2]), colour, body_step);
    }
    const CUT_POINT first = tab[0];
    const CUT_POINT last = tab[kTabPoints - 1];
    DrawJoinedSegment(target, Midpoint(p, first), first, Midpoint(first, tab[1]), colour);
    DrawJoinedSegment(target, Midpoint(tab[kTabPoints - 2], last), last, Midpoint(last, q), colour);
    const CUT_POINT start_end = Midpoint(p, first);
    DrawJoinedSegment(target, p, Midpoint(p, start_end), start_end, colour);
    const CUT_POINT end_start = Midpoint(last, q);
    DrawJoinedSegment(target, end_start, Midpoint(end_start, q), q, colour);
}

}  // namespace GAME
