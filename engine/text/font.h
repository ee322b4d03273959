// WFONT: a bitmap font (BMFont XML description and one page image) that draws text glyph by glyph.
#pragma once

#include <cstdint>
#include <map>

#include "engine/render/render_device.h"

// One glyph: its rectangle on the page as fractions of the page size, and its size in pixels.
struct WFONT_CHAR {
    int id = 0;  // character code
    float left = 0.0f;
    float top = 0.0f;
    float right = 0.0f;
    float bottom = 0.0f;
    int width = 0;
    int height = 0;
    int xoffset = 0;  // read, not applied when drawing
    int yoffset = 0;
};

class WFONT {
  public:
    // description: the .fnt file, read from the working folder; its page image is loaded through
    // the current pack (flag set: with no pack selected, the page name is used unchanged as a
    // path). The font draws through device.
    WFONT(WRENDER& device, const char* description, int flag = 0);
    ~WFONT();
    WFONT(const WFONT&) = delete;
    WFONT& operator=(const WFONT&) = delete;

    // UTF-8 text; line feeds start new lines. Positions are logical pixels.
    void DrawText(int x, int y, const char* text);
    void DrawWide(int x, int y, const wchar_t* text);
    // printf-style; the result is cut to its first 595 bytes.
    void Printf(int x, int y, const char* format, ...) __attribute__((format(printf, 4, 5)));
    // wprintf-style; a result longer than 764 characters is cut.
    void PrintfWide(int x, int y, const wchar_t* format, ...);
    // Draws one glyph with its top-left at x, y + yoffset; returns its width, 0 when missing.
    int DrawChar(int code, int x, int y);

    // Unscaled pixels of the first line: every character's glyph width (0 when missing) plus
    // the spacing.
    int TextWidth(const char* text) const;
    int LineWidth(const wchar_t* text) const;
    // size for every line of the text.
    int TextHeight(const char* text) const;
    int GlyphWidth(int code) const;

    void SetColour(uint32_t argb);
    uint32_t GetColour() const;
    void SetScale(float scale);
    float GetScale() const;

    int Size() const { return size_; }
    int GlyphCount() const { return glyph_count_; }
    const WFONT_CHAR* Glyph(int code) const;
    // The page image every glyph is drawn from (owned by the font).
    const WTEXTURE* PageTexture() const { return page_.texture; }

    // Alignment of the next draw (0 centre, 1 top-left, 2 top-right, 4 bottom-right,
    // 7 middle-left, 8 middle-right); every draw sets it back to 1.
    int align = 1;
    // Pixels added after every character, before scaling.
    int spacing = 0;

    static constexpr int kNarrowBufferSize = 596;
    static constexpr int kWideBufferSize = 765;

  private:
    WRENDER& device_;
    int size_ = 0;  // nominal size, also the line height
    int glyph_count_ = 0;
    WQUAD page_;  // the page texture (owned), retargeted to each glyph as it is drawn
    float scale_ = 1.0f;
    std::map<int, WFONT_CHAR> glyphs_;
    char narrow_buffer_[kNarrowBufferSize] = {};
    wchar_t wide_buffer_[kWideBufferSize] = {};
};
