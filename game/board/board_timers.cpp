// The board's per-frame timers: held time, pulse, frame wave, finish sparkle, hint sparkle, the
// spin of the score bullets' head; the completion of the frame; and the effect items.
#include <algorithm>
#include <cmath>

#include "engine/frame/game.h"
#include "engine/ui/particles.h"
#include "engine/ui/sprite.h"
#include "game/board/pieces_system.h"

namespace GAME {
namespace {

constexpr float kPi = 3.14159265f;
constexpr float kFinishSparkleTime = 0.3f;  // seconds per sparkling piece
constexpr float kHeadSpin = 6.0f;           // radians a second of the score bullets' head

}  // namespace

void PUZZLE_PIECES_SYSTEM::UpdateTimers(float dt) {
    held_time = held_ != nullptr ? held_time + dt : 0.0f;

    if (pulse_group > 0) {
        pulse_angle += dt * kPi;
        if (pulse_angle > kPi) {
            pulse_angle = 0.0f;
            pulse_group = -1;
        }
    }
    if (wave_index >= 0) {
        wave_timer += dt;
        if (wave_timer > wave_step) {
            wave_timer = 0.0f;
            if (++wave_index >= static_cast<int>(ring_.size())) {
                wave_index = -2;
            }
        }
    }
    if (finish_index >= 0) {
        finish_timer += dt;
        if (finish_timer > kFinishSparkleTime) {
            finish_timer = 0.0f;
            if (finish_sparkles <= 0) {
                finish_index = -2;
            } else {
                --finish_sparkles;
                finish_index = static_cast<int>(
                    WUN::ST_GAME::GetInstance()->random.RandInt(0, cols * rows - 1, 0));
            }
        }
    }
    hint_sparkle_timer += dt;
    if (hint_sparkle_timer >= Min * 0.003f) {
        hint_sparkle_timer = 0.0f;
        if (hint_active) {
            for (PUZZLE_PIECE* p : grid_) {
                if (!IsHintPiece(*p))
                    continue;
                const float ox = p->BK == 1 ? pocket_->OffsetX() : 0.0f;
                const float oy = p->BK == 1 ? pocket_->OffsetY() : 0.0f;
                const int x = static_cast<int>(p->X() + ox);
                const int y = static_cast<int>(p->Y() + oy);
                sparkles_->SetCircle(x, y, static_cast<int>(0.35f * std::min(p->cellW, p->cellH)));
                sparkles_->EmitAt(1, x, y);
            }
        }
    }
    bullet_head_->rotation = std::fmod(bullet_head_->rotation + kHeadSpin * dt, 2.0f * kPi);
    if (counters.regBr < 2) {
        CompleteFrame();
    }
}

void PUZZLE_PIECES_SYSTEM::CompleteFrame() {
    if (grid_.empty()) {
        return;
    }
    WUN::ST_GAME& frame = *WUN::ST_GAME::GetInstance();
    picture->SetScale(1.0f, 1.0f);
    picture->SetPosition(frame.GetGameWidth() / 2, frame.GetGameHeight() / 2);
    PUZZLE_PIECE& corner = *grid_[0];
    const int group = corner.nstr;
    if (group != 0) {
        if (corner.trt > 0) {
            RotateGroup(group, corner.X(), corner.Y());
        }
        const int home_x =
            static_cast<int>(picture->pos.x - picture->GetWidth() / 2.0f + cellW / 2);
        const int home_y =
            static_cast<int>(picture->pos.y - picture->GetHeight() / 2.0f + cellH / 2);
        const float dx = home_x - corner.X();
        const float dy = home_y - corner.Y();
        for (PUZZLE_PIECE* p : stack_) {
            if (p->nstr == group)
                p->MoveBy(dx, dy);
        }
    }
    counters.regBr = 1;
}

void PUZZLE_PIECES_SYSTEM::UpdateEffects(float dt) {
    effects_.erase(std::remove_if(effects_.begin(), effects_.end(),
                                  [&](const std::unique_ptr<TIMED_EFFECT>& e) {
                                      return e->Advance(dt) == -1;
                                  }),
                   effects_.end());
}

void PUZZLE_PIECES_SYSTEM::DrawEffects() {
    for (const std::unique_ptr<TIMED_EFFECT>& effect : effects_) {
        effect->Draw();
    }
}

}  // namespace GAME
