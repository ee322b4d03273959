// Drawing the pieces in layers: drop shadows, bodies, and the highlights of hover, hint, pulse,
// frame wave and finish sparkle; which of them rest.
#include <algorithm>
#include <cmath>

#include "engine/frame/game.h"
#include "game/board/pieces_system.h"

namespace GAME {
namespace {

constexpr int kBlendAlpha = 1;
constexpr int kBlendAdditive = 2;

uint32_t Argb(float a, float r, float g, float b) {
    auto channel = [](float v) {
        return static_cast<uint32_t>(std::clamp(v, 0.0f, 1.0f) * 255.0f);
    };
    return channel(a) << 24 | channel(r) << 16 | channel(g) << 8 | channel(b);
}

}  // namespace

void PUZZLE_PIECES_SYSTEM::DrawShadow(PUZZLE_PIECE& piece, float ox, float oy) {
    if (piece.appear != 1.0f || !piece.shadow) {
        return;
    }
    WSPRITE& shadow = *piece.shadow;
    const float offset = piece.lift * 10.0f + 2.0f;
    shadow.rotation = piece.sprite.rotation;
    shadow.scale = piece.sprite.scale;
    shadow.SetColour(Argb((1.0f - piece.lift) * 0.4f + 0.4f, 0.0f, 0.0f, 0.0f));
    shadow.DrawAt(piece.X() + ox + offset, piece.Y() + oy + offset);
}

void PUZZLE_PIECES_SYSTEM::DrawBody(PUZZLE_PIECE& piece, float ox, float oy, bool in_pocket) {
    // A piece the border filter has faded out would change no pixel.
    if (piece.appear <= 0.0f) {
        return;
    }
    const float tint = piece.selected ? 0.55f : 1.0f;
    piece.sprite.SetColour(Argb(piece.appear, tint, tint, 1.0f));
    piece.sprite.DrawAt(piece.X() + ox, piece.Y() + oy);
    piece.sprite.SetColour(0xFFFFFFFFu);
    if (piece.appear != 1.0f) {
        return;
    }
    if (piece.hint_blink) {
        const uint32_t now = WUN::ST_GAME::GetInstance()->timer.GetNow();
        DrawHighlight(piece, ox, oy, 1.0f - std::sin(0.005f * static_cast<float>(now)));
    } else if (piece.hover && (in_pocket || !piece.placed)) {
        DrawHighlight(piece, ox, oy, 0.2f);
    }
}

void PUZZLE_PIECES_SYSTEM::DrawHighlight(PUZZLE_PIECE& piece, float ox, float oy, float strength) {
    if (strength <= 0.0f) {
        return;
    }
    piece.sprite.SetBlend(kBlendAdditive);
    piece.sprite.SetColour(Argb(strength * 0.4f, 1.0f, 1.0f, 1.0f));
    piece.sprite.DrawAt(piece.X() + ox, piece.Y() + oy);
    piece.sprite.SetBlend(kBlendAlpha);
    piece.sprite.SetColour(0xFFFFFFFFu);
}

bool PUZZLE_PIECES_SYSTEM::InPulse(const PUZZLE_PIECE& piece) const {
    return pulse_group > 0 && piece.nstr == pulse_group;
}

bool PUZZLE_PIECES_SYSTEM::InWave(const PUZZLE_PIECE& piece) const {
    return wave_index >= 0 && wave_index < static_cast<int>(ring_.size()) &&
           ring_[wave_index] == &piece;
}

bool PUZZLE_PIECES_SYSTEM::InFinish(const PUZZLE_PIECE& piece) const {
    return finish_index >= 0 && finish_index < static_cast<int>(grid_.size()) &&
           grid_[finish_index] == &piece;
}

// The strongest of the group highlights that this piece takes part in (0 when none).
float PUZZLE_PIECES_SYSTEM::GroupHighlight(const PUZZLE_PIECE& piece) const {
    float strength = 0.0f;
    if (InPulse(piece)) {
        strength = std::max(strength, std::sin(pulse_angle));
    }
    if (InWave(piece)) {
        strength = std::max(strength, std::sin(wave_timer * 6.2f));
    }
    if (InFinish(piece)) {
        strength = std::max(strength, std::sin(finish_timer * 6.2f));
    }
    return strength;
}

bool PUZZLE_PIECES_SYSTEM::Animates(const PUZZLE_PIECE& piece) const {
    const bool fading = piece.appear > 0.0f && piece.appear < 1.0f;
    return piece.lift > 0.0f || piece.lift_direction != 0 || piece.IsFlying() ||
           piece.IsTurning() || piece.hint_blink || fading || InPulse(piece) || InWave(piece) ||
           InFinish(piece);
}

int PUZZLE_PIECES_SYSTEM::RestingFrom() const {
    for (int i = StackSize() - 1; i >= 0; --i) {
        if (!Animates(*stack_[i])) {
            continue;
        }
        // The whole unit stays out, its members below this one too.
        int end = i + 1;
        const int group = stack_[i]->nstr;
        while (group != 0 && end < StackSize() && stack_[end]->nstr == group) {
            ++end;
        }
        return end;
    }
    return 0;
}

void PUZZLE_PIECES_SYSTEM::DrawInPocket(PUZZLE_PIECE& piece) {
    // The shut drawer hides them: near its far edges they would show on its rim.
    if (!pocket_->ShowsPieces()) {
        return;
    }
    DrawShadow(piece, pocket_->OffsetX(), pocket_->OffsetY());
    DrawBody(piece, pocket_->OffsetX(), pocket_->OffsetY(), true);
}

void PUZZLE_PIECES_SYSTEM::DrawPieces(bool lifted_layer, int top, int end) {
    auto in_layer = [&](const PUZZLE_PIECE& p) {
        return p.BK == 0 && (p.lift > 0.0f) == lifted_layer;
    };
    for (int i = end - 1; i >= top; --i) {
        PUZZLE_PIECE& piece = *stack_[i];
        if (piece.BK == 1) {
            if (lifted_layer) {
                DrawInPocket(piece);
            }
            continue;
        }
        if (piece.IsSingle()) {
            if (in_layer(piece)) {
                DrawShadow(piece, 0.0f, 0.0f);
                DrawBody(piece, 0.0f, 0.0f, false);
            }
            continue;
        }
        // The group's members lie next to each other: shadows first, then the bodies.
        int first = i;
        while (first > top && stack_[first - 1]->nstr == piece.nstr) {
            --first;
        }
        for (int k = i; k >= first; --k) {
            if (in_layer(*stack_[k]))
                DrawShadow(*stack_[k], 0.0f, 0.0f);
        }
        for (int k = i; k >= first; --k) {
            PUZZLE_PIECE& member = *stack_[k];
            if (member.BK == 1) {
                if (lifted_layer) {
                    DrawInPocket(member);
                }
                continue;
            }
            if (!in_layer(member))
                continue;
            DrawBody(member, 0.0f, 0.0f, false);
            DrawHighlight(member, 0.0f, 0.0f, GroupHighlight(member));
        }
        i = first;
    }
}

}  // namespace GAME
