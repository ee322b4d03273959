// Sliders: dragging the knob, stepping by one unit, and drawing the four parts of the strip.
#include "engine/ui/sliders.h"

#include <algorithm>

#include "engine/frame/game.h"
#include "engine/frame/input.h"

namespace WUN {

namespace {
constexpr float kQuarterTurn = 1.5707964f;  // radians
constexpr float kPartU = 0.25f;             // one part of the four-part strip
}  // namespace

WSLIDER_TRACK::WSLIDER_TRACK(const char* name, bool vertical, const char* minus_name,
                             const char* plus_name)
    : WSPRITE(name), vertical_(vertical), input_(WUN::ST_GAME::GetInstance()->GetInput()) {
    image_w_ = static_cast<float>(device->GetTextureWidth(quad.texture));
    image_h_ = static_cast<float>(device->GetTextureHeight(quad.texture));
    length_ = image_w_ / 4.0f + 100.0f;
    value_ = min_;
    knob_along_ = start_along_ + image_w_ / 8.0f + percent_;
    if (vertical_) {
        knob_along_ += image_w_ / 2.0f;
    }
    knob_across_ = start_across_;
    knob_radius_ = image_h_ / 2.0f;
    if (minus_name != nullptr && plus_name != nullptr) {
        minus_ = new WBUTTONMAP4(minus_name);
        plus_ = new WBUTTONMAP4(plus_name);
        PlaceButtons();
    }
}

WSLIDER_TRACK::~WSLIDER_TRACK() {
    delete minus_;
    delete plus_;
}

float WSLIDER_TRACK::MouseAlong() const {
    int x = 0;
    int y = 0;
    input_->GetPosition(x, y);
    return static_cast<float>(vertical_ ? y : x);
}

bool WSLIDER_TRACK::MouseNear(float along, float across, float radius) const {
    return vertical_ ? input_->InCircle(across, along, radius)
                     : input_->InCircle(along, across, radius);
}

float WSLIDER_TRACK::PercentOfValue() const {
    // An empty range has nowhere to put the knob but its start.
    if (max_ == min_) {
        return 0.0f;
    }
    return (value_ - min_) * (100.0f / (max_ - min_));
}

float WSLIDER_TRACK::KnobOnTrack() const {
    return ((length_ - image_w_ / 4.0f) / 100.0f) * percent_ + image_w_ / 8.0f + start_along_;
}

void WSLIDER_TRACK::FollowValue() {
    percent_ = PercentOfValue();
    knob_along_ = KnobOnTrack();
}

int WSLIDER_TRACK::Drag() {
    const int button = input_->GetLeft();
    if (button == 1 && MouseNear(knob_along_, knob_across_, knob_radius_)) {
        dragging_ = true;
    }
    // Held, or released in this very frame: the knob follows the mouse one last time.
    if (!dragging_ || button == 0) {
        dragging_ = false;
        return -1;
    }
    previous_percent_ = percent_;
    const float first = start_along_ + image_w_ / 8.0f;
    const float last = start_along_ + length_ - image_w_ / 8.0f;
    knob_along_ = std::max(first, std::min(MouseAlong(), last));
    const float span = (length_ - image_w_ / 4.0f) / 100.0f;
    percent_ = span > 0.0f ? (knob_along_ - first) / span : 0.0f;
    value_ = std::min(min_ + percent_ * ((max_ - min_) / 100.0f), max_);
    return percent_ != previous_percent_ ? 1 : 0;
}

int WSLIDER_TRACK::StepDown() {
    if (value_ <= min_) {
        return 0;
    }
    // A value left between units by a drag stops at the bound instead of passing it.
    value_ = std::max(value_ - 1.0f, min_);
    FollowValue();
    knob_along_ = std::max(knob_along_, start_along_ + image_w_ / 8.0f);
    return 1;
}

int WSLIDER_TRACK::StepUp() {
    if (value_ >= max_) {
        return 0;
    }
    value_ = std::min(value_ + 1.0f, max_);
    FollowValue();
    knob_along_ = std::min(knob_along_, start_along_ + length_ - image_w_ / 8.0f);
    return 1;
}

int WSLIDER_TRACK::Update(int, float) {
    const int dragged = Drag();
    if (dragged >= 0) {
        return dragged;
    }
    if (minus_ != nullptr) {
        // The plus button is only asked when the minus button reported nothing.
        if (minus_->Update(0, 0.0f) == 1) {
            return StepDown();
        }
        if (plus_->Update(0, 0.0f) == 1) {
            return StepUp();
        }
        return 0;
    }
    if (input_->GetLeft() != 1) {
        return 0;
    }
    const float cap_radius = image_h_ / 2.0f;
    if (MouseNear(start_along_, start_across_, cap_radius)) {
        return StepDown();
    }
    if (MouseNear(start_along_ + length_, start_across_, cap_radius)) {
        return StepUp();
    }
    return 0;
}

void WSLIDER_TRACK::DrawPart(float u, float along, float across, int size_along) {
    SetSize(size_along, static_cast<int>(image_h_));
    SetUV(u, 0.0f, u + kPartU, 1.0f);
    const float a = static_cast<float>(static_cast<int>(along));
    const float c = static_cast<float>(static_cast<int>(across));
    if (vertical_) {
        device->DrawQuad(quad, c, a, 1.0f, 1.0f, kQuarterTurn, cx_, cy_);
    } else {
        device->DrawQuad(quad, a, c, scale.x, scale.y, rotation, cx_, cy_);
    }
}

int WSLIDER_TRACK::Draw(int) {
    // The sprite's centre is the middle of the whole strip, hence the W / 2 in every place.
    const float w = image_w_;
    const int cap = static_cast<int>(w / 4.0f);
    DrawPart(0.0f, w / 2.0f + start_along_ - w / 8.0f, start_across_, cap);
    DrawPart(kPartU, w / 4.0f + w / 2.0f + start_along_ - w / 8.0f, start_across_,
             static_cast<int>(length_ - 2.0f * w / 8.0f));
    DrawPart(2.0f * kPartU, w / 2.0f + start_along_ + length_ - w / 8.0f, start_across_, cap);
    DrawPart(3.0f * kPartU, w / 2.0f + knob_along_ - w / 8.0f, knob_across_, cap);
    if (minus_ == nullptr) {
        return 0;
    }
    minus_->Draw(0);
    plus_->Draw(0);
    return 1;
}

void WSLIDER_TRACK::PlaceButtons() {
    if (minus_ == nullptr) {
        return;
    }
    const int across = static_cast<int>(start_across_);
    const int minus_along = static_cast<int>(start_along_ - minus_->GetHitWidth() / 8);
    const int plus_along = static_cast<int>(plus_->GetHitWidth() / 4 + length_ + start_along_);
    if (vertical_) {
        minus_->SetPosition(across, minus_along);
        plus_->SetPosition(across, plus_along);
    } else {
        minus_->SetPosition(minus_along, across);
        plus_->SetPosition(plus_along, across);
    }
}

void WSLIDER_TRACK::SetTrackPosition(float x, float y) {
    start_along_ = vertical_ ? y : x;
    start_across_ = vertical_ ? x : y;
    knob_along_ = KnobOnTrack();
    knob_across_ = start_across_;
    PlaceButtons();
}

void WSLIDER_TRACK::SetLength(float length) {
    length_ = length;
    PlaceButtons();
}

void WSLIDER_TRACK::SetRange(int min, int max) {
    min_ = static_cast<float>(min);
    max_ = static_cast<float>(max);
    value_ = min_;
}

int WSLIDER_TRACK::SetMin(int min) {
    min_ = static_cast<float>(min);
    value_ = min_;
    return 1;
}

int WSLIDER_TRACK::SetMax(int max) {
    max_ = static_cast<float>(max);
    return 1;
}

void WSLIDER_TRACK::SetPercent(int percent) {
    percent_ = static_cast<float>(percent);
    value_ = min_ + percent_ * ((max_ - min_) / 100.0f);
    knob_along_ = KnobOnTrack() - image_w_ / 4.0f;
}

void WSLIDER_TRACK::SetValue(int value) {
    value_ = static_cast<float>(value);
    FollowValue();
}

}  // namespace WUN

int WVSLIDER_E::Update(int flag, float step) {
    const int changed = WVSLIDER::Update(flag, step);
    if (IsDragging()) {
        GetMinusButton()->ShowFrame(WBUTTONMAP4::kNormal);
        GetPlusButton()->ShowFrame(WBUTTONMAP4::kNormal);
    }
    return changed;
}

int WVSLIDER_E::Draw(int flag) {
    if (GetMax() <= 0.0f) {
        return 0;
    }
    return WVSLIDER::Draw(flag);
}
