// The join effects and the board's timers: score number, bullet, pulse and frame wave.
#include "game/board/board_effects.h"
#include "tests/game/board/board_fixture.h"

namespace GAME {
namespace {

TEST(BoardEffects, TheScoreNumberLastsOneSecond) {
    PUZZLE_EXPENSE expense(nullptr, 100.0f, 100.0f, "+13");
    int frames = 0;
    while (expense.Advance(0.1f) != -1 && frames < 100)
        ++frames;
    EXPECT_EQ(frames, 10);
    EXPECT_NEAR(expense.angle, 1.5708f, 1e-4f);  // swelling 1 + 2 sin: three times its size
}

TEST(BoardEffects, TheBulletReachesTheScorePanelInHalfASecond) {
    PARTICLE_BULLET bullet(nullptr, nullptr, 300.0f, 401.0f, 512.0f, 1.0f, 1024);
    float elapsed = 0.0f;
    while (bullet.Advance(0.01f) != -1 && elapsed < 5.0f)
        elapsed += 0.01f;
    EXPECT_NEAR(elapsed, 0.5f, 0.02f);
}

TEST_F(BoardTest, ThePulseLastsASecondAndTheFrameWaveWalksTheRing) {
    MakeBoard();
    board->pulse_group = 3;
    Frames(49);
    EXPECT_EQ(board->pulse_group, 3);
    Frames(2);
    EXPECT_EQ(board->pulse_group, -1);

    ASSERT_EQ(board->BorderRing().size(), 10u);
    EXPECT_EQ(board->BorderRing()[4], &Piece(3, 1));  // after the top row: down the right
    board->wave_index = 0;
    // 0.8 / (rows + cols - 2) = 0.16 s per ring piece: passed on the ninth frame of 0.02 s.
    Frames(10 * 9 - 1);
    EXPECT_EQ(board->wave_index, 9);
    Frames(1);
    EXPECT_EQ(board->wave_index, -2);
}

}  // namespace
}  // namespace GAME
