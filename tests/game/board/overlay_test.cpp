// The board's overlay step: the resolution message that holds play, and the magnifier's lens.
#include "engine/platform/virtual_keys.h"
#include "engine/ui/buttons.h"
#include "game/board/resolution_message.h"
#include "tests/game/board/board_fixture.h"

namespace GAME {
namespace {

class OverlayTest : public BoardTest {
  protected:
    void SetUp() override {
        BoardTest::SetUp();
        MakeBoard();
    }
    void TearDown() override {
        // The lens test widens the window; other tests expect it at the logical size.
        game->render.ResetMode(1024, 768, false);
        game->render.SetLogicalSize(1024, 768);
        BoardTest::TearDown();
    }
    int Click(const WSPRITE& button) {
        MoveMouse(static_cast<int>(button.pos.x), static_cast<int>(button.pos.y));
        Press();
        Frame();
        Release();
        return Frame();
    }
    std::vector<WRECORDED_DRAW> OverlayDraws() {
        game->render.ClearRecordedDraws();
        board->DrawOverlay();
        return game->render.GetRecordedDraws();
    }
};

TEST_F(OverlayTest, TheResolutionMessageHoldsPlayAndIgnoresKeys) {
    board->OpenResolutionMessage();
    ASSERT_NE(board->ResolutionMessage(), nullptr);
    const float played = board->counters.regTa;
    for (int key : {VK_RETURN, VK_ESCAPE}) {
        KeyDown(key);
        EXPECT_EQ(Frame(), kBoardNothing);
        KeyUp(key);
        Frame();
    }
    EXPECT_NE(board->ResolutionMessage(), nullptr);
    EXPECT_FLOAT_EQ(board->counters.regTa, played);
    EXPECT_FALSE(OverlayDraws().empty());

    EXPECT_EQ(Click(board->ResolutionMessage()->OkButton()), kBoardNothing);
    EXPECT_EQ(board->ResolutionMessage(), nullptr);
    Frame();
    EXPECT_GT(board->counters.regTa, played);
}

TEST_F(OverlayTest, CancellingTheResolutionMessageLeavesTheGame) {
    board->OpenResolutionMessage();
    EXPECT_EQ(Click(board->ResolutionMessage()->CancelButton()), kBoardLeave);
}

TEST_F(OverlayTest, TheLensShowsTheLetterBoxedSceneAroundThePointer) {
    EXPECT_TRUE(OverlayDraws().empty());
    // A 1280 x 768 window shows the 1024 x 768 screen 128 pixels from its left edge.
    game->render.ResetMode(1280, 768, false);
    game->render.SetLogicalSize(1024, 768);
    board->ToggleMagnifier();
    MoveMouse(512, 384);
    Frame();
    const std::vector<WRECORDED_DRAW> draws = OverlayDraws();
    ASSERT_EQ(draws.size(), 5u);
    const WRECORDED_DRAW& lens = draws[0];
    EXPECT_EQ(lens.texture, game->render.GetSceneTexture());
    EXPECT_FLOAT_EQ(lens.corners[0].x, 412.0f);
    EXPECT_FLOAT_EQ(lens.corners[0].y, 309.0f);
    EXPECT_FLOAT_EQ(lens.corners[2].x, 612.0f);
    EXPECT_FLOAT_EQ(lens.corners[2].y, 459.0f);
    EXPECT_FLOAT_EQ(lens.corners[0].u, (128.0f + 442.0f) / 1280.0f);
    EXPECT_FLOAT_EQ(lens.corners[2].u, (128.0f + 582.0f) / 1280.0f);
    EXPECT_FLOAT_EQ(lens.corners[0].v, 331.5f / 768.0f);
    EXPECT_FLOAT_EQ(lens.corners[2].v, 436.5f / 768.0f);
    for (size_t i = 1; i < draws.size(); ++i) {
        EXPECT_EQ(draws[i].kind, WRECORDED_DRAW::kLine);
        EXPECT_EQ(draws[i].colour, 0xFF1A4780u);
    }

    // In a corner the outline keeps a pixel inside the screen.
    MoveMouse(5, 5);
    Frame();
    const std::vector<WRECORDED_DRAW> corner = OverlayDraws();
    ASSERT_EQ(corner.size(), 5u);
    EXPECT_FLOAT_EQ(corner[1].corners[0].x, 1.0f);
    EXPECT_FLOAT_EQ(corner[1].corners[0].y, 1.0f);
    EXPECT_FLOAT_EQ(corner[1].corners[1].x, 105.0f);
}

}  // namespace
}  // namespace GAME
