// The play panel with the shipped buttons and font: its row, the wave under the pointer,
// tooltips, answers and looks; and the frame of panel and board that the shell runs.
#include "game/board/play_panel.h"

#include "engine/platform/virtual_keys.h"
#include "engine/resources/config.h"
#include "engine/text/font.h"
#include "engine/ui/buttons.h"
#include "engine/ui/shared_items.h"
#include "game/board/board_sounds.h"
#include "game/board/panel_answers.h"
#include "tests/game/board/board_fixture.h"

namespace GAME {
namespace {

class PlayPanelTest : public BoardTest {
  protected:
    static constexpr int kPanelX = 512;
    static constexpr int kPanelY = 744;  // 0.97 of 768, truncated

    void SetUp() override {
        BoardTest::SetUp();
        UseGameArt();
        MakeBoard();
        g_file_system.SelectPack(g_resources.packs.fonts_pack);
        font = std::make_unique<WFONT>(game->render, g_resources.fonts.font.var);
        g_fonts[1] = font.get();
        g_file_system.SelectPack(g_resources.packs.level_pack);
        panel = std::make_unique<PLAY_PANEL>(g_resources.play_panel.panel);
        g_file_system.UnselectPack();
        panel->SetPosition(kPanelX, kPanelY);
        MoveMouse(kPanelX, 100);
        Step();
    }
    void TearDown() override {
        panel.reset();
        g_fonts[1] = nullptr;
        BoardTest::TearDown();
    }

    // One frame as the shell runs it, without the windows: what the panel and the board said.
    PLAY_FRAME Step() {
        Frame();
        return frame_;
    }
    int UpdateStep() override {
        if (panel == nullptr)
            return BoardTest::UpdateStep();
        frame_ = {};
        if (!PressEndsMagnifier(*input, *board, *panel))
            frame_ = UpdatePanelAndBoard(*board, *panel);
        return frame_.result;
    }
    const BUTTONACT& Button(int answer) const { return panel->Button(answer); }
    // The pointer rests on the button, is pressed and released there: the release's frame.
    PLAY_FRAME Click(int answer) {
        MoveMouse(static_cast<int>(Button(answer).pos.x), kPanelY);
        Step();
        Press();
        Step();
        Release();
        return Step();
    }
    bool Pressed(int answer) const { return !Button(answer).IsEnabled(); }

    std::unique_ptr<PLAY_PANEL> panel;
    std::unique_ptr<WFONT> font;

