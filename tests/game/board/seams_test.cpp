// The board with the pocket and the fly frame behind their seams, and its preview states.
#include "game/board/board_sounds.h"
#include "tests/game/board/board_fixture.h"

namespace GAME {
namespace {

// A pocket that reports what the test sets.
class FAKE_POCKET : public BOARD_POCKET {
  public:
    int Update(float) override { return answer; }
    bool ContainsPointer() const override { return under_pointer; }
    bool IsOpen() const override { return open; }
    int answer = 0;
    bool under_pointer = false;
    bool open = false;
};

class FAKE_FLY_FRAME : public BOARD_FLY_FRAME {
  public:
    int Update() override { return answer; }
    void MoveBy(int dx, int dy) override {
        moved_x += dx;
        moved_y += dy;
    }
    int answer = 0;
    int moved_x = 0;
    int moved_y = 0;
};

class SeamsTest : public BoardTest {
  protected:
    void SetUp() override {
        BoardTest::SetUp();
        MakeBoard();
        auto pocket = std::make_unique<FAKE_POCKET>();
        pocket->SetSize(600, 450);
        pocket_ = pocket.get();
        board->SetPocket(std::move(pocket));
        auto fly = std::make_unique<FAKE_FLY_FRAME>();
        fly_ = fly.get();
        board->SetFlyFrame(std::move(fly));
    }
    FAKE_POCKET* pocket_ = nullptr;
    FAKE_FLY_FRAME* fly_ = nullptr;
};

TEST_F(SeamsTest, AHeldPocketButtonBlocksTheMouseAndAClickEndsTheSelection) {
    pocket_->answer = -2;
    PUZZLE_PIECE& p = Piece(1, 1);
    const float x = p.X();
    DragPiece(p, static_cast<int>(x) + 50, static_cast<int>(p.Y()));
    EXPECT_FLOAT_EQ(p.X(), x);
    EXPECT_EQ(Count(kSoundPickup), 0);

    pocket_->answer = 0;
    Piece(0, 0).selected = true;
    pocket_->answer = 1;
    EXPECT_EQ(Frame(), kBoardNothing);
    EXPECT_TRUE(board->counters.regGVN);
    EXPECT_FALSE(Piece(0, 0).selected);
}

TEST_F(SeamsTest, APieceDroppedOverTheClosedPocketGoesIntoItOutOfReach) {
    PUZZLE_PIECE& p = Piece(2, 2);
    MoveMouse(static_cast<int>(p.X()), static_cast<int>(p.Y()));
    Press();
    Frame();
    MoveMouse(100, 100);
    Frame();
    pocket_->under_pointer = true;
    Release();
    EXPECT_EQ(Frame(), kBoardHintCleared);
    EXPECT_EQ(p.BK, 1);
    EXPECT_GE(p.X(), 0.0f);
    EXPECT_LE(p.X(), 600.0f - p.cellW);
    EXPECT_LE(p.Y(), 450.0f - p.cellW);
    EXPECT_FALSE(p.IsFlying());
    EXPECT_EQ(board->HitTest(static_cast<int>(p.X()), static_cast<int>(p.Y())), 0);
    pocket_->open = true;
    EXPECT_NE(board->HitTest(static_cast<int>(p.X()), static_cast<int>(p.Y())), 0);
}

TEST_F(SeamsTest, TheFlyFrameTakesThePointerWhileShown) {
    board->ToggleFlyFrame();
    fly_->answer = 4;
    MoveMouse(300, 300);
    Frame();
    fly_->moved_x = fly_->moved_y = 0;
    MoveMouse(310, 295);
    Frame();
    EXPECT_EQ(fly_->moved_x, 10);
    EXPECT_EQ(fly_->moved_y, -5);
    fly_->answer = 5;
    EXPECT_EQ(Frame(), kBoardFlyClosed);
    EXPECT_FALSE(board->fly_shown);
}

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
