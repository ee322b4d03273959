// Packs baked glyphs onto one page image and writes the BMFont XML description of it.
#pragma once

#include <string>
#include <vector>

#include "glyph_render.h"

struct BMFONT_INFO {
    std::string face;
    int size = 0;  // the game's line height
    int base = 0;  // baseline below the line top
    int padding = 0;
    std::string page_file;  // page image name as the game looks it up in the fonts pack
};

struct PLACED_GLYPH {
    const BAKED_GLYPH* glyph = nullptr;
    int x = 0;
    int y = 0;
};

// Shelf packing onto a page of the given width; the height becomes the next multiple of 64.
// Returns the page, with the position of every glyph in placed.
image_io::IMAGE PackPage(const std::vector<BAKED_GLYPH>& glyphs, int page_width,
                         std::vector<PLACED_GLYPH>& placed);

bool WriteBmfont(const std::string& path, const BMFONT_INFO& info, const image_io::IMAGE& page,
                 const std::vector<PLACED_GLYPH>& placed, std::string& error);
