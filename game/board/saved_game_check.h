// Bringing a saved game into a state the board can play whatever the file says: pieces in range,
// groups only where the pieces really hang together, counters worked out from those groups.
#pragma once

#include "game/board/saved_puzzle.h"

namespace GAME {

// The grid the game is rebuilt on and where a piece's centre may lie.
struct RESTORE_GRID {
    int cols = 1;
    int rows = 1;
    int cell_w = 1;  // pixels
    int cell_h = 1;
    float left = 0.0f;  // screen pixels
    float top = 0.0f;
    float right = 0.0f;
    float bottom = 0.0f;
};

// Pieces along the shorter side of a restored game: at least two rows and columns, and no more
// than the difficulty choice offers.
constexpr int kFewestAcross = 2;
constexpr int kMostAcross = 15;

// The largest group id kept; a larger one could not take the joins still to come.
constexpr int kMostGroupId = 1 << 30;

// After this, saved.pieces holds at most cols x rows pieces (the grid's first ones; those
// missing stay as dealt: single, upright):
// - a missing or non-finite position becomes the rectangle's centre, any other is clamped into
//   it; turns are taken modulo 4, and are 0 when rotation is off; a pocket mark is 0 or 1;
// - a group is kept where its pieces are grid neighbours with one turn: of the pieces sharing
//   an id, the largest such connected set keeps it and the others become single; a group lies in
//   no pocket and its pieces stand in formation around its first piece in grid order;
// - regF, regCg, regBr and regFinishP are counted from those groups, cstr is at least every id
//   in use, and the other counters are brought into range (times finite and not negative,
//   counts not negative, fast joins no more than joins).
void CheckSavedGame(SAVED_PUZZLE& saved, const RESTORE_GRID& grid);

}  // namespace GAME
