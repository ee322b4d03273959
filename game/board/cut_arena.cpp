// CUT_ARENA: the memory a cut works in, one block for all piece texels, kept for the next cut.
#include "game/board/cut_arena.h"

#include <algorithm>
#include <utility>

namespace GAME {
namespace {

// Boards are made and dropped on the main thread only. Never destroyed: a board owned by a
// longer-lived static may hand its arena back during the program's exit.
CUT_ARENA& KeptArena() {
    static CUT_ARENA* const kept = new CUT_ARENA;
    return *kept;
}

}  // namespace

PICTURE_CUT CUT_ARENA::Cut(const uint32_t* picture, const CUT_GRID& grid, TEXEL_VIEW mask) {
    piece_size_ = PieceTexelSize(grid);
    piece_count_ = grid.cols * grid.rows;
    const size_t needed = static_cast<size_t>(piece_size_.x) * piece_size_.y * piece_count_;
    if (needed > block_size_) {
        // Left uninitialised: the pieces are cleared as the cut hands them out.
        block_.reset(new uint32_t[needed]);
        block_size_ = needed;
    }
    return CutPicture(
        picture, grid, mask,
        [&](int col, int row, int, int) {
            const TEXEL_VIEW piece = Piece(row * grid.cols + col);
            std::fill(piece.texels, piece.texels + static_cast<size_t>(piece.width) * piece.height,
                      0u);
            return piece;
        },
        scratch_);
}

TEXEL_VIEW CUT_ARENA::Piece(int index) const {
    const size_t texels = static_cast<size_t>(piece_size_.x) * piece_size_.y;
    return {block_.get() + texels * index, piece_size_.x, piece_size_.y};
}

void CUT_ARENA::Release() {
    block_.reset();
    block_size_ = 0;
    piece_count_ = 0;
    scratch_ = {};
}

CUT_ARENA TakeKeptCutArena() {
    return std::exchange(KeptArena(), CUT_ARENA());
}

void KeepCutArena(CUT_ARENA arena) {
    KeptArena() = std::move(arena);
}

}  // namespace GAME
