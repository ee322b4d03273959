// Buttons: hit tests, the four-frame click latch, action buttons with hints, check boxes.
#include "engine/ui/buttons.h"

#include <cmath>

#include "engine/audio/sound.h"
#include "engine/frame/game.h"
#include "engine/frame/input.h"
#include "engine/text/font.h"

namespace {

WINPUT* AppInput() {
    return WUN::ST_GAME::GetInstance()->GetInput();
}

constexpr float kFrameU = 0.25f;      // one frame of a four-frame strip
constexpr int kHintShadowOffset = 3;  // pixels down and right of the hint box

}  // namespace

// --- WBUTTON

WBUTTON::WBUTTON(const char* name) : WSPRITE(name), input_(AppInput()) {
    hit_width_ = static_cast<int>(QuadWidth());
    hit_height_ = static_cast<int>(QuadHeight());
}

WBUTTON::WBUTTON(WTEXTURE* texture) : WSPRITE(texture), input_(AppInput()) {
    hit_width_ = device->GetTextureWidth(texture);
    hit_height_ = device->GetTextureHeight(texture);
}

bool WBUTTON::IsOver() const {
    const int left = static_cast<int>(pos.x - scale.x * static_cast<float>(hit_width_ / 2));
    const int top = static_cast<int>(pos.y - scale.y * static_cast<float>(hit_height_ / 2));
    const int width = static_cast<int>(scale.x * static_cast<float>(hit_width_));
    const int height = static_cast<int>(scale.y * static_cast<float>(hit_height_));
    return input_->InRect(left, top, width, height);
}

int WBUTTON::Update(int, float) {
    if (!IsOver()) {
        return kNone;
    }
    if (input_->IsDoubleClick()) {
        return kDoubleClick;
    }
    if (input_->GetLeft() == 1) {
        return kLeft;
    }
    if (input_->GetRight() == 1) {
        return kRight;
    }
    return kNone;
}

float WBUTTON::DistanceTo(int x, int y) const {
    return std::hypot(static_cast<float>(x) - pos.x, static_cast<float>(y) - pos.y);
}

float WBUTTON::DistanceRatio(int x, int y) const {
    return DistanceTo(x, y) / static_cast<float>(hit_height_);
}

void WBUTTON::Move(float dx, float dy) {
    pos.x += dx;
    pos.y += dy;
}

void WBUTTON::SetButtonSize(int width, int height) {
    hit_width_ = width;
    hit_height_ = height;
    SetSize(width, height);
}

// --- WBUTTONMAP4

WBUTTONMAP4::WBUTTONMAP4(const char* name) : WSPRITE(name), input_(AppInput()) {
    scale = {kFrameU, 1.0f};
    hit_width_ = GetWidth() / 4;
    hit_height_ = GetHeight();
    ShowFrame(kNormal);
}

void WBUTTONMAP4::SetScale(float sx, float sy) {
    scale = {sx * kFrameU, sy};
}

void WBUTTONMAP4::SetEnabled(bool enabled) {
    enabled_ = enabled;
    state_ = enabled ? kNormal : kDisabled;
    ShowFrame(state_);
}

bool WBUTTONMAP4::IsHeldDown() const {
    // Update clears the latch once the pointer is outside.
    return pressed_latch_ && input_->GetLeft() > 0;
}

void WBUTTONMAP4::ShowFrame(int state) {
    const float left = static_cast<float>(state) * kFrameU;
    SetUV(left, 0.0f, left + kFrameU, 1.0f);
}

int WBUTTONMAP4::Update(int, float) {
    // The hit rectangle is the unscaled frame, centred on the position.
    const int left = static_cast<int>(pos.x - static_cast<float>(hit_width_ / 2));
    const int top = static_cast<int>(pos.y - static_cast<float>(hit_height_ / 2));
    const bool inside = input_->InRect(left, top, hit_width_, hit_height_);
    const int button = input_->GetLeft();
    if (inside && pressed_latch_ && button == -1) {
        // The click completes; state and frame stay as the press left them.
        return 1;
    }
    state_ = kNormal;
    if (!inside) {
        pressed_latch_ = false;
    } else {
        state_ = kHover;
        if (button == 1) {
            state_ = kPressed;
            pressed_latch_ = true;
        } else if (pressed_latch_ && button != 0) {
            state_ = kPressed;
        } else {
            pressed_latch_ = false;
        }
    }
    if (!enabled_) {
        state_ = kDisabled;
    }
    ShowFrame(state_);
    return 0;
}

