// WSPRITE's drawing of only the texels that show: the quad cut to them.
#include <algorithm>
#include <cmath>

#include "engine/ui/sprite.h"

void WSPRITE::ShowOnlyTexels(int left, int top, int right, int bottom) {
    shown_texels_ = {left, top, right, bottom};
}

void WSPRITE::ShowOnlyOpaqueTexels() {
    WTEXTURE* t = quad.texture;
    // Texels a device has dropped after the upload: the rectangle found before still holds.
    const uint32_t* texels = t != nullptr ? t->Texels() : nullptr;
    if (texels == nullptr) {
        shown_texels_ = opaque_texels_;
        return;
    }
    TEXEL_RECT opaque{t->width, t->height, 0, 0};
    for (int y = 0; y < t->height; ++y) {
        const uint32_t* row = texels + static_cast<size_t>(y) * t->width;
        auto shows = [](uint32_t argb) { return (argb >> 24) != 0; };
        const uint32_t* first = std::find_if(row, row + t->width, shows);
        if (first == row + t->width) {
            continue;
        }
        const uint32_t* last = std::find_if(std::make_reverse_iterator(row + t->width),
                                            std::make_reverse_iterator(first), shows)
                                   .base();
        opaque.left = std::min(opaque.left, static_cast<int>(first - row));
        opaque.right = std::max(opaque.right, static_cast<int>(last - row));
        opaque.top = std::min(opaque.top, y);
        opaque.bottom = y + 1;
    }
    opaque_texels_ = opaque.Empty() ? TEXEL_RECT{} : opaque;
    shown_texels_ = opaque_texels_;
}

void WSPRITE::DrawQuadAt(float x, float y, float angle) {
    const float w = QuadWidth();
    const float h = QuadHeight();
    const WQUAD_CORNER& top_left = quad.corners[0];
    const WQUAD_CORNER& bottom_right = quad.corners[2];
    const float du = bottom_right.u - top_left.u;
    const float dv = bottom_right.v - top_left.v;
    const WTEXTURE* t = quad.texture;
    if (shown_texels_.Empty() || t == nullptr || t->width <= 0 || t->height <= 0 || w <= 0.0f ||
        h <= 0.0f || du <= 0.0f || dv <= 0.0f) {
        device->DrawQuad(quad, x, y, scale.x, scale.y, angle, cx_, cy_);
        return;
    }
    // Quad pixels of a texel edge. One texel more on each side than the shown ones: smooth
    // filtering half a texel beyond them still picks up their colour.
    auto quad_x = [&](int texel) {
        return (static_cast<float>(texel) / t->width - top_left.u) * w / du;
    };
    auto quad_y = [&](int texel) {
        return (static_cast<float>(texel) / t->height - top_left.v) * h / dv;
    };
    const float left = std::max(std::floor(quad_x(shown_texels_.left - 1)), 0.0f);
    const float top = std::max(std::floor(quad_y(shown_texels_.top - 1)), 0.0f);
    const float right = std::min(std::ceil(quad_x(shown_texels_.right + 1)), w);
    const float bottom = std::min(std::ceil(quad_y(shown_texels_.bottom + 1)), h);
    auto u = [&](float px) { return top_left.u + du * px / w; };
    auto v = [&](float py) { return top_left.v + dv * py / h; };
    WQUAD part = quad;
    part.corners[0] = {0.0f, 0.0f, u(left), v(top)};
    part.corners[1] = {0.0f, bottom - top, u(left), v(bottom)};
    part.corners[2] = {right - left, bottom - top, u(right), v(bottom)};
    part.corners[3] = {right - left, 0.0f, u(right), v(top)};
    device->DrawQuad(part, x, y, scale.x, scale.y, angle, cx_ - static_cast<int>(left),
                     cy_ - static_cast<int>(top));
}
