// font_baker: bakes a TrueType face into a BMFont XML description and its page image.
//
//   font_baker --face FONT.ttf --px SIZE --padding P --ranges 0x20-0x7E,0xA0-0x17F
//              --fnt OUT.fnt --page OUT.png --page-name NAME.png
//              [--line-height L] [--embolden PX] [--outline RADIUS RRGGBB ALPHA]
//              [--shadow DX DY BLUR RRGGBB ALPHA]
//              [--sample OUT.png --sample-text TEXT --tint RRGGBB --spacing S]
//
// Every glyph cell is its advance plus the padding on both sides, which is what lets the game
// draw with a negative letter spacing of twice the padding. A sample image laid out the way the
// game lays text out (cell width plus spacing) shows the result on the desk colour.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bmfont_page.h"
#include "glyph_render.h"

namespace {

struct OPTIONS {
    std::string face, fnt, page, page_name, sample, sample_text;
    int px = 0;
    int line_height = 0;
    std::string ranges;
    GLYPH_STYLE style;
    uint32_t tint = 0xFFFFFF;
    int spacing = 0;
};

int Fail(const std::string& message) {
    std::fprintf(stderr, "font_baker: %s\n", message.c_str());
    return 1;
}

uint32_t Hex(const char* text) {
    return static_cast<uint32_t>(std::strtoul(text, nullptr, 16));
}

bool ParseOptions(int argc, char** argv, OPTIONS& o, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto need = [&](int n) {
            if (i + n >= argc) {
                error = a + " needs " + std::to_string(n) + " values";
                return false;
            }
            return true;
        };
        if (a == "--face" && need(1)) {
            o.face = argv[++i];
        } else if (a == "--px" && need(1)) {
            o.px = std::atoi(argv[++i]);
        } else if (a == "--padding" && need(1)) {
            o.style.padding = std::atoi(argv[++i]);
        } else if (a == "--line-height" && need(1)) {
            o.line_height = std::atoi(argv[++i]);
        } else if (a == "--embolden" && need(1)) {
            o.style.embolden = static_cast<float>(std::atof(argv[++i]));
        } else if (a == "--ranges" && need(1)) {
            o.ranges = argv[++i];
        } else if (a == "--fnt" && need(1)) {
            o.fnt = argv[++i];
        } else if (a == "--page" && need(1)) {
            o.page = argv[++i];
        } else if (a == "--page-name" && need(1)) {
            o.page_name = argv[++i];
        } else if (a == "--outline" && need(3)) {
            o.style.outline_radius = static_cast<float>(std::atof(argv[++i]));
            o.style.outline_rgb = Hex(argv[++i]);
            o.style.outline_alpha = static_cast<float>(std::atof(argv[++i]));
        } else if (a == "--shadow" && need(5)) {
            o.style.shadow_dx = std::atoi(argv[++i]);
            o.style.shadow_dy = std::atoi(argv[++i]);
            o.style.shadow_blur = static_cast<float>(std::atof(argv[++i]));
            o.style.shadow_rgb = Hex(argv[++i]);
            o.style.shadow_alpha = static_cast<float>(std::atof(argv[++i]));
        } else if (a == "--sample" && need(1)) {
            o.sample = argv[++i];
        } else if (a == "--sample-text" && need(1)) {
            o.sample_text = argv[++i];
        } else if (a == "--tint" && need(1)) {
            o.tint = Hex(argv[++i]);
        } else if (a == "--spacing" && need(1)) {
            o.spacing = std::atoi(argv[++i]);
        } else {
            if (error.empty())
                error = "unknown or incomplete option " + a;
            return false;
        }
    }
    if (o.face.empty() || o.fnt.empty() || o.page.empty() || o.page_name.empty() || o.px <= 0 ||
        o.ranges.empty()) {
        error = "--face, --px, --ranges, --fnt, --page and --page-name are required";
        return false;
    }
    return true;
}

// "0x20-0x7E,0xA0" -> every code in the ranges, in order.
bool ParseRanges(const std::string& text, std::vector<int>& codes) {
    size_t at = 0;
    while (at < text.size()) {
        size_t comma = text.find(',', at);
        std::string part =
            text.substr(at, comma == std::string::npos ? std::string::npos : comma - at);
        char* end = nullptr;
        long first = std::strtol(part.c_str(), &end, 0);
        long last = first;
        if (*end == '-')
            last = std::strtol(end + 1, &end, 0);
        if (*end != '\0' || first < 0 || last < first || last > 0x10FFFF)
            return false;
        for (long c = first; c <= last; ++c)
            codes.push_back(static_cast<int>(c));
        if (comma == std::string::npos)
            break;
        at = comma + 1;
    }
    return !codes.empty();
}

