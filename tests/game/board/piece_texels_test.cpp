// Where the pieces' texels live: kept in memory without a GPU device; with one, given up once
// uploaded, the pieces drawn from their GPU copies and a new deal cut into fresh memory.
#include <vector>

#include "tests/game/board/board_fixture.h"

namespace GAME {
namespace {

std::vector<uint32_t*> LockedTexels(WRENDER& render, PUZZLE_PIECES_SYSTEM& board) {
    std::vector<uint32_t*> texels;
    for (PUZZLE_PIECE* p : board.Grid()) {
        texels.push_back(render.LockTexture(p->sprite.GetTexture()));
    }
    return texels;
}

TEST_F(BoardTest, WithoutADeviceThePiecesKeepTheirTexelsThroughDrawnFrames) {
    MakeBoard();
    if (game->render.HasDevice()) {
        GTEST_SKIP() << "an earlier test of this program made a GPU device";
    }
    board->Draw(0);
    Frame();
    board->Draw(0);
    for (uint32_t* texels : LockedTexels(game->render, *board)) {
        EXPECT_NE(texels, nullptr);
    }
}

class PieceTexelsGpuTest : public BoardGpuTest {
  protected:
    void SetUp() override {
        BoardGpuTest::SetUp();
        if (!Ready()) {
            return;
        }
        MakeBoard();
        board->Layout();
    }

    std::vector<uint32_t> DrawnFrame() {
        WRENDER& render = game->render;
        std::vector<uint32_t> pixels;
        EXPECT_EQ(render.BeginFrame(), 0);
        board->Draw(0);
        EXPECT_EQ(render.EndScene(), 0);
        EXPECT_EQ(render.BeginBackBuffer(), 0);
        int w = 0;
        int h = 0;
        EXPECT_TRUE(render.ReadBackBuffer(pixels, w, h));
        render.Present();
        return pixels;
    }
};

TEST_F(PieceTexelsGpuTest, UploadedPiecesGiveUpTheirTexelsAndStillDrawTheSame) {
    const std::vector<uint32_t> first = DrawnFrame();
    for (uint32_t* texels : LockedTexels(game->render, *board)) {
        EXPECT_EQ(texels, nullptr);
    }
    // Drawn from the GPU copies alone (the cut's memory is gone by now).
    EXPECT_EQ(DrawnFrame(), first);

    // The same deal again (the cut is seeded), cut into memory taken afresh.
    board->SetState(kStateBuild);
    Frame();
    Spread();
    EXPECT_EQ(DrawnFrame(), first);
}

}  // namespace
}  // namespace GAME
