// GAME::WTILE_MAP_9: a frame of any size from nine images (corners, edges, centre).
#pragma once

#include <cstdint>

#include "engine/ui/object_tree.h"

class WSPRITE;

namespace GAME {

// Corners keep their natural size; edges and centre are lengthened and repeat their image at
// its natural size instead of stretching it. pos is the middle of the whole frame. Pieces are
// addressed by row * 10 + column, counted from 1 at the top left (11 .. 33).
class WTILE_MAP_9 : public WST::STO {
  public:
    // Nine image names in the order 11, 12, 13, 21, 22, 23, 31, 32, 33, read from the
    // currently selected pack (or the loose folder).
    explicit WTILE_MAP_9(const char* const names[9]);
    ~WTILE_MAP_9() override;
    WTILE_MAP_9(const WTILE_MAP_9&) = delete;
    WTILE_MAP_9& operator=(const WTILE_MAP_9&) = delete;

    // Bottom row, top row, then middle row; removed pieces are skipped. Returns 0.
    int Draw(int flag) override;

    // Lays the pieces out so that the frame's bounding box is centred on (x, y), even when the
    // corners differ in size.
    void SetPosition(int x, int y);
    // The outer size, at least the top-left plus the bottom-right corner; lays out again around
    // the current position.
    void SetSize(int width, int height);
    // The piece is no longer drawn but keeps its place in the layout. Unknown codes are ignored.
    void RemovePiece(int code);
    void SetColour(uint32_t argb);
    uint32_t GetColour() const { return colour_; }
    // Null for an unknown code.
    WSPRITE* Piece(int code) const;

  private:
    WSPRITE* pieces_[9];  // owned, row by row
    uint32_t colour_ = 0xFFFFFFFF;
};

}  // namespace GAME
