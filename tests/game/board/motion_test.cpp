// Piece motion: quarter turns, flights, fading under the border filter, stacking and layers.
#include <cmath>

#include "game/board/board_sounds.h"
#include "tests/game/board/board_fixture.h"

namespace GAME {
namespace {

// The deal comes from the generator seeded with 0 at the build: per piece in grid order the
// turn, the target's x then y, the flight angle, then the speed share.
TEST_F(BoardTest, TheDealRepeatsFromTheSeededGenerator) {
    struct DEALT {
        int trt, target_x, target_y, step_x, step_y;
        float x, y;
        bool operator==(const DEALT&) const = default;
    };
    auto deal = [&]() {
        board = std::make_unique<PUZZLE_PIECES_SYSTEM>();
        board->SetAspect(0.75f);
        board->Init(PicturePath(), 3, 0, &settings, true, 0.5f, 0);
        board->SetState(kStateBuild);
        board->Update(0, kStep);
        std::vector<DEALT> dealt;
        for (const PUZZLE_PIECE* p : board->Grid())
            dealt.push_back(
                {p->trt, p->target_x, p->target_y, p->step_x, p->step_y, p->X(), p->Y()});
        return dealt;
    };
    const std::vector<DEALT> first = deal();
    game->random.RandInt(0, 1000);  // whatever else drew from the generator meanwhile
    EXPECT_EQ(deal(), first);

    WRANDOM expected;
    expected.Seed(0);
    const int half = 30;  // cells of 60 x 60
    const int radius = 512 + 200;
    for (const DEALT& d : first) {
        EXPECT_EQ(d.trt, static_cast<int>(expected.RandInt(0, 3, 0)));
        EXPECT_EQ(d.target_x, static_cast<int>(expected.RandInt(50 + half, 974 - half, 0)));
        EXPECT_EQ(d.target_y, static_cast<int>(expected.RandInt(50 + half, 718 - half, 0)));
        const float angle = expected.RandFloat(0.0f, 6.2831855f, 0);
        const int start_x = static_cast<int>(512 + std::cos(angle) * radius);
        const int start_y = static_cast<int>(384 + std::sin(angle) * radius);
        EXPECT_EQ(d.x, static_cast<float>(start_x));
        EXPECT_EQ(d.y, static_cast<float>(start_y));
        const float f = expected.RandFloat(0.5f, 0.8f, 0);
        EXPECT_EQ(d.step_x, static_cast<int>((d.target_x - start_x) * f));
        EXPECT_EQ(d.step_y, static_cast<int>((d.target_y - start_y) * f));
    }
}

TEST_F(BoardTest, APieceDealtTurnedHasItsShapeTurnedByWholeQuarterTurns) {
    MakeBoard(true);
    int turned = 0;
    for (const PUZZLE_PIECE* p : board->Grid()) {
        turned += p->trt != 0;
        const CUT_POINT* shape = &board->shapes[(p->row * board->cols + p->col) * kShapePoints];
        for (int i = 0; i < kShapePoints; ++i) {
            CUT_POINT expected = shape[i];
            for (int t = 0; t < p->trt; ++t)
                expected = {-expected.y, expected.x};
            EXPECT_EQ(static_cast<int>(p->outline[i].x), expected.x) << p->col << "," << p->row;
            EXPECT_EQ(static_cast<int>(p->outline[i].y), expected.y) << p->col << "," << p->row;
        }
    }
    EXPECT_GT(turned, 0);
}

TEST_F(BoardTest, FourQuarterTurnsComeBackToTheStart) {
    MakeBoard();
    PUZZLE_PIECE& p = Piece(1, 1);
    const auto outline = p.outline;
    for (int turn = 1; turn <= 4; ++turn) {
        TurnTo(p, turn % 4);
        EXPECT_FLOAT_EQ(p.sprite.rotation, (turn % 4) * 1.5708f);
    }
    EXPECT_EQ(p.trt, 0);
    EXPECT_EQ(p.sprite.rotation, 0.0f);
    for (int i = 0; i < kShapePoints; ++i) {
        EXPECT_FLOAT_EQ(p.outline[i].x, outline[i].x);
        EXPECT_FLOAT_EQ(p.outline[i].y, outline[i].y);
    }
}

TEST_F(BoardTest, ATurnTakesAboutATenthOfASecondAndEndsOnTheTurnedPosition) {
    MakeBoard();
    PUZZLE_PIECE& p = Piece(0, 0);
    p.Place(300.0f, 200.0f);
    p.TurnAbout(250.0f, 250.0f);  // pivot down-left of the piece
    float elapsed = 0.0f;
    while (p.IsTurning() && elapsed < 1.0f) {
        p.Update(0.01f, false);
        elapsed += 0.01f;
    }
    EXPECT_GT(elapsed, 0.1f);
    EXPECT_LT(elapsed, 0.125f);
    EXPECT_EQ(p.trt, 1);
    // Clockwise on screen: (+50, -50) from the pivot becomes (+50, +50).
    EXPECT_FLOAT_EQ(p.X(), 300.0f);
    EXPECT_FLOAT_EQ(p.Y(), 300.0f);
    EXPECT_EQ(p.target_x, 300);
    EXPECT_EQ(p.target_y, 300);
    EXPECT_FALSE(p.IsFlying());
}

TEST_F(BoardTest, APlacedPieceNeverTurns) {
    MakeBoard();
    PUZZLE_PIECE& p = Piece(2, 1);
    p.placed = true;
    const auto outline = p.outline;
    p.TurnAbout(p.X(), p.Y());
    EXPECT_FALSE(p.IsTurning());
    EXPECT_FLOAT_EQ(p.outline[0].x, outline[0].x);
}

TEST_F(BoardTest, AFlightStopsOnItsTargetOrWithinFivePixelsOnAnAxis) {
    MakeBoard();
    PUZZLE_PIECE& p = Piece(0, 0);
    p.Place(400.0f, 400.0f);
    p.SetTarget(400, 400);  // dropped exactly on its target
    p.Update(kStep, false);
    EXPECT_FALSE(p.IsFlying());
    EXPECT_FLOAT_EQ(p.X(), 400.0f);

    p.Place(400.0f, 400.0f);
    p.SetTarget(405, 500);  // 5 px off in x: that axis stops where it is
    p.Update(kStep, false);
    EXPECT_EQ(p.step_x, 0);
    EXPECT_FLOAT_EQ(p.X(), 400.0f);
    EXPECT_NE(p.step_y, 0);
    for (int i = 0; i < 100 && p.IsFlying(); ++i)
        p.Update(kStep, false);
    EXPECT_FALSE(p.IsFlying());
    EXPECT_NEAR(p.Y(), 500.0f, 5.0f);

    // A flight that would overshoot ends exactly on the target.
    p.Place(100.0f, 100.0f);
    p.SetTarget(200, 100);
    p.Update(1.5f, false);
    EXPECT_FLOAT_EQ(p.X(), 200.0f);
    EXPECT_FALSE(p.IsFlying());
}

TEST_F(BoardTest, TheBorderFilterFadesInnerSinglesWhichCannotBePicked) {
    MakeBoard();
    PUZZLE_PIECE& inner = Piece(1, 1);
    PUZZLE_PIECE& inner_grouped = Piece(2, 1);
    PUZZLE_PIECE& edge = Piece(0, 0);
    inner_grouped.nstr = 7;
    board->ToggleBorderFilter();
    Frames(25);  // half a second
    EXPECT_NEAR(inner.appear, 0.5f, 0.03f);
    Frames(30);
    EXPECT_EQ(inner.appear, 0.0f);
    EXPECT_EQ(inner_grouped.appear, 1.0f);
    EXPECT_EQ(edge.appear, 1.0f);
    EXPECT_EQ(board->HitTest(static_cast<int>(inner.X()), static_cast<int>(inner.Y())), 0);
    EXPECT_NE(
        board->HitTest(static_cast<int>(inner_grouped.X()), static_cast<int>(inner_grouped.Y())),
        0);
    EXPECT_NE(board->HitTest(static_cast<int>(edge.X()), static_cast<int>(edge.Y())), 0);
    board->ToggleBorderFilter();
    Frames(55);  // a little over the second, as float steps add up short
    EXPECT_EQ(inner.appear, 1.0f);
}

TEST_F(BoardTest, PiecesArePushedBackIntoThePlayArea) {
    MakeBoard();
    PUZZLE_PIECE& p = Piece(3, 2);
    p.Place(1010.0f, 300.0f);  // beyond the right edge (974 less the margin)
    Frames(10);
    EXPECT_LE(p.X(), 974.0f - static_cast<int>(p.cellW / 2.5) + 1.0f);
}

// A piece of a group or of the selection that lies outside pushes its whole unit, which moves as
// one: the pieces inside the play area keep their distance to the ones outside.
TEST_F(BoardTest, APieceOutsideThePlayAreaPushesItsWholeUnitBack) {
    struct CASE {
        const char* unit;
        bool group;
    };
    const CASE cases[] = {{"group", true}, {"selection", false}};
    for (const CASE& c : cases) {
        SCOPED_TRACE(c.unit);
        MakeBoard();
        PUZZLE_PIECE& outside = Piece(3, 2);
        PUZZLE_PIECE& inside = Piece(2, 2);
        PUZZLE_PIECE& bystander = Piece(0, 0);
        if (c.group) {
            outside.nstr = inside.nstr = board->counters.cstr = 7;
        } else {
            outside.selected = inside.selected = true;
        }
        inside.Place(940.0f, 300.0f);
        outside.Place(1010.0f, 300.0f);  // beyond the right edge (974 less the margin)
        const float bystander_x = bystander.X();
        Frames(10);
        EXPECT_LE(outside.X(), 974.0f - static_cast<int>(outside.cellW / 2.5) + 1.0f);
        EXPECT_LT(inside.X(), 940.0f);
        EXPECT_FLOAT_EQ(outside.X() - inside.X(), 70.0f);
        EXPECT_EQ(outside.Y(), inside.Y());
        EXPECT_EQ(bystander.X(), bystander_x);
    }
}

TEST_F(BoardTest, GroupsKeepTheirStackOrderWhenRaisedOrSunk) {
    MakeBoard();
    Piece(0, 0).nstr = 5;
    Piece(1, 0).nstr = 5;
    const int held = board->StackIndexOf(&Piece(1, 0));
    const int now = board->BringGroupToFront(5, held, true);
    EXPECT_EQ(board->StackAt(now), &Piece(1, 0));
    EXPECT_LT(board->StackIndexOf(&Piece(0, 0)), 2);
    EXPECT_LT(board->StackIndexOf(&Piece(1, 0)), 2);
    EXPECT_EQ(Piece(0, 0).lift_direction, 1);
    board->SendGroupToBack(5, true);
    EXPECT_GE(board->StackIndexOf(&Piece(0, 0)), 10);
    EXPECT_EQ(Piece(1, 0).lift_direction, -1);
    // A single sinks to just above the bottom run of grouped pieces.
    const int single = board->StackIndexOf(&Piece(3, 2));
    EXPECT_EQ(board->SendSingleToBack(single), 10);
    EXPECT_EQ(board->StackAt(9), &Piece(3, 2));
}

TEST_F(BoardTest, LayersDrawShadowsUnderBodiesAndLiftedPiecesLast) {
    MakeBoard();
    PUZZLE_PIECE& lifted = Piece(0, 0);
    lifted.lift = 0.5f;
    game->render.ClearRecordedDraws();
    board->Draw(0);
    std::vector<const WRECORDED_DRAW*> mine;
    for (const WRECORDED_DRAW& d : game->render.GetRecordedDraws()) {
        if (DrawnFor(d, lifted))
            mine.push_back(&d);
    }
    ASSERT_EQ(mine.size(), 2u);
    EXPECT_EQ(mine[0]->texture, lifted.shadow->GetTexture());
    // Shadow: black, offset by lift * 10 + 2, alpha (1 - lift) * 0.4 + 0.4.
    EXPECT_EQ(mine[0]->colour & 0x00FFFFFFu, 0u);
    EXPECT_EQ(mine[0]->colour >> 24, static_cast<uint32_t>(0.6f * 255));
    EXPECT_FLOAT_EQ(mine[0]->x, lifted.X() + 7.0f);
    EXPECT_EQ(mine[1]->colour, 0xFFFFFFFFu);
    // The lifted piece is drawn after every resting one.
    const WRECORDED_DRAW* last_body = nullptr;
    for (const WRECORDED_DRAW& d : game->render.GetRecordedDraws()) {
        if (d.texture == Piece(3, 2).sprite.GetTexture())
            last_body = &d;
    }
    ASSERT_NE(last_body, nullptr);
    EXPECT_LT(last_body, mine[1]);
}

}  // namespace
}  // namespace GAME
