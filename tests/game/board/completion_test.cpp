// The completion: the results record, the trophy ladders, and what the board does when a game
// is complete (the pocket, the save file and the win dialog).
#include <filesystem>

#include "engine/platform/virtual_keys.h"
#include "engine/resources/config.h"
#include "engine/ui/buttons.h"
#include "game/board/completion_results.h"
#include "game/board/win_dialog.h"
#include "tests/game/board/board_fixture.h"

namespace GAME {
namespace {

using P = PUZZLE_PLAYER_PROFILE;

TEST(CompletionResults, HoldTheDateThePlayingTimeAndTheCounters) {
    BOARD_COUNTERS counters;
    counters.regSc = 420;
    counters.regPf = 17;
    counters.regH = 2;
    std::tm date{};
    date.tm_mday = 7;
    date.tm_mon = 2;
    date.tm_year = 124;
    const RESULT_RECORD r = ResultsOf(counters, 48, true, date);
    EXPECT_EQ(r.day, 7);
    EXPECT_EQ(r.month, 3);
    EXPECT_EQ(r.year, 2024);
    EXPECT_EQ(r.pieces, 48);
    EXPECT_EQ(r.score, 420);
    EXPECT_EQ(r.bonus, 17);
    EXPECT_EQ(r.hints, 2);
    EXPECT_EQ(r.rotation, 1);
    for (int level : r.new_trophy_levels)
        EXPECT_EQ(level, 0);

    struct CASE {
        float played;
        int hours, minutes, seconds;
    };
    const CASE times[] = {
        {3599.9f, 0, 59, 59}, {3600.0f, 1, 0, 0}, {3725.7f, 1, 2, 5}, {-1.0f, 0, 0, 0}};
    for (const CASE& c : times) {
        counters.regTa = c.played;
        const RESULT_RECORD t = ResultsOf(counters, 48, false, date);
        EXPECT_EQ(t.hours, c.hours) << c.played;
        EXPECT_EQ(t.minutes, c.minutes) << c.played;
        EXPECT_EQ(t.seconds, c.seconds) << c.played;
    }
}

class TrophiesTest : public ::testing::Test {
  protected:
    // The built-in thresholds: collector 10.., jigsaw_master 10000.., endurence 10, 100, 500,
    // 1000, meditation 3600.., inconstancy 1, 5, 10, 20, sage 5, 10, 15, 30, 50, 100.
    const CONFIG::TROFY thresholds;
    BOARD_COUNTERS counters;
    P settings;
    RESULT_RECORD results;
};

TEST_F(TrophiesTest, AFirstGameAddsToEveryTotalAndReportsTheLevelsItReaches) {
    counters.regFinishP = 12;
    counters.regSc = 500;
    counters.regTa = 61.9f;
    counters.regFastGlue = 5;
    EvaluateTrophies(counters, 12, thresholds, settings, results);
    EXPECT_EQ(settings.collector, 12u);
    EXPECT_EQ(settings.jigsaw_master, 500u);
    EXPECT_EQ(settings.meditation, 61);
    EXPECT_EQ(settings.inconstancy, 1);
    const int expected[P::kTrophyCount] = {1, 0, 1, 0, 1, 1, 0};
    for (int t = 0; t < P::kTrophyCount; ++t) {
        EXPECT_EQ(settings.trophy_levels[t], expected[t]) << "trophy " << t;
        EXPECT_EQ(results.new_trophy_levels[t], expected[t]) << "trophy " << t;
    }
}

TEST_F(TrophiesTest, TotalsSetTheirLevelWhilePerGameValuesOnlyRaiseIt) {
    struct CASE {
        const char* what;
        int trophy;
        uint8_t stored;
        uint32_t collector_before;
        int pieces;
        int fast_joins;
        int level;
        int reported;
    };
    const CASE cases[] = {
        {"a total below its stored level drops it", P::kCollector, 3, 0, 12, 0, 1, 1},
        {"an unchanged level is not reported", P::kCollector, 1, 0, 12, 0, 1, 0},
        // Compared unsigned: a total beyond the int range still counts as large.
        {"a huge total", P::kCollector, 0, 3000000000u, 12, 0, 5, 5},
        {"a smaller game keeps the endurence level", P::kEndurence, 3, 0, 120, 0, 3, 0},
        {"a larger game raises it", P::kEndurence, 1, 0, 120, 0, 2, 2},
        {"below the first threshold nothing happens", P::kEndurence, 0, 0, 9, 0, 0, 0},
        {"fewer fast joins keep the sage level", P::kSage, 4, 0, 12, 5, 4, 0},
        {"more raise it", P::kSage, 4, 0, 12, 100, 6, 6},
    };
    for (const CASE& c : cases) {
        settings = P{};
        results = RESULT_RECORD{};
        settings.trophy_levels[c.trophy] = c.stored;
        settings.collector = c.collector_before;
        counters.regFinishP = c.pieces;
        counters.regFastGlue = c.fast_joins;
        EvaluateTrophies(counters, c.pieces, thresholds, settings, results);
        EXPECT_EQ(settings.trophy_levels[c.trophy], c.level) << c.what;
        EXPECT_EQ(results.new_trophy_levels[c.trophy], c.reported) << c.what;
    }
}

TEST_F(TrophiesTest, TheLordTakesTwoHundredPiecesAndNoHelp) {
    struct CASE {
        const char* what;
        int pieces;
        bool pocket, sort;
        int hints;
        uint8_t stored;
        int level;
        int reported;
    };
    const CASE cases[] = {
        {"199 pieces", 199, false, false, 0, 0, 0, 0},
        {"200 pieces", 200, false, false, 0, 0, 1, 1},
        {"the pocket used", 200, true, false, 0, 0, 0, 0},
        {"the sort used", 200, false, true, 0, 0, 0, 0},
        {"a hint used", 200, false, false, 1, 0, 0, 0},
        {"won before", 200, false, false, 0, 1, 1, 0},
    };
    for (const CASE& c : cases) {
        settings = P{};
        results = RESULT_RECORD{};
        settings.trophy_levels[P::kLord] = c.stored;
        counters.regGVN = c.pocket;
        counters.regGVN2 = c.sort;
        counters.regH = c.hints;
        EvaluateTrophies(counters, c.pieces, thresholds, settings, results);
        EXPECT_EQ(settings.trophy_levels[P::kLord], c.level) << c.what;
        EXPECT_EQ(results.new_trophy_levels[P::kLord], c.reported) << c.what;
    }
}

class CompletionTest : public BoardTest {
  protected:
    void SetUp() override {
        BoardTest::SetUp();
        UseGameArt();
        MakeBoard();
    }
    void TearDown() override {
        g_config.trofei_enable = true;
        BoardTest::TearDown();
    }
    // The finish sparkle has run out.
    int Finish() {
        board->counters.regF = 1;
        board->counters.regSc = 250;
        board->finish_index = -2;
        return Frame();
    }
    int PressEnter() {
        KeyDown(VK_RETURN);
        const int result = Frame();
        KeyUp(VK_RETURN);
        Frame();
        return result;
    }
};

TEST_F(CompletionTest, ShutsThePocketDeletesTheSaveAndWaitsForTheDialog) {
    board->save_path = scratch_.Write("game1.pzl", "<Save/>");
    const WBUTTONMAP4& pocket_button = board->Pocket().Button();
    MoveMouse(static_cast<int>(pocket_button.pos.x), static_cast<int>(pocket_button.pos.y));
    Press();
    Frame();
    Release();
    Frame();
    ASSERT_TRUE(board->Pocket().IsOpen());
    EXPECT_EQ(Finish(), kBoardFinished);
    EXPECT_FALSE(board->Pocket().IsOpen());
    EXPECT_TRUE(board->Pocket().IsSliding());
    EXPECT_FALSE(std::filesystem::exists(board->save_path));
    ASSERT_NE(board->WinDialog(), nullptr);
    EXPECT_EQ(board->WinDialog()->Results().pieces, 12);
    EXPECT_EQ(board->WinDialog()->Results().score, 250);
    EXPECT_EQ(settings.inconstancy, 1);
    // Once only: the dialog now waits for the player.
    EXPECT_EQ(Frame(), kBoardNothing);
    EXPECT_EQ(settings.inconstancy, 1);
    EXPECT_EQ(PressEnter(), kBoardLeave);
}

TEST_F(CompletionTest, WithTrophiesOffTheResultsAreFilledAndNoCounterChanges) {
    g_config.trofei_enable = false;
    board->counters.regFastGlue = 50;
    EXPECT_EQ(Finish(), kBoardFinished);
    ASSERT_NE(board->WinDialog(), nullptr);
    const RESULT_RECORD& results = board->WinDialog()->Results();
    EXPECT_EQ(results.pieces, 12);
    EXPECT_EQ(results.score, 250);
    for (int level : results.new_trophy_levels)
        EXPECT_EQ(level, 0);
    EXPECT_EQ(settings.inconstancy, 0);
    EXPECT_EQ(settings.trophy_levels[P::kSage], 0);
}

}  // namespace
}  // namespace GAME
