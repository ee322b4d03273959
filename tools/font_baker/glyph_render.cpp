// FreeType glyph rendering with a baked outline and soft drop shadow.
#include "glyph_render.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using PLANE = std::vector<float>;  // coverage 0 .. 1, row-major

// Coverage grown by radius with a one-pixel soft rim, for the outline.
PLANE Dilate(const PLANE& ink, int w, int h, float radius) {
    PLANE out(ink.size(), 0.0f);
    int reach = static_cast<int>(std::ceil(radius + 1.0f));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            float best = 0.0f;
            for (int dy = -reach; dy <= reach; ++dy) {
                int sy = y + dy;
                if (sy < 0 || sy >= h)
                    continue;
                for (int dx = -reach; dx <= reach; ++dx) {
                    int sx = x + dx;
                    if (sx < 0 || sx >= w)
                        continue;
                    float c = ink[static_cast<size_t>(sy) * w + sx];
                    if (c <= best)
                        continue;
                    float d = std::sqrt(static_cast<float>(dx * dx + dy * dy));
                    float rim = std::clamp(radius + 1.0f - d, 0.0f, 1.0f);
                    best = std::max(best, c * rim);
                }
            }
            out[static_cast<size_t>(y) * w + x] = best;
        }
    }
    return out;
}

// Two passes of a separable box blur, close enough to a Gaussian for a shadow.
PLANE Blur(const PLANE& plane, int w, int h, float radius) {
    int r = static_cast<int>(std::lround(radius));
    if (r <= 0)
        return plane;
    PLANE a = plane, b(plane.size());
    for (int pass = 0; pass < 2; ++pass) {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                float sum = 0.0f;
                for (int k = -r; k <= r; ++k) {
                    int sx = x + k;
                    if (sx >= 0 && sx < w)
                        sum += a[static_cast<size_t>(y) * w + sx];
                }
                b[static_cast<size_t>(y) * w + x] = sum / (2 * r + 1);
            }
        }
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                float sum = 0.0f;
                for (int k = -r; k <= r; ++k) {
                    int sy = y + k;
                    if (sy >= 0 && sy < h)
                        sum += b[static_cast<size_t>(sy) * w + x];
                }
                a[static_cast<size_t>(y) * w + x] = sum / (2 * r + 1);
            }
        }
    }
    return a;
}

// Straight-alpha "over" of a flat colour with the given coverage onto the pixel.
void Over(uint8_t* pixel, uint32_t rgb, float alpha) {
    if (alpha <= 0.0f)
        return;
    float dst_a = pixel[3] / 255.0f;
    float out_a = alpha + dst_a * (1.0f - alpha);
    const float src[3] = {static_cast<float>((rgb >> 16) & 0xFF),
                          static_cast<float>((rgb >> 8) & 0xFF), static_cast<float>(rgb & 0xFF)};
    for (int c = 0; c < 3; ++c) {
        float v = (src[c] * alpha + pixel[c] * dst_a * (1.0f - alpha)) / out_a;
        pixel[c] = static_cast<uint8_t>(std::clamp(v + 0.5f, 0.0f, 255.0f));
    }
    pixel[3] = static_cast<uint8_t>(std::clamp(out_a * 255.0f + 0.5f, 0.0f, 255.0f));
}

}  // namespace

GLYPH_RENDERER::~GLYPH_RENDERER() {
    if (face_)
        FT_Done_Face(face_);
    if (library_)
        FT_Done_FreeType(library_);
}

bool GLYPH_RENDERER::Open(const std::string& font_path, int pixel_size, std::string& error) {
    if (FT_Init_FreeType(&library_) != 0) {
        error = "FreeType does not start";
        return false;
    }
    if (FT_New_Face(library_, font_path.c_str(), 0, &face_) != 0) {
        error = "cannot open the face " + font_path;
        return false;
    }
    if (FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixel_size)) != 0) {
        error = "the face has no size " + std::to_string(pixel_size);
        return false;
    }
    ascender_ = static_cast<int>((face_->size->metrics.ascender + 63) >> 6);
    int descender = static_cast<int>((-face_->size->metrics.descender + 63) >> 6);
    line_height_ = ascender_ + descender;
    return true;
}

