// CUT_ARENA: the memory a cut works in, one block for all piece texels, kept for the next cut.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "game/board/cut_fill.h"
#include "game/board/picture_cut.h"

namespace GAME {

// A fresh buffer per piece (and for the picture's working copy) costs a cut most of its time in
// the kernel handing out zeroed pages; the arena's block only ever grows, so a cut of the same
// size or smaller reuses warm memory.
class CUT_ARENA {
  public:
    // Cuts picture into grid's pieces, whose texels the arena keeps until the next cut or
    // Release; piece (col, row) is Piece(row * grid.cols + col).
    PICTURE_CUT Cut(const uint32_t* picture, const CUT_GRID& grid, TEXEL_VIEW mask);
    TEXEL_VIEW Piece(int index) const;
    int PieceCount() const { return piece_count_; }
    // Gives the memory back: the pieces' texels are gone.
    void Release();

  private:
    std::unique_ptr<uint32_t[]> block_;
    size_t block_size_ = 0;  // texels
    CUT_POINT piece_size_;
    int piece_count_ = 0;
    CUT_SCRATCH scratch_;
};

// The shell makes a fresh board for every game: a board takes the arena kept by the last one
// (a new one when none is kept, as while another board holds it) and hands it back when it goes.
CUT_ARENA TakeKeptCutArena();
void KeepCutArena(CUT_ARENA arena);

}  // namespace GAME
