// Mouse interaction: picking and dragging, the rubber band, hit tests on turned outlines,
// quarter turns with the right button and snapping home.
#include "game/board/board_sounds.h"
#include "tests/game/board/board_fixture.h"

namespace GAME {
namespace {

TEST_F(BoardTest, APressOnEmptySpaceStartsABandAndOneUnitInItClearsTheSelection) {
    MakeBoard();
    MoveMouse(120, 120);  // no piece here
    Press();
    Frame();
    EXPECT_TRUE(board->BandActive());
    // Over two single pieces: both are selected while the band lasts.
    MoveMouse(370, 230);
    Frame();
    Frame();
    EXPECT_TRUE(Piece(0, 0).selected);
    EXPECT_TRUE(Piece(1, 0).selected);
    EXPECT_FALSE(Piece(2, 0).selected);
    Release();
    Frame();
    EXPECT_FALSE(board->BandActive());
    EXPECT_TRUE(Piece(0, 0).selected);  // two units: the selection stays

    // A band around one piece only: the release clears the selection.
    MoveMouse(120, 120);
    Press();
    Frame();
    MoveMouse(230, 230);
    Frame();
    Frame();
    EXPECT_TRUE(Piece(0, 0).selected);
    Release();
    Frame();
    EXPECT_FALSE(Piece(0, 0).selected);
}

TEST_F(BoardTest, ADraggedSelectionMovesTogether) {
    MakeBoard();
    Piece(0, 0).selected = true;
    Piece(3, 2).selected = true;
    const float x0 = Piece(3, 2).X();
    DragPiece(Piece(0, 0), 230, 220);
    EXPECT_FLOAT_EQ(Piece(0, 0).X(), 230.0f);
    EXPECT_FLOAT_EQ(Piece(3, 2).X(), x0 + 30.0f);
    EXPECT_FLOAT_EQ(Piece(1, 1).X(), 350.0f);  // not selected: stays
}

TEST_F(BoardTest, TheHitTestFollowsTheTurnedOutline) {
    MakeBoard(true);
    PUZZLE_PIECE& p = Piece(0, 0);  // a corner piece: straight top and left sides
    TurnTo(p, 0);
    p.Place(850.0f, 650.0f);
    // Upright: the straight left side runs 30 px left of the centre.
    EXPECT_NE(board->HitTest(850 - 25, 650), 0);
    EXPECT_EQ(board->HitTest(850 - 35, 650), 0);
    // A quarter turn clockwise brings that side to the top.
    TurnTo(p, 1);
    p.Place(850.0f, 650.0f);
    EXPECT_NE(board->HitTest(850, 650 - 25), 0);
    EXPECT_EQ(board->HitTest(850, 650 - 35), 0);
    EXPECT_EQ(board->HitTest(850 - 40, 650), 0);  // no longer the piece's side
    EXPECT_EQ(board->StackAt(board->HitTest(850, 650) - 1), &p);
}

TEST_F(BoardTest, WithRotationOffARightClickOnlyComplains) {
    MakeBoard(false);
    PUZZLE_PIECE& p = Piece(1, 1);
    const float x = p.X();
    EXPECT_EQ(RightClick(static_cast<int>(p.X()), static_cast<int>(p.Y())), kBoardNothing);
    Frames(10);
    EXPECT_EQ(Count(kSoundRotationWrong), 1);
    EXPECT_EQ(Count(kSoundRotation), 0);
    EXPECT_EQ(p.trt, 0);
    EXPECT_FALSE(p.IsTurning());
    EXPECT_FLOAT_EQ(p.X(), x);
}

TEST_F(BoardTest, ARightClickTurnsThePieceAboutThePointerWithoutPickingItUp) {
    MakeBoard(true);
    PUZZLE_PIECE& p = Piece(1, 1);
    TurnTo(p, 0);
    RightClick(static_cast<int>(p.X()), static_cast<int>(p.Y()));
    EXPECT_EQ(Count(kSoundRotation), 1);
    EXPECT_EQ(board->HeldPiece(), 0);
    Frames(10);
    EXPECT_EQ(p.trt, 1);
}

TEST_F(BoardTest, APressOnAPieceLiftsItAndTheReleaseLowersIt) {
    MakeBoard();
    PUZZLE_PIECE& p = Piece(2, 2);
    MoveMouse(static_cast<int>(p.X()), static_cast<int>(p.Y()));
    Press();
    Frame();
    EXPECT_EQ(board->StackAt(0), &p);
    EXPECT_EQ(board->HeldPiece(), 1);
    EXPECT_EQ(Count(kSoundPickup), 1);
    Frames(30);
    EXPECT_EQ(p.lift, 1.0f);
    Release();
    Frame();
    EXPECT_EQ(board->HeldPiece(), 0);
    EXPECT_EQ(Count(kSoundPut), 1);
    Frames(30);
    EXPECT_EQ(p.lift, 0.0f);
}

TEST_F(BoardTest, SnapHomePlacesAnUprightPieceNearItsCell) {
    settings.pieces_fix = true;
    MakeBoard();
    PUZZLE_PIECE& p = Piece(1, 2);
    const FLOAT_POINT home = board->HomeOf(p);
    // The picture is centred: left 512 - 120, cell centres 30 px in.
    EXPECT_FLOAT_EQ(home.x, 392.0f + 30.0f + 60.0f);
    EXPECT_FLOAT_EQ(home.y, 294.0f + 30.0f + 120.0f);
    DragPiece(p, static_cast<int>(home.x) + 12, static_cast<int>(home.y) - 5);
    EXPECT_TRUE(p.placed);
    EXPECT_FLOAT_EQ(p.X(), home.x);
    EXPECT_FLOAT_EQ(p.Y(), home.y);
    // A placed piece is never picked again: the press starts a band.
    MoveMouse(static_cast<int>(p.X()), static_cast<int>(p.Y()));
    Press();
    Frame();
    EXPECT_EQ(board->HeldPiece(), 0);
    EXPECT_TRUE(board->BandActive());
}

}  // namespace
}  // namespace GAME