bool GLYPH_RENDERER::HasGlyph(int code) const {
    return FT_Get_Char_Index(face_, static_cast<FT_ULong>(code)) != 0;
}

std::string GLYPH_RENDERER::FamilyName() const {
    return face_ && face_->family_name ? face_->family_name : "";
}

bool GLYPH_RENDERER::Bake(int code, const GLYPH_STYLE& style, BAKED_GLYPH& glyph) {
    FT_UInt index = FT_Get_Char_Index(face_, static_cast<FT_ULong>(code));
    if (index == 0)
        return false;
    if (FT_Load_Glyph(face_, index, FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_LIGHT) != 0)
        return false;
    FT_GlyphSlot slot = face_->glyph;
    int grow = static_cast<int>(std::lround(style.embolden));
    if (grow > 0 && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        FT_Outline_Embolden(&slot->outline, static_cast<FT_Pos>(style.embolden * 64.0f));
    }
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_LIGHT) != 0)
        return false;
    const FT_Bitmap& bitmap = slot->bitmap;

    int effect_reach = static_cast<int>(std::ceil(style.outline_radius)) + 1;
    int shadow_reach = static_cast<int>(std::ceil(style.shadow_blur)) * 2;
    int above = effect_reach + std::max(0, shadow_reach - style.shadow_dy);
    int below = effect_reach + std::max(0, shadow_reach + style.shadow_dy);
    int rows = static_cast<int>(bitmap.rows);

    glyph.code = code;
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6) + grow;
    int w = glyph.advance + 2 * style.padding;
    int h = rows > 0 ? rows + above + below : 1;
    glyph.top = rows > 0 ? ascender_ - slot->bitmap_top - above : ascender_;
    glyph.cell = image_io::IMAGE(w, h);
    if (rows == 0)
        return true;  // a blank such as the space: advance only

    PLANE ink(static_cast<size_t>(w) * h, 0.0f);
    int left = style.padding + slot->bitmap_left;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < static_cast<int>(bitmap.width); ++x) {
            int cx = left + x;
            if (cx < 0 || cx >= w)
                continue;  // ink beyond the padding is cut off
            ink[static_cast<size_t>(y + above) * w + cx] =
                bitmap.buffer[y * bitmap.pitch + x] / 255.0f;
        }
    }
    PLANE outline = style.outline_radius > 0.0f ? Dilate(ink, w, h, style.outline_radius) : ink;
    PLANE shadow;
    if (style.shadow_alpha > 0.0f)
        shadow = Blur(outline, w, h, style.shadow_blur);

    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            uint8_t* pixel = glyph.cell.At(x, y);
            size_t at = static_cast<size_t>(y) * w + x;
            if (!shadow.empty()) {
                int sx = x - style.shadow_dx, sy = y - style.shadow_dy;
                if (sx >= 0 && sx < w && sy >= 0 && sy < h) {
                    Over(pixel, style.shadow_rgb,
                         shadow[static_cast<size_t>(sy) * w + sx] * style.shadow_alpha);
                }
            }
            if (style.outline_radius > 0.0f) {
                Over(pixel, style.outline_rgb, outline[at] * style.outline_alpha);
            }
            Over(pixel, 0xFFFFFF, ink[at]);
            // Filtering mixes in the colour of empty texels too; give them the colour of the
            // rim they border so that no dark fringe appears.
            if (pixel[3] == 0) {
                uint32_t rim = !shadow.empty()               ? style.shadow_rgb
                               : style.outline_radius > 0.0f ? style.outline_rgb
                                                             : 0xFFFFFF;
                pixel[0] = static_cast<uint8_t>(rim >> 16);
                pixel[1] = static_cast<uint8_t>(rim >> 8);
                pixel[2] = static_cast<uint8_t>(rim);
            }
        }
    }
    return true;
}
