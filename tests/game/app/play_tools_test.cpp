// The play panel's tools in the real program: the pocket opened through its button, a piece
// parked in it and the drawer shut again; a hint whose two pieces blink; the sort.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "game/board/pieces_system.h"
#include "game/board/play_panel.h"
#include "game/board/pocket.h"
#include "game/board/puzzle_piece.h"
#include "game/records/player_settings.h"
#include "game/shell/menu_screen.h"
#include "game/shell/profile.h"
#include "tests/game/app/game_session.h"

namespace {

class PlayToolsTest : public GAME_SESSION {
  protected:
    // The 12-piece landscape in play, its pieces dealt and at rest.
    void SetUp() override {
        GAME_SESSION::SetUp();
        Start(GAME_DRIVER::START{});
        Game().Profile().GetSettings()->help_pages = false;
        ClickOn(Game().Menu().Button(GAME::kButtonPlay));
        ASSERT_EQ(Game().State(), GAME::PUZZLE::kPlaying);
        driver_.Run(3.0f);
        ASSERT_EQ(Board().state, GAME::kStatePlay);
    }
    GAME::PUZZLE_PIECES_SYSTEM& Board() { return *Game().Board(); }
    GAME::PUZZLE_POCKET& Pocket() { return Board().Pocket(); }
    const BUTTONACT& PanelButton(int answer) { return Game().PlayPanel()->Button(answer); }
    // The topmost piece clear of the open drawer, which covers the board's top-left corner.
    GAME::PUZZLE_PIECE& AFreePiece() {
        for (int i = 0; i < Board().StackSize(); ++i) {
            GAME::PUZZLE_PIECE& piece = *Board().StackAt(i);
            if (piece.X() > Pocket().Width() + kClear || piece.Y() > Pocket().Height() + kClear) {
                return piece;
            }
        }
        ADD_FAILURE() << "every piece lies under the drawer";
        return *Board().StackAt(0);
    }
    static constexpr float kClear = 60.0f;  // pixels: more than half a piece
    std::vector<GAME::PUZZLE_PIECE*> Blinking() {
        std::vector<GAME::PUZZLE_PIECE*> blinking;
        for (GAME::PUZZLE_PIECE* piece : Board().Grid()) {
            if (piece->hint_blink) {
                blinking.push_back(piece);
            }
        }
        return blinking;
    }
};

TEST_F(PlayToolsTest, APieceIsParkedInThePocketAndTheDrawerShutsOverIt) {
    ClickOn(Pocket().Button());
    driver_.Run(1.0f);
    ASSERT_TRUE(Pocket().IsOpen());
    GAME::PUZZLE_PIECE& piece = AFreePiece();
    // Over the open drawer, which covers the top-left corner of the board.
    driver_.Drag(static_cast<int>(piece.X()), static_cast<int>(piece.Y()), 250, 180, 8);
    driver_.Run(0.5f);
    EXPECT_EQ(piece.BK, 1) << "dropped over the open drawer, the piece is parked";

    ClickOn(Pocket().Button());
    driver_.Run(1.0f);
    EXPECT_FALSE(Pocket().IsOpen());
    EXPECT_EQ(piece.BK, 1) << "the shut drawer keeps it";
}

TEST_F(PlayToolsTest, TheHintMakesTwoPiecesBlinkAndTheSortLeavesEveryPieceInPlay) {
    ClickOn(PanelButton(PLAY_PANEL::kHint));
    driver_.Run(0.2f);
    EXPECT_TRUE(Board().hint_active);
    const std::vector<GAME::PUZZLE_PIECE*> pair = Blinking();
    ASSERT_EQ(pair.size(), 2u);
    EXPECT_EQ(std::abs(pair[0]->col - pair[1]->col) + std::abs(pair[0]->row - pair[1]->row), 1)
        << "the two pieces are neighbours";

    ClickOn(PanelButton(PLAY_PANEL::kSort));
    driver_.Run(2.0f);
    EXPECT_TRUE(Board().counters.regGVN2) << "the sort ran";
    EXPECT_TRUE(Blinking().empty()) << "any tool ends the hint";
    const auto& area = Board().play_area;
    for (const GAME::PUZZLE_PIECE* piece : Board().Grid()) {
        EXPECT_GE(piece->X(), area.left);
        EXPECT_LE(piece->X(), area.right);
        EXPECT_GE(piece->Y(), area.top);
        EXPECT_LE(piece->Y(), area.bottom);
    }
}

}  // namespace
