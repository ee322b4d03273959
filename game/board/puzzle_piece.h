// PUZZLE_PIECE: one piece of the board: its cell, rotation, group, motion state and sprite.
#pragma once

#include <array>
#include <memory>

#include "engine/ui/sprite.h"
#include "game/board/cut_grid.h"
#include "game/board/soft_shadow.h"

class WRANDOM;

namespace GAME {

struct FLOAT_POINT {
    float x = 0.0f;
    float y = 0.0f;
};

// A quarter turn as the sprite angle uses it (radians).
constexpr float kQuarterTurn = 1.5707964f;

class PUZZLE_PIECE {
  public:
    // The piece starts at (start_x, start_y) and flies to the target; its velocity is a random
    // share (0.5 .. 0.8 per second) of the way. shape: the cell's kShapePoints outline points.
    PUZZLE_PIECE(WTEXTURE* texture, int col, int row, int target_x, int target_y, int cell_w,
                 int cell_h, int start_x, int start_y, int quarter_turns, bool edge,
                 const CUT_POINT* shape, WRANDOM& random);

    ~PUZZLE_PIECE();
    PUZZLE_PIECE(const PUZZLE_PIECE&) = delete;
    PUZZLE_PIECE& operator=(const PUZZLE_PIECE&) = delete;

    // The drop shadow: place inside atlas (MakeShadowAtlas), which the board owns and keeps
    // while the piece lives. A null atlas or an empty place leaves the piece without one.
    void SetShadow(WTEXTURE* atlas, const SHADOW_PLACE& place);

    // Flies to (x, y) within one second.
    void SetTarget(int x, int y);
    // Puts the piece at (x, y) and stops any flight.
    void Place(float x, float y);
    // Moves the piece together with its target and a running turn.
    void MoveBy(float dx, float dy);
    // Starts a clockwise quarter turn about (px, py) unless the piece is placed; the outline
    // turns at once, the sprite over about 0.11 s.
    void TurnAbout(float px, float py);
    // Turns a piece that is not turning to quarter_turns (taken modulo 4) at once, outline and
    // sprite.
    void SetTurns(int quarter_turns);
    // appear is 1 and the centre lies in the rectangle of the two corners (borders included).
    bool InsideRect(float x1, float y1, float x2, float y2) const;
    // The point (logical pixels) lies inside the outline: the even-odd rule on integers.
    bool OutlineContains(int x, int y) const;

    // One frame of lift, turn, fading (border_filter: inner single pieces fade out) and flight.
    void Update(float dt, bool border_filter);

    bool IsTurning() const { return rotation_progress > 0.0f; }
    bool IsFlying() const { return step_x != 0 || step_y != 0; }
    bool IsSingle() const { return nstr == 0; }
    float X() const { return sprite.pos.x; }
    float Y() const { return sprite.pos.y; }

    int row = 0;
    int col = 0;
    int cellW = 0;  // texture pixels of the picture
    int cellH = 0;
    int trt = 0;   // quarter turns clockwise, 0..3
    int nstr = 0;  // group id; 0: single
    bool selected = false;
    bool edge = false;  // on the picture's border
    bool hover = false;
    int BK = 0;              // 1 while in the pocket
    float lift = 0.0f;       // 0 resting .. 1 lifted
    int lift_direction = 0;  // 1 rising, -1 falling
    float rotation_progress = 0.0f;
    std::array<FLOAT_POINT, kShapePoints> outline;  // relative to the centre, turned with it
    bool hint_blink = false;
    float appear = 1.0f;  // opacity factor; joins and picking need 1
    FLOAT_POINT pivot;
    FLOAT_POINT rotation_start;
    int step_x = 0;  // flight velocity, pixels per second
    int step_y = 0;
    bool placed = false;  // snapped home: never picked, turned or selected again
    int target_x = 0;
    int target_y = 0;
    WSPRITE sprite;
    // Drawn under the sprite, turned and scaled with it; null when none could be made.
    std::unique_ptr<WSPRITE> shadow;
};

}  // namespace GAME