// --- BUTTONACT

BUTTONACT::BUTTONACT(const char* name, Action action) : WBUTTONMAP4(name), action_(action) {
    SetEnabled(true);
}

BUTTONACT::BUTTONACT(const char* name, ActionWithArgument action, void* argument)
    : WBUTTONMAP4(name), action_with_argument_(action), argument_(argument) {
    SetEnabled(true);
}

BUTTONACT::BUTTONACT(const char* name, ActionWithArgument action, int tag_value)
    : WBUTTONMAP4(name), tag(tag_value), action_with_argument_(action), argument_(this) {
    SetEnabled(true);
}

void BUTTONACT::UpdateHint() {
    if (hint_text.empty() || hint_font == nullptr) {
        return;
    }
    // The state is still last frame's: the hint waits one frame of hovering.
    if (state_ == kHover) {
        hint_timer_ += WUN::ST_GAME::GetInstance()->GetFrameTime();
        if (hint_timer_ > 0.0f) {
            hint_shown_ = true;
            hint_timer_ = 0.0f;
        }
    } else {
        hint_shown_ = false;
    }
}

int BUTTONACT::Update(int flag, float step) {
    UpdateHint();
    const int clicked = WBUTTONMAP4::Update(flag, step);
    if (state_ == kHover) {
        if (!hover_latch_) {
            SoundPlay(hover_sound_);
            hover_latch_ = true;
        }
    } else {
        hover_latch_ = false;
    }
    if (clicked != 1) {
        return 0;
    }
    if (action_ != nullptr) {
        action_();
    }
    if (action_with_argument_ != nullptr) {
        action_with_argument_(argument_);
    }
    return 1;
}

void BUTTONACT::DrawHint() {
    if (!hint_shown_ || hint_font == nullptr) {
        return;
    }
    const int text_width = hint_font->TextWidth(hint_text.c_str());
    const float line = static_cast<float>(hint_font->Size());
    const float half_width = static_cast<float>(text_width / 2);
    // The button's top edge, which the hint box is centred on.
    const float edge = pos.y - static_cast<float>(hit_height_) * scale.y / 2.0f;
    const int left = static_cast<int>(pos.x - half_width) - 5;
    const int top = static_cast<int>(edge - line * 1.4f / 2.0f);
    const int right = static_cast<int>(half_width + pos.x + 8.0f) + 5;
    const int bottom = static_cast<int>(line * 1.8f / 2.0f + edge);
    if (hint_shadow != 0) {
        device->DrawRect(left + kHintShadowOffset, top + kHintShadowOffset,
                         right + kHintShadowOffset, bottom + kHintShadowOffset, hint_shadow,
                         hint_shadow);
    }
    device->DrawRect(left, top, right, bottom, hint_border, hint_fill);
    hint_font->align = 0;
    hint_font->DrawText(static_cast<int>(pos.x), static_cast<int>(edge), hint_text.c_str());
}

// --- WBUTTONCHK

WBUTTONCHK::WBUTTONCHK(const char* name) : WSPRITE(name), input_(AppInput()) {
    hit_radius_ = GetHeight() / 2;
    scale = {0.5f, 1.0f};
}

int WBUTTONCHK::Update(int, float) {
    if (input_->InCircle(pos.x, pos.y, static_cast<float>(hit_radius_)) && input_->GetLeft() == 1) {
        ticked_ = 1 - ticked_;
        return 1;
    }
    return 0;
}

int WBUTTONCHK::Draw(int flag) {
    if (box_under_mark || ticked_ == 0) {
        SetUV(0.0f, 0.0f, 0.5f, 1.0f);
        WSPRITE::Draw(flag);
    }
    if (ticked_ != 0) {
        SetUV(0.5f, 0.0f, 1.0f, 1.0f);
        WSPRITE::Draw(flag);
    }
    return 0;
}
