// The pocket on the board, with the shipped art: its button and slide, what lies over it, and
// the rules for the pieces parked in it.
#include "engine/ui/buttons.h"
#include "game/board/board_sounds.h"
#include "tests/game/board/board_fixture.h"

namespace GAME {
namespace {

class PocketTest : public BoardTest {
  protected:
    void SetUp() override {
        BoardTest::SetUp();
        UseGameArt();
        MakeBoard();
    }

    PUZZLE_POCKET& Pocket() { return board->Pocket(); }
    // A press on the pocket's button, then the release: the release frame's result.
    int ClickButton() {
        const WBUTTONMAP4& button = Pocket().Button();
        MoveMouse(static_cast<int>(button.pos.x), static_cast<int>(button.pos.y));
        Press();
        Frame();
        Release();
        return Frame();
    }
    // Under the open drawer a piece outside it cannot be picked: this one lies clear of it.
    PUZZLE_PIECE& OutsideTheDrawer(int col, int row) {
        PUZZLE_PIECE& p = Piece(col, row);
        p.Place(700.0f + col * 80.0f, 560.0f + row * 50.0f);
        return p;
    }
    // Opens the drawer and lets it come to rest.
    void OpenPocket() {
        ClickButton();
        Frames(40);
        ASSERT_TRUE(Pocket().IsOpen());
        ASSERT_FALSE(Pocket().IsSliding());
    }
    // Draws the play state; the draws of the piece.
    std::vector<WRECORDED_DRAW> DrawsOf(const PUZZLE_PIECE& p) {
        game->render.ClearRecordedDraws();
        board->Draw(0);
        std::vector<WRECORDED_DRAW> draws;
        for (const WRECORDED_DRAW& d : game->render.GetRecordedDraws()) {
            if (DrawnFor(d, p))
                draws.push_back(d);
        }
        return draws;
    }
};

TEST_F(PocketTest, TheArtSetsTheSizesAndTheClosedDrawerShowsOnlyItsCorner) {
    EXPECT_EQ(Pocket().Width(), 614);  // 0.6 of 1024 x 768
    EXPECT_EQ(Pocket().Height(), 460);
    EXPECT_FALSE(Pocket().IsOpen());
    // Pieces in the shut drawer would sit up and to the left, out of view: the slide rests at
    // (20, 20) and the open position lies where the 96-pixel corner tile meets the drawer's
    // far corner.
    EXPECT_FLOAT_EQ(Pocket().OffsetX(), 20.0f - (614 - 96));
    EXPECT_FLOAT_EQ(Pocket().OffsetY(), 20.0f - (460 - 96));
    EXPECT_FLOAT_EQ(Pocket().Button().pos.x, 40.0f);  // half an 80-pixel frame
}

TEST_F(PocketTest, ThePointerIsOverTheButtonWhenClosedAndOverTheDrawerWhenOpen) {
    // Closed: -1 < x < 40 + 40 + 1; open: -1 < x < 96 + (614 - 96) - 1, likewise in y.
    const struct {
        bool open;
        int x, y;
        bool over;
    } cases[] = {
        {false, 0, 0, true},     {false, 80, 80, true},    {false, 81, 40, false},
        {false, 40, 81, false},  {false, 300, 200, false}, {true, 612, 458, true},
        {true, 613, 100, false}, {true, 100, 459, false},
    };
    for (const auto& c : cases) {
        if (c.open != Pocket().IsOpen()) {
            OpenPocket();
        }
        MoveMouse(c.x, c.y);
        Frame();
        EXPECT_EQ(Pocket().ContainsPointer(), c.over) << c.x << ", " << c.y << " open " << c.open;
    }
}

TEST_F(PocketTest, TheButtonOpensInHalfASecondAndASecondClickTurnsTheSlideRound) {
    Piece(0, 0).selected = true;
    EXPECT_EQ(ClickButton(), kBoardNothing);
    EXPECT_TRUE(Pocket().IsOpen());
    EXPECT_TRUE(Pocket().IsSliding());
    EXPECT_TRUE(board->counters.regGVN);
    EXPECT_FALSE(Piece(0, 0).selected);
    EXPECT_EQ(Count(kSoundUsePocket), 1);

    // The press frame and the release frame moved nothing: the slide runs from here.
    const float closed = 20.0f - (614 - 96);
    Frames(5);  // 0.1 s: a fifth of the way
    const float part_way = Pocket().OffsetX();
    EXPECT_NEAR(part_way, closed + 0.2f * 614, 1.0f);

    // Clicked again mid-way, the drawer closes from where it is, not from the open position.
    ClickButton();
    EXPECT_FALSE(Pocket().IsOpen());
    EXPECT_EQ(Count(kSoundClosePocket), 1);
    EXPECT_NEAR(Pocket().OffsetX(), part_way + 2 * kStep * 614, 0.5f);  // the press frame
    Frames(2);
    EXPECT_LT(Pocket().OffsetX(), part_way);
    Frames(10);
    EXPECT_FALSE(Pocket().IsSliding());
    EXPECT_FLOAT_EQ(Pocket().OffsetX(), closed);

    // A full opening takes about 0.4 s: it stops 5 pixels short (here in y) and snaps open.
    ClickButton();
    Frames(18);
    EXPECT_TRUE(Pocket().IsSliding());
    Frames(2);
    EXPECT_FALSE(Pocket().IsSliding());
    EXPECT_FLOAT_EQ(Pocket().OffsetX(), 0.0f);
    EXPECT_FLOAT_EQ(Pocket().OffsetY(), 0.0f);
}

TEST_F(PocketTest, AHeldPocketButtonKeepsTheBoardsMouseHandlingAway) {
    const WBUTTONMAP4& button = Pocket().Button();
    MoveMouse(static_cast<int>(button.pos.x), static_cast<int>(button.pos.y));
    Press();
    Frame();
    Frame();
    // A press on empty board would have started a rubber band.
    EXPECT_FALSE(board->BandActive());
    Release();
    EXPECT_EQ(Frame(), kBoardNothing);
    EXPECT_TRUE(Pocket().IsOpen());
    ClickButton();
    Frames(30);
    // A press that started elsewhere and passes over the button is no hold of the button.
    MoveMouse(150, 150);
    Press();
    Frame();
    EXPECT_TRUE(board->BandActive());
    MoveMouse(static_cast<int>(button.pos.x), static_cast<int>(button.pos.y));
    Frame();
    Release();
    Frame();
    EXPECT_FALSE(board->BandActive());
    EXPECT_FALSE(Pocket().IsOpen());
}

TEST_F(PocketTest, PiecesInTheShutDrawerAreNeitherDrawnNorHit) {
    OpenPocket();
    PUZZLE_PIECE& p = OutsideTheDrawer(1, 1);
    EXPECT_EQ(DragPiece(p, 300, 250), kBoardHintCleared);  // dropped over the open drawer
    MoveMouse(900, 700);
    Frames(30);  // lowered and at rest
    ASSERT_EQ(p.BK, 1);
    EXPECT_EQ(DrawsOf(p).size(), 2u);  // shadow and body
    EXPECT_NE(board->HitTest(300, 250), 0);

    ClickButton();
    Frames(30);
    ASSERT_FALSE(Pocket().IsSliding());
    EXPECT_TRUE(DrawsOf(p).empty());
    EXPECT_EQ(board->HitTest(300, 250), 0);
    const int drawn_x = static_cast<int>(p.X() + Pocket().OffsetX());
    const int drawn_y = static_cast<int>(p.Y() + Pocket().OffsetY());
    EXPECT_EQ(board->HitTest(drawn_x, drawn_y), 0);
}

TEST_F(PocketTest, APiecePickedInTheOpenDrawerLeavesItOnlyWhenDroppedOutside) {
    OpenPocket();
    PUZZLE_PIECE& p = OutsideTheDrawer(0, 0);
    PUZZLE_PIECE& q = OutsideTheDrawer(3, 2);
    DragPiece(p, 250, 150);
    DragPiece(q, 400, 300);
    ASSERT_EQ(p.BK, 1);
    ASSERT_EQ(q.BK, 1);

    // Within the drawer it stays in it, where it was dropped.
    EXPECT_EQ(DragPiece(p, 150, 350), kBoardHintCleared);
    EXPECT_EQ(p.BK, 1);
    EXPECT_FLOAT_EQ(p.X(), 150.0f);
    EXPECT_FLOAT_EQ(p.Y(), 350.0f);
    // Outside it leaves the drawer.
    EXPECT_EQ(DragPiece(q, 800, 600), kBoardNothing);
    EXPECT_EQ(q.BK, 0);
    EXPECT_FLOAT_EQ(q.X(), 800.0f);
}

TEST_F(PocketTest, ARestingPieceIsPushedBackIntoTheDrawer) {
    OpenPocket();
    PUZZLE_PIECE& p = OutsideTheDrawer(2, 1);
    DragPiece(p, 590, 300);  // past 614 - 60 / 1.2 = 564
    ASSERT_EQ(p.BK, 1);
    Frames(60);
    EXPECT_LE(p.X(), 564.0f);
    EXPECT_GT(p.X(), 540.0f);
    EXPECT_FLOAT_EQ(p.Y(), 300.0f);
}

TEST_F(PocketTest, APieceDroppedOnTheShutDrawerLandsInItAtRandom) {
    PUZZLE_PIECE& p = Piece(2, 2);
    EXPECT_EQ(DragPiece(p, 40, 40), kBoardHintCleared);
    EXPECT_EQ(p.BK, 1);
    EXPECT_FALSE(p.IsFlying());
    EXPECT_GE(p.X(), 0.0f);
    EXPECT_LE(p.X(), 614.0f - p.cellW);
    EXPECT_LE(p.Y(), 460.0f - p.cellW);
    EXPECT_EQ(board->HitTest(static_cast<int>(p.X()), static_cast<int>(p.Y())), 0);
}

TEST_F(PocketTest, AJoinTakesBothPartsOutOfTheDrawer) {
    OpenPocket();
    PUZZLE_PIECE& a = OutsideTheDrawer(0, 0);
    PUZZLE_PIECE& b = Piece(1, 0);
    DragPiece(a, 200, 200);
    ASSERT_EQ(a.BK, 1);
    b.BK = 1;
    b.Place(400.0f, 200.0f);
    // Dropped beside its neighbour inside the drawer: the pair joins and leaves the drawer.
    DragPiece(b, 200 + b.cellW, 200);
    EXPECT_NE(a.nstr, 0);
    EXPECT_EQ(a.nstr, b.nstr);
    EXPECT_EQ(a.BK, 0);
    EXPECT_EQ(b.BK, 0);
}

}  // namespace
}  // namespace GAME
