// The win dialog: the time as it is printed, where the banner and the trophies go for any number
// of new trophies, their pictures, and OK.
#include "game/board/win_dialog.h"

#include <gtest/gtest.h>

#include "engine/ui/buttons.h"
#include "engine/ui/trophy_item.h"
#include "tests/game/board/board_fixture.h"

namespace GAME {
namespace {

using P = PUZZLE_PLAYER_PROFILE;

TEST(WinDialogTime, ShowsHoursOnlyFromOneHourOn) {
    const struct {
        int h, m, s;
        const char* shown;
    } cases[] = {
        {0, 59, 59, "59:59"}, {1, 0, 0, "01:00:00"}, {0, 0, 5, "00:05"}, {12, 3, 4, "12:03:04"}};
    for (const auto& c : cases) {
        EXPECT_EQ(FormatPlayTime(c.h, c.m, c.s), c.shown);
    }
}

class WinDialogTest : public BoardTest {
  protected:
    void SetUp() override {
        BoardTest::SetUp();
        UseGameArt();
        MakeBoard();
    }
    // A record with the first count trophies new (at level 2, the lord at 1).
    static RESULT_RECORD WithTrophies(int count) {
        RESULT_RECORD results;
        results.pieces = 12;
        results.score = 150;
        for (int t = 0; t < count; ++t) {
            results.new_trophy_levels[t] = t == P::kLord ? 1 : 2;
        }
        return results;
    }
};

TEST_F(WinDialogTest, TheBannerMakesRoomForTheTrophiesInTwoRows) {
    // Places relative to the window's centre, in the results' order.
    const std::vector<std::vector<WST::VEC2>> places = {
        {},
        {{0, 105}},
        {{95, 105}, {-95, 105}},
        {{0, 105}, {190, 105}, {-190, 105}},
        {{95, 105}, {-95, 105}, {285, 105}, {-285, 105}},
        {{95, 105}, {-95, 105}, {285, 105}, {-285, 105}, {0, 170}},
        {{95, 105}, {-95, 105}, {285, 105}, {-285, 105}, {190, 170}, {-190, 170}},
        {{95, 105}, {-95, 105}, {285, 105}, {-285, 105}, {190, 170}, {-190, 170}, {0, 170}},
    };
    for (int count = 0; count <= P::kTrophyCount; ++count) {
        board->OpenWinDialog(WithTrophies(count));
        const WDIALOGWIN& dialog = *board->WinDialog();
        EXPECT_EQ(dialog.pos.x, 512.0f);
        EXPECT_EQ(dialog.pos.y, 384.0f);
        const float lift = dialog.QuadHeight() / (count == 0 ? 4.0f : 3.0f);
        EXPECT_EQ(dialog.Banner().pos.y, static_cast<int>(384.0f - lift)) << count;
        EXPECT_EQ(dialog.Banner().pos.x, 512.0f);
        ASSERT_EQ(dialog.Trophies().size(), static_cast<size_t>(count));
        for (int k = 0; k < count; ++k) {
            const TROFEI& trophy = *dialog.Trophies()[k];
            EXPECT_EQ(trophy.pos.x - 512.0f, places[count][k].x) << count << " trophies, #" << k;
            EXPECT_EQ(trophy.pos.y - 384.0f, places[count][k].y) << count << " trophies, #" << k;
            // trofi_<name><level>.png, or the lord's own picture, from the trophy pack.
            EXPECT_NE(trophy.GetTexture(), game->GetRender()->GetDefaultTexture()) << k;
            EXPECT_FALSE(trophy.hint_text.empty());
        }
        const BUTTONACT& ok = dialog.OkButton();
        EXPECT_EQ(ok.pos.y,
                  static_cast<int>(384.0f + dialog.QuadHeight() / 2.0f - ok.QuadHeight() / 4.0f));
    }
}

TEST_F(WinDialogTest, OkLeavesTheGame) {
    board->OpenWinDialog(WithTrophies(3));
    board->finish_index = -2;
    EXPECT_EQ(Frame(), kBoardNothing);
    const BUTTONACT& ok = board->WinDialog()->OkButton();
    driver.Click(static_cast<int>(ok.pos.x), static_cast<int>(ok.pos.y));
    EXPECT_EQ(Frame(), kBoardNothing);
    EXPECT_EQ(Frame(), kBoardLeave);
}

}  // namespace
}  // namespace GAME
