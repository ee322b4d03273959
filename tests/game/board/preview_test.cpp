// The board before play: the picture, the preview with the cut lines, and the fit of the
// picture into the height the shell offers.
#include "tests/game/board/board_fixture.h"

namespace GAME {
namespace {

TEST_F(BoardTest, ThePreviewShowsThePictureThenTheCutLinesThenBuilds) {
    MakeBoard();
    board->Init(board->picture_path, 3, 0, &settings, false, 0.0f, 0);
    board->SetState(kStatePicture);
    EXPECT_EQ(board->Update(0, kStep), kBoardNothing);
    EXPECT_EQ(board->state, kStatePreview);
    board->DrawPreviewGrid();
    // White lines, thickened, on a clear overlay: the first vertical line runs near x = 60.
    const uint32_t* row = game->render.LockTexture(board->mask->GetTexture()) + 10 * kPictureW;
    int line_x = 50;
    while (line_x < 70 && row[line_x] != 0xFFFFFFFFu)
        ++line_x;
    ASSERT_LT(line_x, 70);
    EXPECT_EQ(row[line_x - 1], 0x77FFFFFFu);
    EXPECT_EQ(row[30], 0x00FFFFFFu);
    game->render.ClearRecordedDraws();
    board->Draw(0);
    int overlay_draws = 0;
    for (const WRECORDED_DRAW& d : game->render.GetRecordedDraws()) {
        if (d.texture == board->mask->GetTexture())
            ++overlay_draws;
    }
    EXPECT_EQ(overlay_draws, 1);
    board->Update(0, kStep);
    EXPECT_EQ(board->state, kStateBuild);
    board->Update(0, kStep);
    EXPECT_EQ(board->state, kStatePlay);
    EXPECT_EQ(board->StackSize(), 12);
}

TEST_F(BoardTest, AMissingPictureStillGivesAPlayableBoard) {
    board = std::make_unique<PUZZLE_PIECES_SYSTEM>();
    board->SetAspect(0.75f);
    board->Init(scratch_.Path("no_such_picture.png"), 3, 0, &settings, false, 0.0f, 0);
    board->SetState(kStateBuild);
    board->Update(0, kStep);
    EXPECT_EQ(board->state, kStatePlay);
    EXPECT_EQ(board->StackSize(), board->cols * board->rows);
    Frames(5);
}

TEST_F(BoardTest, InitFitsATallPictureIntoTheAvailableHeight) {
    MakeBoard();
    board->Init(board->picture_path, 3, 150, &settings, false, 0.0f, 0);
    const int margin = static_cast<int>(768 * 0.05);
    EXPECT_FLOAT_EQ(board->picture->scale.x, (150.0f - 2 * margin) / kPictureH);
    EXPECT_FLOAT_EQ(board->picture->pos.y, 75.0f);
    EXPECT_FLOAT_EQ(board->picture->pos.x, 512.0f);
}

}  // namespace
}  // namespace GAME
