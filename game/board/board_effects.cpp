// The board's short-lived effect items: the swelling score number and the bullet that carries
// a join's sparkle trail up to the score panel.
#include "game/board/board_effects.h"

#include <cmath>
#include <utility>

#include "engine/frame/game.h"
#include "engine/text/font.h"
#include "engine/ui/particles.h"
#include "engine/ui/sprite.h"

namespace GAME {

int64_t TIMED_EFFECT::Update() {
    return Advance(WUN::ST_GAME::GetInstance()->GetFrameTime());
}

PUZZLE_EXPENSE::PUZZLE_EXPENSE(WFONT* font, float x, float y, std::string text)
    : font_(font), text_(std::move(text)) {
    pos = {x, y};
}

int64_t PUZZLE_EXPENSE::Advance(float dt) {
    if (time <= 0.0f) {
        return -1;
    }
    time -= dt;
    angle += dt * 1.5707964f;
    return 0;
}

void PUZZLE_EXPENSE::Draw() {
    if (font_ == nullptr) {
        return;
    }
    WUN::ST_GAME::GetInstance()->GetRender()->SetFiltering(true);
    font_->SetScale((1.0f + 2.0f * std::sin(angle)) / kBakedScale);
    font_->align = 0;
    font_->DrawText(static_cast<int>(pos.x), static_cast<int>(pos.y), text_.c_str());
    font_->SetScale(1.0f);
}

PARTICLE_BULLET::PARTICLE_BULLET(WUN::PARTIC* trail, WSPRITE* head, float start_x, float start_y,
                                 float end_x, float end_y, int screen_width)
    : trail_(trail),
      head_(head),
      start_{start_x, start_y},
      end_{end_x, end_y},
      min_x_(-1000.0f),
      max_x_(screen_width + 1000.0f),
      min_y_(-1000.0f) {
    pos = start_;
}

int64_t PARTICLE_BULLET::Advance(float dt) {
    timer_ += dt;
    // Past the end point's height (within the generous side bounds): arrived.
    if (pos.x > min_x_ && pos.x < max_x_ && pos.y > min_y_ && pos.y < end_.y) {
        return -1;
    }
    pos.x += 2.0f * dt * (end_.x - start_.x);
    pos.y += 2.0f * dt * (end_.y - start_.y);
    if (timer_ > 0.01f) {
        if (trail_ != nullptr) {
            trail_->EmitAt(5, static_cast<int>(pos.x), static_cast<int>(pos.y));
        }
        timer_ = 0.0f;
    }
    return 0;
}

void PARTICLE_BULLET::Draw() {
    if (head_ != nullptr) {
        head_->DrawAt(pos.x, pos.y);
    }
}

}  // namespace GAME
