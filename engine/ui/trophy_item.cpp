// TROFEI: hover detection, the hint fade and the two hint placements.
#include "engine/ui/trophy_item.h"

#include <algorithm>

#include "engine/frame/game.h"
#include "engine/frame/input.h"
#include "engine/resources/config.h"
#include "engine/text/font.h"

namespace {
constexpr float kFadeTime = 0.3f;       // seconds to full strength
constexpr float kBoxFullAlpha = 0.5f;   // the box at full strength is half transparent
constexpr int kCentreHintOffset = 180;  // pixels below the screen centre
}  // namespace

TROFEI::TROFEI(const char* image, int placement)
    : WSPRITE(image),
      back_(ToColour4(0x88000000)),
      border_(ToColour4(0xFFFFCC00)),
      text_(ToColour4(static_cast<uint32_t>(g_config.font_main_color))),
      placement_(placement) {}

void TROFEI::UpdateHover() {
    WUN::ST_GAME* game = WUN::ST_GAME::GetInstance();
    hover_timer_ = std::min(hover_timer_ + game->GetFrameTime(), kFadeTime);
    if (!hint_text.empty() && hint_font != nullptr) {
        const float w = QuadWidth();
        const float h = QuadHeight();
        if (game->GetInput()->InRect(static_cast<int>(pos.x - w / 2.0f),
                                     static_cast<int>(pos.y - h / 2.0f), static_cast<int>(w),
                                     static_cast<int>(h))) {
            hovered_ = true;
        } else {
            hovered_ = false;
            hover_timer_ = 0.0f;
        }
    }
    const float strength = hover_timer_ / kFadeTime;
    back_.a = strength * kBoxFullAlpha;
    border_.a = strength * kBoxFullAlpha;
    text_.a = strength;
}

void TROFEI::DrawHint() {
    if (!hovered_ || hint_font == nullptr) {
        return;
    }
    const int w = hint_font->TextWidth(hint_text.c_str());
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int text_x = 0;
    int text_y = 0;
    if (placement_ == kUnderScreenCentre) {
        const WINT_POINT centre = WUN::ST_GAME::GetInstance()->Centre;
        const int h = hint_font->TextHeight(hint_text.c_str());
        left = centre.x - w / 2 - 5;
        top = centre.y + kCentreHintOffset;
        right = centre.x + w / 2 + 5;
        bottom = centre.y + kCentreHintOffset + h;
        text_x = centre.x;
        text_y = centre.y + kCentreHintOffset + 10;
    } else {
        const float q = QuadHeight() * scale.y;
        const float f = static_cast<float>(hint_font->Size()) * 1.2f;
        left = static_cast<int>(pos.x - static_cast<float>(w / 2));
        top = static_cast<int>(q / 2.0f + pos.y - f / 2.0f);
        right = static_cast<int>(static_cast<float>(w / 2) + pos.x + 8.0f);
        bottom = static_cast<int>(f / 2.0f + q / 2.0f + pos.y);
        text_x = static_cast<int>(pos.x);
        text_y = static_cast<int>(q / 2.0f + pos.y);
    }
    device->DrawRect(static_cast<float>(left - 5), static_cast<float>(top),
                     static_cast<float>(right + 5), static_cast<float>(bottom), ToArgb(border_),
                     ToArgb(back_));
    hint_font->align = 0;
    const uint32_t colour = hint_font->GetColour();
    hint_font->SetColour(ToArgb(text_));
    hint_font->DrawText(text_x, text_y, hint_text.c_str());
    hint_font->SetColour(colour);
}