  private:
    PLAY_FRAME frame_;
};

TEST_F(PlayPanelTest, TheButtonsStandInTheirRowAtRestAwayFromThePointer) {
    const struct {
        int answer;
        float offset;
    } row[] = {
        {PLAY_PANEL::kFlyFrame, -340.0f},  {PLAY_PANEL::kGhostImage, -255.0f},
        {PLAY_PANEL::kMagnifier, -170.0f}, {PLAY_PANEL::kBorderFilter, -85.0f},
        {PLAY_PANEL::kHint, 0.0f},         {PLAY_PANEL::kSort, 85.0f},
        {PLAY_PANEL::kOptions, 212.5f},    {PLAY_PANEL::kExit, 306.0f},
    };
    for (const auto& b : row) {
        EXPECT_FLOAT_EQ(Button(b.answer).pos.x, kPanelX + b.offset) << b.answer;
        EXPECT_FLOAT_EQ(Button(b.answer).pos.y, kPanelY) << b.answer;
        EXPECT_FLOAT_EQ(Button(b.answer).scale.y, 0.7f) << b.answer;
    }
    // The panel image is shown from 5 % of its height down.
    EXPECT_FLOAT_EQ(panel->quad.corners[0].v, 0.05f);
}

TEST_F(PlayPanelTest, TheButtonUnderThePointerSwellsRisesAndPushesItsNeighboursAside) {
    const struct {
        int answer;
        int pushed_left;   // answer of the neighbour pushed left, 0 for none
        int pushed_right;  // of the neighbour pushed right
        int standing;      // a neighbour that stands apart and is not pushed
    } cases[] = {
        {PLAY_PANEL::kHint, PLAY_PANEL::kBorderFilter, PLAY_PANEL::kSort, 0},
        {PLAY_PANEL::kOptions, 0, PLAY_PANEL::kExit, PLAY_PANEL::kSort},
        {PLAY_PANEL::kSort, PLAY_PANEL::kHint, 0, PLAY_PANEL::kOptions},
    };
    for (const auto& c : cases) {
        MoveMouse(kPanelX, 100);
        Step();
        const float rest_x[9] = {0,
                                 Button(1).pos.x,
                                 Button(2).pos.x,
                                 Button(3).pos.x,
                                 Button(4).pos.x,
                                 Button(5).pos.x,
                                 Button(6).pos.x,
                                 Button(7).pos.x,
                                 Button(8).pos.x};
        MoveMouse(static_cast<int>(rest_x[c.answer]), kPanelY);
        EXPECT_EQ(Step().answer, PLAY_PANEL::kNothing);
        // On its centre (to the pixel): distance 0, so scale 1.4, 45 * 0.7 up and the
        // neighbours 20 * 0.7 aside.
        EXPECT_NEAR(Button(c.answer).scale.y, 1.4f, 0.01f) << c.answer;
        EXPECT_NEAR(Button(c.answer).pos.y, kPanelY - 31.5f, 0.5f) << c.answer;
        if (c.pushed_left != 0) {
            EXPECT_NEAR(Button(c.pushed_left).pos.x, rest_x[c.pushed_left] - 14.0f, 0.5f);
        }
        if (c.pushed_right != 0) {
            EXPECT_NEAR(Button(c.pushed_right).pos.x, rest_x[c.pushed_right] + 14.0f, 0.5f);
        }
        if (c.standing != 0) {
            EXPECT_FLOAT_EQ(Button(c.standing).pos.x, rest_x[c.standing]) << c.answer;
        }
    }
}

TEST_F(PlayPanelTest, AHoveredButtonShowsItsTooltipWithAShadow) {
    MoveMouse(static_cast<int>(Button(PLAY_PANEL::kSort).pos.x), kPanelY);
    Step();
    Step();
    EXPECT_TRUE(Button(PLAY_PANEL::kSort).IsHintShown());
    EXPECT_FALSE(Button(PLAY_PANEL::kHint).IsHintShown());
    game->render.ClearRecordedDraws();
    panel->DrawHints();
    const std::vector<WRECORDED_DRAW>& draws = game->render.GetRecordedDraws();
    ASSERT_GE(draws.size(), 3u);
    EXPECT_EQ(draws[0].colour, 0x88000000u);  // the shadow, then the box
    EXPECT_EQ(draws[1].colour, static_cast<uint32_t>(g_config.button_hint_color_back));
    EXPECT_EQ(draws[1].outline_colour, static_cast<uint32_t>(g_config.button_hint_color_border));
    EXPECT_EQ(draws[2].texture, font->PageTexture());
}

TEST_F(PlayPanelTest, ToolButtonsShowTheToolsStateAndStillClick) {
    const struct {
        int answer;
        const bool PUZZLE_PIECES_SYSTEM::*state;
    } toggles[] = {
        {PLAY_PANEL::kGhostImage, &PUZZLE_PIECES_SYSTEM::ghost_image},
        {PLAY_PANEL::kBorderFilter, &PUZZLE_PIECES_SYSTEM::border_filter},
        {PLAY_PANEL::kFlyFrame, &PUZZLE_PIECES_SYSTEM::fly_shown},
        {PLAY_PANEL::kMagnifier, &PUZZLE_PIECES_SYSTEM::magnifier_on},
    };
    for (const auto& t : toggles) {
        EXPECT_EQ(Click(t.answer).answer, t.answer);
        EXPECT_TRUE((*board).*t.state) << t.answer;
        EXPECT_TRUE(Pressed(t.answer)) << t.answer;
        // The fourth frame of the strip shows it.
        EXPECT_FLOAT_EQ(Button(t.answer).quad.corners[0].u, 0.75f);
        if (t.answer == PLAY_PANEL::kMagnifier) {
            // Any press switches the magnifier off, on the panel too; that press is spent.
            MoveMouse(static_cast<int>(Button(t.answer).pos.x), kPanelY);
            Step();
            Press();
            EXPECT_EQ(Step().answer, PLAY_PANEL::kNothing);
            Release();
            EXPECT_EQ(Step().answer, PLAY_PANEL::kNothing);
        } else {
            EXPECT_EQ(Click(t.answer).answer, t.answer);
        }
        EXPECT_FALSE((*board).*t.state) << t.answer;
        EXPECT_FALSE(Pressed(t.answer)) << t.answer;
    }
}

TEST_F(PlayPanelTest, AHeldButtonClearsTheHintAndFreezesTheBoard) {
    ASSERT_TRUE(board->Hint());
    PUZZLE_PIECE& flying = Piece(2, 2);
    flying.SetTarget(900, 600);
    const float x = flying.X();
    const float played = board->counters.regTa;
    // Held on a tool that is on as well as on one that is off: the board never sees the press.
    ASSERT_EQ(Click(PLAY_PANEL::kGhostImage).answer, PLAY_PANEL::kGhostImage);
    for (int answer : {PLAY_PANEL::kGhostImage, PLAY_PANEL::kSort}) {
        MoveMouse(static_cast<int>(Button(answer).pos.x), kPanelY);
        Step();
        Press();
        for (int frame = 0; frame < 5; ++frame)
            EXPECT_EQ(Step().answer, PLAY_PANEL::kButtonHeld) << answer;
        EXPECT_FALSE(board->hint_active);
        EXPECT_FALSE(board->BandActive());
        Release();
        EXPECT_EQ(Step().answer, answer);
    }
    EXPECT_FLOAT_EQ(board->counters.regTa, played + 3 * kStep);  // the three pointer moves
    // It flew 400 pixels a second, only in the frames the board ran.
    EXPECT_NEAR(flying.X(), x + 3 * kStep * 400.0f, 0.01f);
}

TEST_F(PlayPanelTest, EscapeAsksToLeaveAndAnInactivePanelAnswersNothing) {
    KeyDown(VK_ESCAPE);
    EXPECT_EQ(Step().answer, PLAY_PANEL::kExit);
    EXPECT_EQ(Step().answer, PLAY_PANEL::kNothing);  // held: once only
    KeyUp(VK_ESCAPE);
    Step();

    board->counters.regF = 1;
    EXPECT_EQ(Step().result, kBoardAssembled);
    EXPECT_FALSE(panel->IsActive());
    KeyDown(VK_ESCAPE);
    EXPECT_EQ(Step().answer, PLAY_PANEL::kNothing);
    KeyUp(VK_ESCAPE);
    EXPECT_EQ(Click(PLAY_PANEL::kHint).answer, PLAY_PANEL::kNothing);
}

TEST_F(PlayPanelTest, TheBorderButtonChangesNothingOnceTheFrameIsComplete) {
    board->wave_index = -2;
    sounds.clear();
    EXPECT_EQ(Click(PLAY_PANEL::kBorderFilter).answer, PLAY_PANEL::kBorderFilter);
    EXPECT_FALSE(board->border_filter);
    EXPECT_FALSE(Pressed(PLAY_PANEL::kBorderFilter));
    EXPECT_EQ(Count(kSoundToolsOn), 0);
}

TEST_F(PlayPanelTest, TheHintButtonStaysDownOnlyWhileAHintShows) {
    EXPECT_EQ(Click(PLAY_PANEL::kHint).answer, PLAY_PANEL::kHint);
    EXPECT_TRUE(board->hint_active);
    EXPECT_TRUE(Pressed(PLAY_PANEL::kHint));
    // Right-clicking empty space ends the hint: the board says so and the button comes up.
    board->rt = true;
    MoveMouse(900, 100);
    Step();
    Press(WINPUT::kRight);
    EXPECT_EQ(Step().result, kBoardHintCleared);
    Release(WINPUT::kRight);
    Step();
    EXPECT_FALSE(Pressed(PLAY_PANEL::kHint));

    // No pair left: every piece but one in a group, that one parked in the shut pocket.
    for (PUZZLE_PIECE* p : board->Grid())
        p->nstr = 1;
    Piece(1, 1).nstr = 0;
    Piece(1, 1).BK = 1;
    board->counters.regF = 2;
    EXPECT_EQ(Click(PLAY_PANEL::kHint).answer, PLAY_PANEL::kHint);
    EXPECT_FALSE(board->hint_active);
    EXPECT_FALSE(Pressed(PLAY_PANEL::kHint));
}

TEST_F(PlayPanelTest, TheBoardReleasesTheButtonsOfTheToolsItSwitchesOff) {
    ASSERT_EQ(Click(PLAY_PANEL::kFlyFrame).answer, PLAY_PANEL::kFlyFrame);
    ASSERT_TRUE(Pressed(PLAY_PANEL::kFlyFrame));
    const WBUTTONMAP4& close = board->FlyFrame()->Button(3);
    MoveMouse(static_cast<int>(close.pos.x), static_cast<int>(close.pos.y));
    Step();
    Press();
    Step();
    Release();
    EXPECT_EQ(Step().result, kBoardFlyClosed);
    EXPECT_FALSE(Pressed(PLAY_PANEL::kFlyFrame));

    // The completed frame switches the border filter off.
    ASSERT_EQ(Click(PLAY_PANEL::kBorderFilter).answer, PLAY_PANEL::kBorderFilter);
    ASSERT_TRUE(Pressed(PLAY_PANEL::kBorderFilter));
    PUZZLE_PIECE& a = Piece(0, 0);
    PUZZLE_PIECE& b = Piece(1, 0);
    board->counters.regBr = 2;  // one join of two edge pieces completes the frame
    MoveMouse(static_cast<int>(b.X()), static_cast<int>(b.Y()));
    Step();
    Press();
    Step();
    MoveMouse(static_cast<int>(a.X()) + b.cellW, static_cast<int>(a.Y()));
    Step();
    Release();
    Step();
    EXPECT_EQ(Step().result, kBoardBorderFilterOff);
    EXPECT_FALSE(Pressed(PLAY_PANEL::kBorderFilter));
}

}  // namespace
}  // namespace GAME
