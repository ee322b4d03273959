// Renders single glyphs with FreeType and bakes an outline and a soft drop shadow around them.
#pragma once

#include <cstdint>
#include <string>

#include "image.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;

// How the ink of every glyph is dressed. Colours are 0xRRGGBB; alphas 0 .. 1.
struct GLYPH_STYLE {
    int padding = 4;  // empty pixels on each side of the advance; half the negative spacing
    float outline_radius = 0.0f;
    uint32_t outline_rgb = 0x000000;
    float outline_alpha = 1.0f;
    int shadow_dx = 0;
    int shadow_dy = 0;
    float shadow_blur = 0.0f;
    uint32_t shadow_rgb = 0x000000;
    float shadow_alpha = 0.0f;
    float embolden = 0.0f;  // extra stroke weight in pixels
};

// One baked glyph: its cell spans the advance plus the padding on both sides, horizontally, and
// the rows that carry ink (outline and shadow included), vertically.
struct BAKED_GLYPH {
    int code = 0;
    int advance = 0;
    int top = 0;  // first row of the cell below the line top
    image_io::IMAGE cell;
};

class GLYPH_RENDERER {
  public:
    GLYPH_RENDERER() = default;
    ~GLYPH_RENDERER();
    GLYPH_RENDERER(const GLYPH_RENDERER&) = delete;
    GLYPH_RENDERER& operator=(const GLYPH_RENDERER&) = delete;

    bool Open(const std::string& font_path, int pixel_size, std::string& error);
    bool HasGlyph(int code) const;
    // False when the face has no such character.
    bool Bake(int code, const GLYPH_STYLE& style, BAKED_GLYPH& glyph);

    int Ascender() const { return ascender_; }
    int LineHeight() const { return line_height_; }
    std::string FamilyName() const;

  private:
    FT_LibraryRec_* library_ = nullptr;
    FT_FaceRec_* face_ = nullptr;
    int ascender_ = 0;
    int line_height_ = 0;
};
