// FRAME_LABEL: plate sizes and drawing; see frame_label.h.
#include "game/shell/frame_label.h"

#include <cstdio>

#include "engine/resources/config.h"
#include "engine/text/font.h"
#include "engine/ui/shared_items.h"
#include "engine/ui/sprite.h"

namespace {

constexpr int kMainFont = 1;  // g_fonts entry of the registry's "font"
// The widest count a plate is made for.
constexpr const char* kWidestCount = "999";
constexpr int kFontAlignMiddleRight = 8;
constexpr int kTextInset = 5;  // pixels between a plate's right edge (or the icon) and its text

WFONT* MainFont() {
    return g_fonts[kMainFont];
}

int TextWidth(const char* text) {
    const WFONT* font = MainFont();
    return font ? font->TextWidth(text) : 0;
}

// A shared sprite stretched to w x h with the given anchor corner at (x, y).
void DrawStretched(WSPRITE* sprite, int w, int h, int anchor, float x, float y) {
    if (sprite == nullptr) {
        return;
    }
    sprite->SetSize(w, h);
    sprite->SetAnchor(anchor);
    sprite->DrawAt(x, y);
}

}  // namespace

FRAME_LABEL::FRAME_LABEL(int piece_count, int percent, bool rotation)
    : piece_count_(piece_count), rotation_(rotation) {
    const WFONT* font = MainFont();
    plate_height_ = (font ? font->TextHeight(kWidestCount) : 0) + 8;
    count_plate_width_ = TextWidth(kWidestCount) + 25;
    SetPercent(percent);
}

void FRAME_LABEL::SetPercent(int percent) {
    percent_ = percent;
    if (percent < 0) {
        percent_plate_width_ = 0;
        return;
    }
    char text[16];
    std::snprintf(text, sizeof(text), "%i %%", percent);
    percent_plate_width_ = TextWidth(text) + 10;
}

void FRAME_LABEL::Draw(float x, float y, float w, float h) const {
    const float right = x + w / 2.0f + 10.0f;
    const float bottom = y + h / 2.0f + 48.0f;
    const float p = static_cast<float>(plate_height_);
    DrawStretched(g_shared_sprites.darkening, count_plate_width_, plate_height_,
                  WSPRITE::kAnchorBottomRight, right, bottom);
    DrawStretched(rotation_ ? g_shared_sprites.rot_yes : g_shared_sprites.rot_no, plate_height_,
                  plate_height_, WSPRITE::kAnchorBottomRight, right, bottom);
    WFONT* font = MainFont();
    if (font != nullptr) {
        font->SetColour(static_cast<uint32_t>(g_config.font_main_color));
        font->align = kFontAlignMiddleRight;
        font->Printf(static_cast<int>(right - p) - kTextInset, static_cast<int>(bottom - p / 2.0f),
                     "%i", piece_count_);
    }
    if (percent_ < 0) {
        return;
    }
    const float top = y - h / 2.0f;
    DrawStretched(g_shared_sprites.darkening, percent_plate_width_, plate_height_,
                  WSPRITE::kAnchorTopRight, right, top);
    if (font != nullptr) {
        font->align = kFontAlignMiddleRight;
        font->Printf(static_cast<int>(right) - kTextInset, static_cast<int>(top + p / 2.0f),
                     "%i %%", percent_);
    }
}
