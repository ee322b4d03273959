// GAME::FLUING_FRAME: zoom, clamping, the button row and the drag.
#include "game/board/fluing_frame.h"

#include <algorithm>

#include "engine/frame/game.h"
#include "engine/resources/registry.h"
#include "engine/ui/buttons.h"

namespace GAME {
namespace {

constexpr float kZoomStep = 0.3f;      // of the picture's size per zoom step
constexpr float kRightMargin = 20.0f;  // kept clear at the screen's right edge
constexpr int kClose = 3;              // index of the close button

}  // namespace

FLUING_FRAME::FLUING_FRAME(int picture_w, int picture_h)
    : picture_w_(picture_w), picture_h_(picture_h) {
    const char* names[4] = {g_resources.fly_frame.x1, g_resources.fly_frame.x2,
                            g_resources.fly_frame.x3, g_resources.fly_frame.close};
    for (int i = 0; i < 4; ++i) {
        buttons_[i] = std::make_unique<WBUTTONMAP4>(names[i]);
    }
    SetZoom(1);
}

FLUING_FRAME::~FLUING_FRAME() = default;

void FLUING_FRAME::SetZoom(int zoom) {
    zoom = std::clamp(zoom, 1, 3);
    zoom_factor_ = static_cast<float>(zoom) * kZoomStep;
    frame_w_ = static_cast<int>(zoom_factor_ * static_cast<float>(picture_w_));
    frame_h_ = static_cast<int>(zoom_factor_ * static_cast<float>(picture_h_));
    for (int i = 0; i < 3; ++i) {
        buttons_[i]->SetEnabled(i + 1 != zoom);
    }
    SetPosition(pos.x, pos.y);
}

void FLUING_FRAME::SetPosition(float x, float y) {
    const WUN::ST_GAME& frame = *WUN::ST_GAME::GetInstance();
    const float max_x = static_cast<float>(frame.GetGameWidth() - frame_w_) - kRightMargin;
    const float max_y = static_cast<float>(frame.GetGameHeight() - frame_h_);
    // A frame wider than the screen still starts at its left edge.
    pos.x = std::max(std::min(x, max_x), 0.0f);
    pos.y = std::max(std::min(y, max_y), 0.0f);
    LayOutButtons();
}

void FLUING_FRAME::MoveBy(float dx, float dy) {
    SetPosition(pos.x + dx, pos.y + dy);
}

void FLUING_FRAME::LayOutButtons() {
    // Widths and heights of the whole strips: a frame of one is a quarter of the width.
    for (int i = 0; i < 3; ++i) {
        const WBUTTONMAP4& b = *buttons_[i];
        const float x = pos.x + b.GetWidth() / 8 + i * (b.GetWidth() / 4);
        buttons_[i]->pos = {x, pos.y + b.GetHeight() / 2};
    }
    buttons_[kClose]->pos = {pos.x + static_cast<float>(frame_w_), pos.y};
}

int FLUING_FRAME::Update(int, float) {
    for (int i = 0; i < 3; ++i) {
        if (buttons_[i]->Update(0, 0.0f) == 1) {
            return kZoom1 + i;
        }
    }
    WBUTTONMAP4& close = *buttons_[kClose];
    if (close.Update(0, 0.0f) == 1) {
        return kClosed;
    }
    if (close.GetState() != WBUTTONMAP4::kNormal) {
        return kOnFrame;
    }
    const WINPUT& input = *WUN::ST_GAME::GetInstance()->GetInput();
    if (!input.InRect(pos.x, pos.y, static_cast<float>(frame_w_), static_cast<float>(frame_h_))) {
        dragging_ = false;
        return kElsewhere;
    }
    const bool pressed = input.GetLeft() == 1 || input.GetRight() == 1;
    const bool held = input.GetLeft() > 0 || input.GetRight() > 0;
    if ((pressed && !dragging_) || (held && dragging_)) {
        dragging_ = true;
        return kDragging;
    }
    dragging_ = false;
    return kOnFrame;
}

int FLUING_FRAME::Draw(int) {
    for (const auto& button : buttons_) {
        button->Draw(0);
    }
    return 0;
}

}  // namespace GAME
