// The hint: a random search for a piece and a grid neighbour that it can still join, which
// then blink until the player does something else.
#include <algorithm>

#include "engine/frame/game.h"
#include "game/board/board_sounds.h"
#include "game/board/pieces_system.h"

namespace GAME {

bool PUZZLE_PIECES_SYSTEM::HintMayShow(const PUZZLE_PIECE& piece) const {
    return (!border_filter || piece.edge) && (piece.BK == 0 || pocket_->IsOpen());
}

void PUZZLE_PIECES_SYSTEM::RaiseHintPiece(PUZZLE_PIECE& piece) {
    if (piece.IsSingle()) {
        stack_.erase(stack_.begin() + StackIndexOf(&piece));
        stack_.insert(stack_.begin(), &piece);
    } else if (!piece.edge) {
        BringGroupToFront(piece.nstr, StackIndexOf(&piece), true);
    }
}

PUZZLE_PIECE* PUZZLE_PIECES_SYSTEM::FindHintPartner(const PUZZLE_PIECE& piece) const {
    for (PUZZLE_PIECE* c : stack_) {
        const int drow = std::abs(c->row - piece.row);
        const int dcol = std::abs(c->col - piece.col);
        const bool neighbour = (drow == 1 && dcol == 0) || (drow == 0 && dcol == 1);
        if (neighbour && HintMayShow(*c) && (c->IsSingle() || c->nstr != piece.nstr)) {
            return c;
        }
    }
    return nullptr;
}

bool PUZZLE_PIECES_SYSTEM::Hint() {
    if (counters.regF < 2 || stack_.empty()) {
        return false;
    }
    PlaySound(kSoundToolsHint);
    WRANDOM& random = WUN::ST_GAME::GetInstance()->random;
    auto shares_a_line = [&](const PUZZLE_PIECE& p) {
        for (const CUT_POINT& cell : hint_cells) {
            if (p.col == cell.x || p.row == cell.y)
                return true;
        }
        return false;
    };
    for (int attempt = 0; attempt < 2 * cols * rows; ++attempt) {
        PUZZLE_PIECE& p = *stack_[random.RandInt(0, StackSize() - 1, 0)];
        if (!HintMayShow(p) || shares_a_line(p)) {
            continue;
        }
        // Kept even when p finds no partner: the next attempt looks in other rows and columns.
        hint_cells[0] = {p.col, p.row};
        PUZZLE_PIECE* partner = FindHintPartner(p);
        if (partner == nullptr) {
            continue;
        }
        ClearHint();
        RaiseHintPiece(p);
        RaiseHintPiece(*partner);
        p.hint_blink = true;
        partner->hint_blink = true;
        hint_cells[1] = {partner->col, partner->row};
        hint_active = true;
        ++counters.regH;
        return true;
    }
    ClearHint();
    return false;
}

}  // namespace GAME
