// The cut arena: cuts into its kept block come out exactly as cuts into fresh buffers, whatever
// the block held before.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "game/board/cut_arena.h"
#include "tests/game/board/cut_hash.h"

namespace GAME {
namespace {

// The arena's cut of the test picture, in the form the pinned hashes read.
CUT_RESULT ArenaCut(CUT_ARENA& arena, int w, int h, int min_pieces, float distort) {
    const std::vector<uint32_t> picture = MakeTestPicture(w, h);
    std::vector<uint32_t> mask(picture.size());
    CUT_RESULT result;
    result.cut = arena.Cut(picture.data(), ChooseGrid(w, h, min_pieces, 0.75f, distort),
                           TEXEL_VIEW{mask.data(), w, h});
    for (int i = 0; i < arena.PieceCount(); ++i) {
        const TEXEL_VIEW piece = arena.Piece(i);
        result.pieces.emplace_back(piece.texels,
                                   piece.texels + static_cast<size_t>(piece.width) * piece.height);
    }
    return result;
}

TEST(CutArena, EveryCutEqualsAFreshOneWhateverTheBlockHeldBefore) {
    struct CASE {
        int w, h, min;
        float distort;
    };
    // Larger and smaller cuts in turn: a reused block holds the last cut's opaque texels where
    // the next cut's pieces want transparent ones.
    const CASE cases[] = {
        {320, 240, 3, 0.0f},  {320, 240, 8, 1.0f},  {240, 320, 3, 0.0f},
        {320, 240, 5, 0.29f}, {320, 240, 5, 0.29f}, {240, 180, 3, 1.0f},
    };
    CUT_ARENA arena;
    for (const CASE& c : cases) {
        EXPECT_EQ(HashOf(ArenaCut(arena, c.w, c.h, c.min, c.distort)),
                  HashOf(Cut(c.w, c.h, c.min, 0.75f, c.distort)))
            << c.w << "x" << c.h << " Min " << c.min << " distort " << c.distort;
    }
    arena.Release();
    EXPECT_EQ(arena.PieceCount(), 0);
    EXPECT_EQ(HashOf(ArenaCut(arena, 320, 240, 5, 0.29f)), kPinnedCut320x240Min5Distort29);
}

}  // namespace
}  // namespace GAME
