// WFONT: reading a BMFont XML description and laying text out glyph by glyph; see font.h.
#include "engine/text/font.h"

#include <algorithm>
#include <climits>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <pugixml.hpp>
#include <string>

#include "engine/resources/pack_texture.h"
#include "engine/resources/xml_tables.h"

namespace {

constexpr int kPageBlend = 1;
constexpr int kPageLayer = 100;

// No glyph, offset or line can reach past a page image of the largest size: values beyond are
// cut to it when read, so sums of a few of them cannot overflow.
constexpr int kMaxMetric = WRENDER::kMaxTextureSize;

int Metric(const pugi::xml_node& record, const char* name) {
    return std::clamp(record.attribute(name).as_int(), -kMaxMetric, kMaxMetric);
}

float Fraction(int pixels, int page_size) {
    return page_size > 0 ? static_cast<float>(pixels) / static_cast<float>(page_size) : 0.0f;
}

// Widths and heights of whole texts add up many glyphs: they stop at the int range.
int Saturated(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX));
}

}  // namespace

WFONT::WFONT(WRENDER& device, const char* description, int flag) : device_(device) {
    pugi::xml_document document;
    ParseXmlFile(document, description ? description : "");
    const pugi::xml_node root = document.document_element();
    // Some exporters write a negative size to mean "match the character height".
    size_ = std::abs(Metric(FirstElement(root), "size"));
    spacing = size_ / 4;
    const std::string page_file = FirstElement(root.child("pages")).attribute("file").value();

    page_.texture = LoadNamedTexture(device_, page_file.c_str(), flag != 0);
    page_.blend = kPageBlend;
    page_.depth = kPageLayer;
    // The size of the image just read, as the page's loader reports it.
    const int page_width = device_.GetImageWidth();
    const int page_height = device_.GetImageHeight();

    const pugi::xml_node chars = root.child("chars");
    for (pugi::xml_node record = FirstElement(chars); record;
         record = record.next_sibling("char")) {
        WFONT_CHAR glyph;
        glyph.id = record.attribute("id").as_int();
        const int x = Metric(record, "x");
        const int y = Metric(record, "y");
        glyph.width = Metric(record, "width");
        glyph.height = Metric(record, "height");
        glyph.xoffset = Metric(record, "xoffset");
        glyph.yoffset = Metric(record, "yoffset");
        glyph.left = Fraction(x, page_width);
        glyph.top = Fraction(y, page_height);
        glyph.right = Fraction(x + glyph.width, page_width);
        glyph.bottom = Fraction(y + glyph.height, page_height);
        glyphs_.emplace(glyph.id, glyph);
        ++glyph_count_;
    }
}

WFONT::~WFONT() {
    device_.ReleaseTexture(page_.texture);
}

const WFONT_CHAR* WFONT::Glyph(int code) const {
    const auto found = glyphs_.find(code);
    return found == glyphs_.end() ? nullptr : &found->second;
}

int WFONT::DrawChar(int code, int x, int y) {
    const WFONT_CHAR* glyph = Glyph(code);
    if (!glyph) {
        return 0;
    }
    const float w = static_cast<float>(glyph->width);
    const float h = static_cast<float>(glyph->height);
    page_.corners[0] = {0.0f, 0.0f, glyph->left, glyph->top};
    page_.corners[1] = {0.0f, h, glyph->left, glyph->bottom};
    page_.corners[2] = {w, h, glyph->right, glyph->bottom};
    page_.corners[3] = {w, 0.0f, glyph->right, glyph->top};
    device_.DrawQuad(page_, static_cast<float>(x), static_cast<float>(y + glyph->yoffset), scale_,
                     scale_, 0.0f, 0, 0);
    return glyph->width;
}

void WFONT::DrawText(int x, int y, const char* text) {
    DrawWide(x, y, pugi::as_wide(text ? text : "").c_str());
}

void WFONT::DrawWide(int x, int y, const wchar_t* text) {
    if (!text) {
        align = 1;
        return;
    }
    const float sx = scale_;
    const float sy = scale_;
    const float line_height = static_cast<float>(size_);
    const int first_line = LineWidth(text);
    // Offsets come from the first line alone; later lines start at the same x.
    int dx = 0;
    int dy = 0;
    switch (align) {
        case 0:
            dy = static_cast<int>(sy * line_height * 0.5f);
            dx = static_cast<int>(sx * static_cast<float>(first_line / 2));
            break;
        case 2:
            dy = static_cast<int>(sy);
            dx = first_line;
            break;
        case 4:
            dy = static_cast<int>(sy * line_height);
            dx = first_line;
            break;
        case 7:
            dy = static_cast<int>(sy * line_height * 0.5f);
            break;
        case 8:
            dy = static_cast<int>(sy * line_height * 0.5f);
            dx = first_line;
            break;
        default:
            break;
    }
    int line = 0;
    int column = 0;
    for (const wchar_t* c = text; *c; ++c) {
        if (*c == L'\n') {
            ++line;
            column = 0;
            continue;
        }
        const int draw_x = static_cast<int>(sx * static_cast<float>(column) +
                                            static_cast<float>(Saturated(int64_t{x} - dx)));
        const int draw_y = static_cast<int>(sy * (line_height * static_cast<float>(line)) +
                                            static_cast<float>(Saturated(int64_t{y} - dy)));
        column =
            Saturated(int64_t{column} + spacing + DrawChar(static_cast<int>(*c), draw_x, draw_y));
    }
    align = 1;
}

void WFONT::Printf(int x, int y, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(narrow_buffer_, sizeof(narrow_buffer_), format, arguments);
    va_end(arguments);
    DrawText(x, y, narrow_buffer_);
}

void WFONT::PrintfWide(int x, int y, const wchar_t* format, ...) {
    wide_buffer_[0] = L'\0';
    va_list arguments;
    va_start(arguments, format);
    std::vswprintf(wide_buffer_, kWideBufferSize, format, arguments);
    va_end(arguments);
    wide_buffer_[kWideBufferSize - 1] = L'\0';
    DrawWide(x, y, wide_buffer_);
}

int WFONT::TextWidth(const char* text) const {
    return LineWidth(pugi::as_wide(text ? text : "").c_str());
}

int WFONT::LineWidth(const wchar_t* text) const {
    int64_t width = 0;
    for (const wchar_t* c = text; c && *c && *c != L'\n'; ++c) {
        width += GlyphWidth(static_cast<int>(*c)) + spacing;
    }
    return Saturated(width);
}

int WFONT::TextHeight(const char* text) const {
    int64_t lines = 1;
    for (const char* c = text; c && *c; ++c) {
        lines += *c == '\n' ? 1 : 0;
    }
    return Saturated(size_ * lines);
}

int WFONT::GlyphWidth(int code) const {
    const WFONT_CHAR* glyph = Glyph(code);
    return glyph ? glyph->width : 0;
}

void WFONT::SetColour(uint32_t argb) {
    page_.colour = argb;
}

uint32_t WFONT::GetColour() const {
    return page_.colour;
}

void WFONT::SetScale(float scale) {
    scale_ = scale;
}

float WFONT::GetScale() const {
    return scale_;
}
