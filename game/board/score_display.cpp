// SCORE_DISPLAY: the score at the top of the board, rolling up to its target in two seconds.
#include "game/board/score_display.h"

#include <cstring>

#include "engine/text/font.h"

namespace GAME {

void SCORE_DISPLAY::SetTarget(int value) {
    if (value > 0) {
        speed = (value - shown) / 2.0f;
    }
    target = value;
}

void SCORE_DISPLAY::Update(float dt) {
    if (shown >= target) {
        shown = static_cast<float>(target);
        return;
    }
    shown += speed * dt;
    if (shown > target) {
        shown = static_cast<float>(target);
    }
}

void SCORE_DISPLAY::Reset() {
    shown = 0.0f;
    target = 0;
    speed = 0.0f;
}

void SCORE_DISPLAY::Draw(WFONT* font, const char* format, int x, int y) const {
    if (font == nullptr) {
        return;
    }
    const std::string text = FormatScore(format, static_cast<int>(shown));
    font->align = 0;
    font->DrawText(x, y, text.c_str());
}

std::string FormatScore(const char* format, int value) {
    std::string out;
    bool substituted = false;
    for (const char* p = format ? format : ""; *p != '\0'; ++p) {
        if (p[0] == '%' && p[1] == '%') {
            out += '%';
            ++p;
        } else if (!substituted && p[0] == '%' && (p[1] == 'd' || p[1] == 'i' || p[1] == 'u')) {
            out += std::to_string(value);
            substituted = true;
            ++p;
        } else {
            out += *p;
        }
    }
    return out;
}

}  // namespace GAME
