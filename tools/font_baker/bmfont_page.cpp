// Shelf packing of baked glyphs and the BMFont XML writer.
#include "bmfont_page.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr int kGap = 2;  // empty texels between glyphs so that filtering never reaches a neighbour

std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '&') {
            out += "&amp;";
        } else if (c == '"') {
            out += "&quot;";
        } else if (c == '<') {
            out += "&lt;";
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

image_io::IMAGE PackPage(const std::vector<BAKED_GLYPH>& glyphs, int page_width,
                         std::vector<PLACED_GLYPH>& placed) {
    std::vector<const BAKED_GLYPH*> order;
    for (const BAKED_GLYPH& g : glyphs)
        order.push_back(&g);
    std::stable_sort(order.begin(), order.end(), [](const BAKED_GLYPH* a, const BAKED_GLYPH* b) {
        return a->cell.height > b->cell.height;
    });
    placed.clear();
    int x = kGap, y = kGap, shelf = 0;
    for (const BAKED_GLYPH* g : order) {
        if (x + g->cell.width + kGap > page_width) {
            x = kGap;
            y += shelf + kGap;
            shelf = 0;
        }
        placed.push_back({g, x, y});
        x += g->cell.width + kGap;
        shelf = std::max(shelf, g->cell.height);
    }
    // Rounded up to whole rows of 64, not to a power of two: the renderer takes any size, and a
    // page taller than the largest picture the device loads unscaled would come out squeezed.
    const int used = y + shelf + kGap;
    const int height = (used + 63) / 64 * 64;
    image_io::IMAGE page(page_width, height);
    // Empty texels are white and transparent, like the rim of a glyph without effects.
    for (size_t i = 0; i < page.rgba.size(); i += 4)
        std::memset(&page.rgba[i], 0xFF, 3);
    for (const PLACED_GLYPH& p : placed) {
        const image_io::IMAGE& cell = p.glyph->cell;
        for (int row = 0; row < cell.height; ++row) {
            std::memcpy(page.At(p.x, p.y + row), cell.At(0, row),
                        static_cast<size_t>(cell.width) * 4);
        }
    }
    std::sort(placed.begin(), placed.end(), [](const PLACED_GLYPH& a, const PLACED_GLYPH& b) {
        return a.glyph->code < b.glyph->code;
    });
    return page;
}

bool WriteBmfont(const std::string& path, const BMFONT_INFO& info, const image_io::IMAGE& page,
                 const std::vector<PLACED_GLYPH>& placed, std::string& error) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    if (!file) {
        error = "cannot write " + path;
        return false;
    }
    FILE* f = file.get();
    // The game reads the size from the first child of the root, so info comes first.
    std::fprintf(f, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<font>\n");
    std::fprintf(f,
                 "  <info face=\"%s\" size=\"%d\" bold=\"0\" italic=\"0\" charset=\"\" "
                 "unicode=\"1\" stretchH=\"100\" smooth=\"1\" aa=\"1\" "
                 "padding=\"0,%d,0,%d\" spacing=\"2,2\" outline=\"0\"/>\n",
                 Escape(info.face).c_str(), info.size, info.padding, info.padding);
    std::fprintf(f,
                 "  <common lineHeight=\"%d\" base=\"%d\" scaleW=\"%d\" scaleH=\"%d\" pages=\"1\" "
                 "packed=\"0\"/>\n",
                 info.size, info.base, page.width, page.height);
    std::fprintf(f, "  <pages>\n    <page id=\"0\" file=\"%s\"/>\n  </pages>\n",
                 Escape(info.page_file).c_str());
    std::fprintf(f, "  <chars count=\"%zu\">\n", placed.size());
    for (const PLACED_GLYPH& p : placed) {
        const BAKED_GLYPH& g = *p.glyph;
        std::fprintf(f,
                     "    <char id=\"%d\" x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\" "
                     "xoffset=\"%d\" yoffset=\"%d\" xadvance=\"%d\" page=\"0\" chnl=\"15\"/>\n",
                     g.code, p.x, p.y, g.cell.width, g.cell.height, -info.padding, g.top,
                     g.advance);
    }
    std::fprintf(f, "  </chars>\n</font>\n");
    if (std::ferror(f)) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}
