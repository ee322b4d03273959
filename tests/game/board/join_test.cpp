// Joining: the three tests, snapping, score and counters, sounds, the frame and the finish.
#include "game/board/board_sounds.h"
#include "game/board/win_dialog.h"
#include "tests/game/board/board_fixture.h"

namespace GAME {
namespace {

// Where a piece must lie on screen to join its upright grid neighbour.
FLOAT_POINT NextTo(const PUZZLE_PIECE& anchor, int dcol, int drow) {
    return {anchor.X() + dcol * anchor.cellW, anchor.Y() + drow * anchor.cellH};
}

TEST_F(BoardTest, ADroppedNeighbourSnapsAndJoins) {
    MakeBoard();
    PUZZLE_PIECE& b = Piece(1, 1);
    PUZZLE_PIECE& a = Piece(2, 1);
    const FLOAT_POINT spot = NextTo(b, 1, 0);
    EXPECT_EQ(DragPiece(a, static_cast<int>(spot.x) + 6, static_cast<int>(spot.y) - 5),
              kBoardHintCleared);
    EXPECT_FLOAT_EQ(a.X(), spot.x);
    EXPECT_FLOAT_EQ(a.Y(), spot.y);
    EXPECT_NE(a.nstr, 0);
    EXPECT_EQ(a.nstr, b.nstr);
    EXPECT_EQ(board->counters.regF, 11);
    EXPECT_EQ(board->counters.regCg, 1);
    EXPECT_EQ(board->counters.regBr, 10);  // two inner pieces: the border is untouched
    EXPECT_EQ(board->pulse_group, a.nstr);
}

TEST_F(BoardTest, PiecesThatAreNotPlacedAsNeighboursDoNotJoin) {
    MakeBoard();
    struct CASE {
        const char* what;
        int dcol, drow;  // screen offset from the anchor in cells
        int offset;      // extra pixels across
    };
    const CASE cases[] = {
        {"on the wrong side", -1, 0, 0},
        {"diagonal", 1, 1, 0},
        {"too far across", 1, 0, 10},
    };
    for (const CASE& c : cases) {
        Spread();
        PUZZLE_PIECE& b = Piece(1, 1);
        PUZZLE_PIECE& a = Piece(2, 1);
        const FLOAT_POINT spot = NextTo(b, c.dcol, c.drow);
        DragPiece(a, static_cast<int>(spot.x), static_cast<int>(spot.y) + c.offset);
        EXPECT_EQ(a.nstr, 0) << c.what;
        EXPECT_EQ(board->counters.regF, 12) << c.what;
    }
}

TEST_F(BoardTest, PiecesWithDifferentTurnsNeverJoin) {
    MakeBoard(true);
    PUZZLE_PIECE& b = Piece(1, 1);
    PUZZLE_PIECE& a = Piece(2, 1);
    TurnTo(b, 0);
    TurnTo(a, 1);
    const FLOAT_POINT spot = NextTo(b, 1, 0);
    DragPiece(a, static_cast<int>(spot.x), static_cast<int>(spot.y));
    EXPECT_EQ(a.nstr, 0);
    EXPECT_EQ(board->counters.regF, 12);
}

TEST_F(BoardTest, ARowZeroPieceTurnedTwiceJoinsOnlyBelowItsRowOneNeighbour) {
    MakeBoard(true);
    PUZZLE_PIECE& a = Piece(1, 0);
    PUZZLE_PIECE& b = Piece(1, 1);
    TurnTo(a, 2);
    TurnTo(b, 2);
    // Above it on screen, as an upright piece would lie: no join.
    DragPiece(a, static_cast<int>(b.X()), static_cast<int>(b.Y()) - b.cellH);
    EXPECT_EQ(a.nstr, 0);
    // Below it: the picture is upside down, so this is where it belongs.
    DragPiece(a, static_cast<int>(b.X()), static_cast<int>(b.Y()) + b.cellH);
    EXPECT_NE(a.nstr, 0);
    EXPECT_EQ(a.nstr, b.nstr);
}

// Whatever the turn, a piece joins a grid neighbour exactly when it lies on the side of it where
// the turned picture puts it: the grid offset from B to A, turned clockwise trt times.
TEST_F(BoardTest, TheJoinDirectionFollowsTheTurn) {
    MakeBoard(true);
    PUZZLE_PIECE& a = Piece(1, 1);
    const CUT_POINT grid_offsets[4] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};  // A - B as (col, row)
    const CUT_POINT sides[4] = {{0, 1}, {-1, 0}, {0, -1}, {1, 0}};  // below, left, above, right
    for (int trt = 0; trt < 4; ++trt) {
        for (const CUT_POINT& offset : grid_offsets) {
            PUZZLE_PIECE& b = Piece(a.col - offset.x, a.row - offset.y);
            TurnTo(a, trt);
            TurnTo(b, trt);
            CUT_POINT turned = offset;
            for (int i = 0; i < trt; ++i)
                turned = {-turned.y, turned.x};
            for (const CUT_POINT& side : sides) {
                Spread();
                a.nstr = b.nstr = 0;
                const float w = trt % 2 == 0 ? a.cellW : a.cellH;
                const float h = trt % 2 == 0 ? a.cellH : a.cellW;
                b.Place(500.0f, 400.0f);
                a.Place(500.0f + side.x * w, 400.0f + side.y * h);
                const bool joined = board->TryJoin(board->StackIndexOf(&a));
                EXPECT_EQ(joined, side == turned)
                    << "trt " << trt << " offset " << offset.x << "," << offset.y << " side "
                    << side.x << "," << side.y;
            }
        }
    }
}

TEST_F(BoardTest, TwoSingleEdgePiecesLowerTheBorderCountAnInnerPieceOnTheFrameDoesNot) {
    MakeBoard();
    PUZZLE_PIECE& corner = Piece(0, 0);
    PUZZLE_PIECE& edge = Piece(1, 0);
    const FLOAT_POINT spot = NextTo(corner, 1, 0);
    DragPiece(edge, static_cast<int>(spot.x), static_cast<int>(spot.y));
    EXPECT_EQ(board->counters.regBr, 9);
    PUZZLE_PIECE& inner = Piece(1, 1);
    const FLOAT_POINT below = NextTo(edge, 0, 1);
    DragPiece(inner, static_cast<int>(below.x), static_cast<int>(below.y));
    EXPECT_EQ(inner.nstr, edge.nstr);
    EXPECT_EQ(board->counters.regBr, 9);
    EXPECT_EQ(board->counters.regF, 10);
}

TEST_F(BoardTest, AJoinAfterFourQuietSecondsScoresHalfTheSizePlusTwelve) {
    MakeBoard();
    PUZZLE_PIECE& b = Piece(1, 1);
    PUZZLE_PIECE& a = Piece(2, 1);
    const FLOAT_POINT spot = NextTo(b, 1, 0);
    MoveMouse(static_cast<int>(a.X()), static_cast<int>(a.Y()));
    Press();
    Frame();
    MoveMouse(static_cast<int>(spot.x), static_cast<int>(spot.y));
    Frame();
    Release();
    board->counters.regT = 3.75f;
    Frame(0.25f);  // the release frame brings the quiet time to exactly 4 s
    EXPECT_EQ(board->counters.regSc, static_cast<int>(2 * 0.5 + 12));
    EXPECT_EQ(board->counters.regPf, 0);  // (int)(0 + 0.5)
    EXPECT_EQ(Count(kSoundConnectionLow), 1);
    EXPECT_EQ(board->counters.regT, 0.0f);
}

TEST_F(BoardTest, TheSecondJoinOfOneDropScoresDoubleAndIsSilent) {
    MakeBoard();
    PUZZLE_PIECE& left = Piece(0, 1);
    PUZZLE_PIECE& up = Piece(1, 0);
    PUZZLE_PIECE& a = Piece(1, 1);
    // Both neighbours wait exactly where a fits between them.
    up.Place(left.X() + left.cellW, left.Y() - left.cellH);
    MoveMouse(static_cast<int>(a.X()), static_cast<int>(a.Y()));
    Press();
    Frame();
    MoveMouse(static_cast<int>(left.X()) + left.cellW, static_cast<int>(left.Y()));
    Frame();
    Release();
    board->counters.regT = 1.0f - kStep;
    Frame();
    EXPECT_EQ(board->counters.regCg, 2);
    EXPECT_EQ(a.nstr, left.nstr);
    EXPECT_EQ(a.nstr, up.nstr);
    // First: m = 2 / 1 s, N = 2 gives 16. Second: regT is 0, m = 2, N = 3 gives 18.
    EXPECT_EQ(board->counters.regSc, 16 + 18);
    EXPECT_EQ(board->counters.regPf, 4);
    const int connection_sounds =
        Count(kSoundConnectionLow) + Count(kSoundConnectionMed) + Count(kSoundConnectionHigh);
    EXPECT_EQ(connection_sounds, 1);
}

// Puts every piece but the given ones into group 1, laid out as the assembled picture at
// (origin_x, origin_y) + cell offsets, and sets the counters to match.
void AssembleAllBut(PUZZLE_PIECES_SYSTEM& board, std::vector<PUZZLE_PIECE*> apart, float origin_x,
                    float origin_y) {
    int edges_apart = 0;
    for (PUZZLE_PIECE* p : board.Grid()) {
        p->Place(origin_x + p->col * p->cellW, origin_y + p->row * p->cellH);
        if (std::find(apart.begin(), apart.end(), p) != apart.end()) {
            p->Place(700.0f + 100.0f * p->col, 600.0f);
            if (p->edge)
                ++edges_apart;
            continue;
        }
        p->nstr = 1;
    }
    board.counters.cstr = 1;
    board.counters.regF = 1 + static_cast<int>(apart.size());
    board.counters.regBr = 1 + edges_apart;
}

TEST_F(BoardTest, TheLastJoinAddsTheGridSizeAndPlaysTheWinOnce) {
    MakeBoard();
    PUZZLE_PIECE& last = Piece(2, 1);
    AssembleAllBut(*board, {&last}, 200.0f, 200.0f);
    board->counters.regFinishP = 11;
    board->wave_index = -2;
    Frame();  // the complete frame settles at home first
    const FLOAT_POINT spot = NextTo(Piece(1, 1), 1, 0);
    // Dropped, the last piece fits four neighbours at once: one drop makes one join,
    // since after it only one unit is left.
    const int result =
        DragPiece(last, static_cast<int>(spot.x), static_cast<int>(spot.y), 1.0f - kStep);
    EXPECT_EQ(result, kBoardHintCleared);
    EXPECT_EQ(board->counters.regF, 1);
    EXPECT_EQ(board->counters.regSc, static_cast<int>(12 * 2.0 + 12) + 12);
    EXPECT_EQ(Count(kSoundLevelWin), 1);
    EXPECT_EQ(board->finish_index, 0);
    // Assembled: every update says so until the finish sparkle has run out.
    int frames = 0;
    int answer = kBoardAssembled;
    while (answer == kBoardAssembled && frames < 1000) {
        answer = Frame();
        ++frames;
    }
    EXPECT_EQ(answer, kBoardFinished);
    EXPECT_GT(frames, 12 * 15);  // twelve sparkles of 0.3 s
    ASSERT_NE(board->WinDialog(), nullptr);
    EXPECT_EQ(board->WinDialog()->Results().pieces, 12);
    EXPECT_EQ(board->WinDialog()->Results().score, board->counters.regSc);
    EXPECT_EQ(Frame(), kBoardNothing);
    EXPECT_EQ(Count(kSoundLevelWin), 1);
}

TEST_F(BoardTest, ACompletedFrameTurnsUprightGoesHomeAndIsLocked) {
    MakeBoard(true);
    // Everything turned upside down; the frame lacks the top-right corner (3, 0).
    for (PUZZLE_PIECE* p : board->Grid())
        TurnTo(*p, 2);
    PUZZLE_PIECE& missing = Piece(3, 0);
    std::vector<PUZZLE_PIECE*> apart = {&missing, &Piece(1, 1), &Piece(2, 1)};
    // Upside down, cell (c, r) lies at origin - (c, r) cells.
    for (PUZZLE_PIECE* p : board->Grid()) {
        p->Place(700.0f - p->col * p->cellW, 500.0f - p->row * p->cellH);
        if (std::find(apart.begin(), apart.end(), p) != apart.end()) {
            p->Place(150.0f + 120.0f * p->col, 150.0f);
            continue;
        }
        p->nstr = 1;
    }
    board->counters.cstr = 1;
    board->counters.regF = 4;
    board->counters.regBr = 2;
    PUZZLE_PIECE& neighbour = Piece(2, 0);  // upside down, (3, 0) lies left of it
    DragPiece(missing, static_cast<int>(neighbour.X()) - neighbour.cellW,
              static_cast<int>(neighbour.Y()));
    EXPECT_EQ(missing.nstr, neighbour.nstr);
    EXPECT_LT(board->counters.regBr, 2);
    EXPECT_FALSE(board->border_filter);
    // The drop reported the cleared hint; the border button's release follows.
    EXPECT_EQ(Frame(), kBoardBorderFilterOff);
    EXPECT_EQ(Frame(), kBoardNothing);
    Frames(60);
    EXPECT_EQ(board->counters.regBr, 1);
    const int frame = board->FrameGroup();
    for (PUZZLE_PIECE* p : board->Grid()) {
        if (p->nstr != frame)
            continue;
        EXPECT_EQ(p->trt, 0);
        const FLOAT_POINT home = board->HomeOf(*p);
        EXPECT_NEAR(p->X(), home.x, 0.01f) << p->col << "," << p->row;
        EXPECT_NEAR(p->Y(), home.y, 0.01f) << p->col << "," << p->row;
    }
    // Locked: no drag, no turn, no selection.
    PUZZLE_PIECE& corner = Piece(0, 0);
    const FLOAT_POINT at = {corner.X(), corner.Y()};
    DragPiece(corner, static_cast<int>(at.x) + 40, static_cast<int>(at.y) + 40);
    EXPECT_FLOAT_EQ(corner.X(), at.x);
    EXPECT_EQ(RightClick(static_cast<int>(at.x), static_cast<int>(at.y)), kBoardNothing);
    EXPECT_EQ(Count(kSoundRotationWrong), 1);
    Frames(10);
    EXPECT_EQ(corner.trt, 0);
    MoveMouse(static_cast<int>(at.x) - 40, static_cast<int>(at.y) - 40);
    Press();
    Frame();
    MoveMouse(static_cast<int>(at.x) + 200, static_cast<int>(at.y) + 200);
    Frame();
    Frame();
    EXPECT_FALSE(corner.selected);
    Release();
    Frame();
}

TEST_F(BoardTest, AnUninitialisedBoardStaysIdleAndDrawsNothing) {
    board = std::make_unique<PUZZLE_PIECES_SYSTEM>();
    game->render.ClearRecordedDraws();
    EXPECT_EQ(board->Update(0, kStep), kBoardNothing);
    board->Draw(0);
    EXPECT_EQ(board->state, kStateIdle);
    EXPECT_TRUE(game->render.GetRecordedDraws().empty());
}

TEST_F(BoardTest, TheScoreRollsUpInTwoSeconds) {
    SCORE_DISPLAY display;
    display.SetTarget(100);
    display.Update(1.0f);
    EXPECT_FLOAT_EQ(display.shown, 50.0f);
    display.Update(1.5f);
    EXPECT_FLOAT_EQ(display.shown, 100.0f);
    EXPECT_EQ(FormatScore("Score: %d %s 100%%", 42), "Score: 42 %s 100%");
}

}  // namespace
}  // namespace GAME