// Decodes UTF-8 (the sample text); "\n" written as two characters starts a new line.
std::vector<int> DecodeSample(const std::string& text) {
    std::vector<int> codes;
    for (size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            codes.push_back('\n');
            i += 2;
            continue;
        }
        int length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        int code = length == 1 ? c : c & (0x3F >> (length - 1));
        for (int k = 1; k < length && i + k < text.size(); ++k) {
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        codes.push_back(code);
        i += length;
    }
    return codes;
}

// Draws the sample the way the game does: each glyph cell at the pen, pen += width + spacing.
bool WriteSample(const OPTIONS& o, const std::vector<BAKED_GLYPH>& glyphs, int line_height,
                 std::string& error) {
    std::vector<int> codes = DecodeSample(o.sample_text);
    auto find = [&](int code) -> const BAKED_GLYPH* {
        for (const BAKED_GLYPH& g : glyphs) {
            if (g.code == code)
                return &g;
        }
        return nullptr;
    };
    int lines = 1, width = 0, pen = 0;
    for (int code : codes) {
        if (code == '\n') {
            ++lines;
            pen = 0;
            continue;
        }
        if (const BAKED_GLYPH* g = find(code))
            pen += g->cell.width;
        pen += o.spacing;
        width = std::max(width, pen);
    }
    const int margin = 24;
    image_io::IMAGE sample(width + 2 * margin, lines * line_height + 2 * margin);
    for (int y = 0; y < sample.height; ++y) {
        for (int x = 0; x < sample.width; ++x) {
            uint8_t* p = sample.At(x, y);
            bool light = ((x / 48) + (y / 48)) % 2 == 0;  // a hint of the desk's wood grain
            p[0] = light ? 0xE9 : 0xD9;
            p[1] = light ? 0xCF : 0xBC;
            p[2] = light ? 0xA0 : 0x8A;
            p[3] = 0xFF;
        }
    }
    int x = 0, line = 0;
    for (int code : codes) {
        if (code == '\n') {
            ++line;
            x = 0;
            continue;
        }
        const BAKED_GLYPH* g = find(code);
        if (g) {
            for (int cy = 0; cy < g->cell.height; ++cy) {
                int ty = margin + line * line_height + g->top + cy;
                if (ty < 0 || ty >= sample.height)
                    continue;
                for (int cx = 0; cx < g->cell.width; ++cx) {
                    // Missing glyphs move the pen back by the negative spacing alone, so a line
                    // of them can run left of the margin.
                    const int tx = margin + x + cx;
                    if (tx < 0 || tx >= sample.width)
                        continue;
                    const uint8_t* s = g->cell.At(cx, cy);
                    uint8_t* d = sample.At(tx, ty);
                    float a = s[3] / 255.0f;
                    const uint32_t tint[3] = {(o.tint >> 16) & 0xFF, (o.tint >> 8) & 0xFF,
                                              o.tint & 0xFF};
                    for (int c = 0; c < 3; ++c) {
                        float src = s[c] * tint[c] / 255.0f;
                        d[c] = static_cast<uint8_t>(src * a + d[c] * (1.0f - a) + 0.5f);
                    }
                }
            }
            x += g->cell.width;
        }
        x += o.spacing;
    }
    return image_io::WritePng(o.sample, sample, error);
}

}  // namespace

int main(int argc, char** argv) {
    OPTIONS o;
    std::string error;
    if (!ParseOptions(argc, argv, o, error))
        return Fail(error);
    std::vector<int> codes;
    if (!ParseRanges(o.ranges, codes))
        return Fail("bad --ranges " + o.ranges);

    GLYPH_RENDERER renderer;
    if (!renderer.Open(o.face, o.px, error))
        return Fail(error);
    std::vector<BAKED_GLYPH> glyphs;
    glyphs.reserve(codes.size());
    int missing = 0;
    for (int code : codes) {
        BAKED_GLYPH glyph;
        bool blank = code == 0x20 || code == 0xA0;
        if (renderer.Bake(code, o.style, glyph) || (blank && renderer.Bake(0x20, o.style, glyph))) {
            glyph.code = code;
            glyphs.push_back(std::move(glyph));
        } else if (code >= 0x20) {
            ++missing;
        }
    }
    if (missing > 0) {
        std::fprintf(stderr, "font_baker: %s lacks %d of the %zu characters asked for\n",
                     o.face.c_str(), missing, codes.size());
    }
    std::vector<PLACED_GLYPH> placed;
    image_io::IMAGE page = PackPage(glyphs, 1024, placed);

    BMFONT_INFO info;
    info.face = renderer.FamilyName();
    info.size = o.line_height > 0 ? o.line_height : renderer.LineHeight();
    info.base = renderer.Ascender();
    info.padding = o.style.padding;
    info.page_file = o.page_name;
    if (!image_io::WritePng(o.page, page, error) ||
        !WriteBmfont(o.fnt, info, page, placed, error)) {
        return Fail(error);
    }
    if (!o.sample.empty() && !WriteSample(o, glyphs, info.size, error))
        return Fail(error);
    return 0;
}
