// The fly frame on the board, with the shipped buttons: its place, zooms, dragging and clamping,
// its close button and the picture drawn in it.
#include "engine/ui/buttons.h"
#include "game/board/board_sounds.h"
#include "tests/game/board/board_fixture.h"

namespace GAME {
namespace {

class FlyFrameTest : public BoardTest {
  protected:
    void SetUp() override {
        BoardTest::SetUp();
        UseGameArt();
        MakeBoard();
        ASSERT_NE(board->FlyFrame(), nullptr);
        ASSERT_TRUE(board->ToggleFlyFrame());
    }
    FLUING_FRAME& Fly() { return *board->FlyFrame(); }
    // The pointer comes to rest first: the frame follows a drag by the pointer's motion.
    void Settle(int x, int y) {
        MoveMouse(x, y);
        Frame();
    }
    // One frame per step of (dx, dy) with the button held, as a hand moves.
    void Steps(int count, int dx, int dy) {
        for (int i = 0; i < count; ++i) {
            int x = 0;
            int y = 0;
            input->GetPosition(x, y);
            MoveMouse(x + dx, y + dy);
            Frame();
        }
    }
    int Click(const WSPRITE& button) {
        Settle(static_cast<int>(button.pos.x), static_cast<int>(button.pos.y));
        Press();
        Frame();
        Release();
        return Frame();
    }
};

TEST_F(FlyFrameTest, StartsAtZoomTwoClampedTwentyPixelsShortOfTheRightEdge) {
    // 0.6 of the 240 x 180 picture; asked for x = 1024 - 150, kept at 1024 - 144 - 20.
    EXPECT_EQ(Fly().FrameWidth(), 144);
    EXPECT_EQ(Fly().FrameHeight(), 108);
    EXPECT_FLOAT_EQ(Fly().X(), 860.0f);
    EXPECT_FLOAT_EQ(Fly().Y(), 50.0f);
    EXPECT_TRUE(Fly().Button(0).IsEnabled());
    EXPECT_FALSE(Fly().Button(1).IsEnabled());  // the current zoom's button
    EXPECT_TRUE(Fly().Button(2).IsEnabled());
}

TEST_F(FlyFrameTest, TheZoomButtonsResizeTheFrameAndKeepItOnScreen) {
    const struct {
        int button;
        int width, height;
        float x;
    } cases[] = {
        {2, 216, 162, 1024.0f - 216 - 20},
        {1, 144, 108, 1024.0f - 216 - 20},  // smaller: it stays where it was
        {0, 72, 54, 1024.0f - 216 - 20},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Click(Fly().Button(c.button)), kBoardNothing);
        EXPECT_EQ(Fly().FrameWidth(), c.width) << "x" << c.button + 1;
        EXPECT_EQ(Fly().FrameHeight(), c.height);
        EXPECT_FLOAT_EQ(Fly().X(), c.x);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(Fly().Button(i).IsEnabled(), i != c.button);
    }
}

TEST_F(FlyFrameTest, ADragMovesTheFrameButNotPastTheEdgesAndLeavesThePiecesAlone) {
    const float x0 = Fly().X();
    const float y0 = Fly().Y();
    Settle(static_cast<int>(x0) + 60, static_cast<int>(y0) + 80);
    Press();
    Frame();
    EXPECT_FALSE(board->BandActive());  // the press went to the frame
    Steps(20, -15, 10);
    EXPECT_FLOAT_EQ(Fly().X(), x0 - 300);
    EXPECT_FLOAT_EQ(Fly().Y(), y0 + 200);
    // Dragged on to the right it stops 20 pixels short of the edge, and the pointer leaves it.
    Steps(40, 10, 0);
    EXPECT_FLOAT_EQ(Fly().X(), 1024.0f - 144 - 20);
    EXPECT_FLOAT_EQ(Fly().Y(), y0 + 200);
    Release();
    Frame();
    EXPECT_FALSE(board->BandActive());
    EXPECT_EQ(Count(kSoundPickup), 0);
}

TEST_F(FlyFrameTest, ItsCloseButtonSwitchesItOffAndTellsTheShell) {
    EXPECT_EQ(Click(Fly().Button(3)), kBoardFlyClosed);
    EXPECT_FALSE(board->fly_shown);
    // Off, the frame no longer takes the pointer: a press there starts a band.
    Settle(static_cast<int>(Fly().X()) + 50, static_cast<int>(Fly().Y()) + 50);
    Press();
    Frame();
    EXPECT_TRUE(board->BandActive());
}

TEST_F(FlyFrameTest, ThePictureIsDrawnInTheFrameAtItsZoom) {
    game->render.ClearRecordedDraws();
    board->Draw(0);
    const WRECORDED_DRAW* drawn = nullptr;
    for (const WRECORDED_DRAW& d : game->render.GetRecordedDraws()) {
        if (d.texture == board->picture->GetTexture())
            drawn = &d;
    }
    ASSERT_NE(drawn, nullptr);
    EXPECT_FLOAT_EQ(drawn->corners[0].x, 860.0f);
    EXPECT_FLOAT_EQ(drawn->corners[0].y, 50.0f);
    EXPECT_FLOAT_EQ(drawn->corners[2].x, 860.0f + 144);
    EXPECT_FLOAT_EQ(drawn->corners[2].y, 50.0f + 108);
    // The picture itself is left centred at its own scale for the ghost image.
    EXPECT_FLOAT_EQ(board->picture->scale.x, 1.0f);
    EXPECT_EQ(board->picture->GetCentreX(), kPictureW / 2);
}

}  // namespace
}  // namespace GAME
