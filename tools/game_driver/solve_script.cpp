// SOLVE_SCRIPT: plays a dealt board to the end through the input driver, turning each piece
// upright with right clicks and dragging it onto its home cell, in grid order.
#include "tools/game_driver/solve_script.h"

#include <cmath>

#include "game/board/pieces_system.h"
#include "tools/devkit/input_driver.h"

using GAME::PUZZLE_PIECE;

SOLVE_SCRIPT::SOLVE_SCRIPT(GAME::PUZZLE_PIECES_SYSTEM& board, INPUT_DRIVER& driver)
    : board_(board), driver_(driver) {}

bool SOLVE_SCRIPT::AtHome(const PUZZLE_PIECE& piece) const {
    const GAME::FLOAT_POINT home = board_.HomeOf(piece);
    return piece.trt == 0 && std::fabs(piece.X() - home.x) < 1.0f &&
           std::fabs(piece.Y() - home.y) < 1.0f;
}

bool SOLVE_SCRIPT::GrabPoint(const PUZZLE_PIECE& piece, int& x, int& y) const {
    const int index = board_.StackIndexOf(&piece) + 1;
    const int reach = piece.cellW / 3;
    for (int r = 0; r <= reach; r += 3) {
        for (int dy = -r; dy <= r; dy += 3) {
            for (int dx = -r; dx <= r; dx += 3) {
                if (std::abs(dx) != r && std::abs(dy) != r)
                    continue;
                const int px = static_cast<int>(piece.X()) + dx;
                const int py = static_cast<int>(piece.Y()) + dy;
                if (board_.HitTest(px, py) == index) {
                    x = px;
                    y = py;
                    return true;
                }
            }
        }
    }
    return false;
}

void SOLVE_SCRIPT::Step() {
    ++frames_;
    const int count = static_cast<int>(board_.Grid().size());
    if (count == 0) {
        return;  // not built yet
    }
    switch (phase_) {
        case kSettle: {
            bool flying = false;
            for (const PUZZLE_PIECE* p : board_.Grid())
                flying = flying || p->IsFlying();
            if (frames_ > 60 && !flying)
                phase_ = kChoose;
            break;
        }
        case kChoose: {
            // The next piece not at home, going round the grid from index_.
            int tried = 0;
            while (tried < count && AtHome(*board_.Grid()[index_ % count])) {
                ++index_;
                ++tried;
            }
            index_ %= count;
            if (tried == count || board_.counters.regF < 2) {
                phase_ = kDone;
                break;
            }
            PUZZLE_PIECE& piece = *board_.Grid()[index_];
            int x = 0;
            int y = 0;
            if (!GrabPoint(piece, x, y)) {
                // Covered: place the next one first and come back to this one later.
                if (++skipped_ > count) {
                    phase_ = kDone;
                    break;
                }
                index_ = (index_ + 1) % count;
                break;
            }
            skipped_ = 0;
            driver_.MoveTo(x, y);
            frames_ = 0;
            if (piece.trt != 0) {
                driver_.Press(WINPUT::kRight);
                phase_ = kTurnRelease;
                break;
            }
            const GAME::FLOAT_POINT home = board_.HomeOf(piece);
            from_x_ = x;
            from_y_ = y;
            to_x_ = static_cast<int>(home.x) + (x - static_cast<int>(piece.X()));
            to_y_ = static_cast<int>(home.y) + (y - static_cast<int>(piece.Y()));
            driver_.Press(WINPUT::kLeft);
            phase_ = kMove;
            break;
        }
        case kTurnRelease:
            if (frames_ == 1)
                driver_.Release(WINPUT::kRight);
            if (frames_ > 12)
                phase_ = kChoose;
            break;
        case kMove:
            driver_.MoveTo(from_x_ + (to_x_ - from_x_) * frames_ / kMoveFrames,
                           from_y_ + (to_y_ - from_y_) * frames_ / kMoveFrames);
            if (frames_ >= kMoveFrames)
                phase_ = kRelease;
            break;
        case kRelease:
            driver_.Release(WINPUT::kLeft);
            frames_ = 0;
            phase_ = kRest;
            break;
        case kRest:
            if (frames_ > kRestFrames) {
                // Back to the first piece not at home: joins may have moved earlier ones.
                index_ = 0;
                phase_ = kChoose;
            }
            break;
        case kDone:
            break;
    }
}
