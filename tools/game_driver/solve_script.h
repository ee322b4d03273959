// SOLVE_SCRIPT: plays a dealt board to the end through the input driver, turning each piece
// upright with right clicks and dragging it onto its home cell, in grid order.
#pragma once

namespace GAME {
class PUZZLE_PIECES_SYSTEM;
class PUZZLE_PIECE;
}  // namespace GAME
class INPUT_DRIVER;

class SOLVE_SCRIPT {
  public:
    SOLVE_SCRIPT(GAME::PUZZLE_PIECES_SYSTEM& board, INPUT_DRIVER& driver);
    // Queues this frame's input; call once per frame. The game takes it at the next step.
    void Step();
    bool Finished() const { return phase_ == kDone; }

  private:
    enum PHASE { kSettle, kChoose, kTurnRelease, kMove, kRelease, kRest, kDone };
    static constexpr int kMoveFrames = 8;
    static constexpr int kRestFrames = 24;

    bool AtHome(const GAME::PUZZLE_PIECE& piece) const;
    // A point of the piece where it is the topmost piece; false when it is covered everywhere.
    bool GrabPoint(const GAME::PUZZLE_PIECE& piece, int& x, int& y) const;

    GAME::PUZZLE_PIECES_SYSTEM& board_;
    INPUT_DRIVER& driver_;
    PHASE phase_ = kSettle;
    int frames_ = 0;
    int index_ = 0;    // grid index of the piece being placed
    int skipped_ = 0;  // pieces passed over in a row because they were covered
    int from_x_ = 0, from_y_ = 0, to_x_ = 0, to_y_ = 0;
};
