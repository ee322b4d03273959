// PUZZLE_PIECE: one piece of the board: its cell, rotation, group, motion state and sprite.
#include "game/board/puzzle_piece.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/frame/random.h"
#include "engine/render/texture.h"

namespace GAME {
namespace {

// The turn angle at which a quarter turn is complete (a hair below pi / 2).
constexpr float kTurnDone = 1.570796f;
constexpr float kTurnRate = 9.0f;  // progress per second: a turn takes about 0.11 s
constexpr float kQuarterStep = 1.5708f;
constexpr float kFullTurn = 6.28319f;

// One axis of the flight: stops within 5 pixels, or where it would cross the target.
void FlyAxis(float& position, int target, int& step, float dt) {
    if (std::abs(target - static_cast<int>(position)) < 6) {
        step = 0;
        return;
    }
    const bool before = target - position > 0.0f;
    position += step * dt;
    if ((target - position > 0.0f) != before) {
        position = static_cast<float>(target);
        step = 0;
    }
}

}  // namespace

PUZZLE_PIECE::PUZZLE_PIECE(WTEXTURE* texture, int col_, int row_, int target_x_, int target_y_,
                           int cell_w, int cell_h, int start_x, int start_y, int quarter_turns,
                           bool edge_, const CUT_POINT* shape, WRANDOM& random)
    : row(row_),
      col(col_),
      cellW(cell_w),
      cellH(cell_h),
      trt(quarter_turns & 3),
      edge(edge_),
      target_x(target_x_),
      target_y(target_y_),
      sprite(texture) {
    // The transparent room for the tabs is most of the texture: drawing it costs fragments
    // that show nothing. Done at the cut, while the texels are certainly in memory.
    sprite.ShowOnlyOpaqueTexels();
    sprite.pos = {static_cast<float>(start_x), static_cast<float>(start_y)};
    const float f = random.RandFloat(0.5f, 0.8f, 0);
    step_x = static_cast<int>((target_x - start_x) * f);
    step_y = static_cast<int>((target_y - start_y) * f);
    sprite.rotation = trt * kQuarterTurn;
    // Whole quarter turns exactly, as TurnAbout turns it: the float cosine of a quarter turn is
    // not 0, and the hit test's truncation would shift some points by a pixel.
    for (int i = 0; i < kShapePoints; ++i) {
        FLOAT_POINT point{static_cast<float>(shape[i].x), static_cast<float>(shape[i].y)};
        for (int turn = 0; turn < trt; ++turn) {
            point = {-point.y, point.x};
        }
        outline[i] = point;
    }
}

PUZZLE_PIECE::~PUZZLE_PIECE() {
    // The atlas is the board's: the sprite must not release it.
    if (shadow) {
        shadow->SetTexture(nullptr);
    }
}

void PUZZLE_PIECE::SetShadow(WTEXTURE* atlas, const SHADOW_PLACE& place) {
    if (atlas == nullptr || place.width == 0) {
        shadow.reset();
        return;
    }
    shadow = std::make_unique<WSPRITE>();
    shadow->SetTexture(atlas);
    // A shadow texel spans kShadowShrink piece texels; the piece's centre lies the margin into
    // the uncropped shadow, which the place starts (left, top) into.
    shadow->SetSize(place.width * kShadowShrink, place.height * kShadowShrink);
    const float w = static_cast<float>(atlas->width);
    const float h = static_cast<float>(atlas->height);
    shadow->SetUV(static_cast<float>(place.atlas_x) / w, static_cast<float>(place.atlas_y) / h,
                  static_cast<float>(place.atlas_x + place.width) / w,
                  static_cast<float>(place.atlas_y + place.height) / h);
    shadow->SetCentre(sprite.GetCentreX() + (kShadowMargin - place.left) * kShadowShrink,
                      sprite.GetCentreY() + (kShadowMargin - place.top) * kShadowShrink);
}

void PUZZLE_PIECE::SetTarget(int x, int y) {
    target_x = x;
    target_y = y;
    step_x = static_cast<int>(x - X());
    step_y = static_cast<int>(y - Y());
}

void PUZZLE_PIECE::Place(float x, float y) {
    sprite.pos = {x, y};
    target_x = static_cast<int>(x);
    target_y = static_cast<int>(y);
    step_x = 0;
    step_y = 0;
}

void PUZZLE_PIECE::MoveBy(float dx, float dy) {
    sprite.pos.x += dx;
    sprite.pos.y += dy;
    target_x += static_cast<int>(dx);
    target_y += static_cast<int>(dy);
    pivot.x += dx;
    pivot.y += dy;
    rotation_start.x += dx;
    rotation_start.y += dy;
}

void PUZZLE_PIECE::TurnAbout(float px, float py) {
    if (placed) {
        return;
    }
    pivot = {px, py};
    rotation_start = {X(), Y()};
    rotation_progress = 0.001f;
    for (FLOAT_POINT& p : outline) {
        p = {-p.y, p.x};
    }
}

void PUZZLE_PIECE::SetTurns(int quarter_turns) {
    const int wanted = quarter_turns & 3;
    for (; trt != wanted; trt = (trt + 1) & 3) {
        for (FLOAT_POINT& p : outline) {
            p = {-p.y, p.x};
        }
    }
    sprite.rotation = trt * kQuarterTurn;
}

bool PUZZLE_PIECE::InsideRect(float x1, float y1, float x2, float y2) const {
    return appear == 1.0f && X() >= std::min(x1, x2) && X() <= std::max(x1, x2) &&
           Y() >= std::min(y1, y2) && Y() <= std::max(y1, y2);
}

bool PUZZLE_PIECE::OutlineContains(int x, int y) const {
    const int px = x - static_cast<int>(X());
    const int py = y - static_cast<int>(Y());
    bool inside = false;
    for (int i = 0; i < kShapePoints; ++i) {
        const int ax = static_cast<int>(outline[i].x);
        const int ay = static_cast<int>(outline[i].y);
        const int bx = static_cast<int>(outline[(i + 1) % kShapePoints].x);
        const int by = static_cast<int>(outline[(i + 1) % kShapePoints].y);
        if ((ay < py) != (by < py)) {
            const int x_cross = ax + (bx - ax) * (py - ay) / (by - ay);
            if (px > x_cross) {
                inside = !inside;
            }
        }
    }
    return inside;
}

void PUZZLE_PIECE::Update(float dt, bool border_filter) {
    if (lift_direction == 1) {
        lift += 2.0f * dt;
        if (lift > 1.0f) {
            lift = 1.0f;
            lift_direction = 0;
        }
    } else if (lift_direction == -1) {
        lift -= 2.0f * dt;
        if (lift < 0.0f) {
            lift = 0.0f;
            lift_direction = 0;
        }
    }

    if (rotation_progress > 0.0f) {
        rotation_progress += kTurnRate * dt;
        const float angle = rotation_progress * kQuarterStep;
        const float dx = rotation_start.x - pivot.x;
        const float dy = rotation_start.y - pivot.y;
        if (angle < kTurnDone) {
            sprite.rotation = trt * kQuarterStep + angle;
            const float c = std::cos(angle);
            const float s = std::sin(angle);
            sprite.pos = {pivot.x + dx * c - dy * s, pivot.y + dy * c + dx * s};
            target_x = static_cast<int>(X());
            target_y = static_cast<int>(Y());
        } else {
            trt = (trt + 1) % 4;
            sprite.rotation = trt * kQuarterStep;
            if (sprite.rotation >= kFullTurn) {
                sprite.rotation = 0.0f;
            }
            sprite.pos = {pivot.x - dy, pivot.y + dx};
            target_x = static_cast<int>(X());
            target_y = static_cast<int>(Y());
            rotation_progress = 0.0f;
        }
    }

    if (nstr == 0 && !edge) {
        appear = std::clamp(appear + (border_filter ? -dt : dt), 0.0f, 1.0f);
    }

    FlyAxis(sprite.pos.x, target_x, step_x, dt);
    FlyAxis(sprite.pos.y, target_y, step_y, dt);
}

}  // namespace GAME
