// What the menu keeps of finished games: the result filed once per game, the score button, the
// score board, the leader board over every player and the trophy panel.
#include <filesystem>
#include <string>

#include "engine/platform/virtual_keys.h"
#include "engine/resources/config.h"
#include "engine/ui/buttons.h"
#include "engine/ui/sliders.h"
#include "engine/ui/trophy_item.h"
#include "game/board/pieces_system.h"
#include "game/records/results_file.h"
#include "game/shell/leader_board.h"
#include "game/shell/menu_screen.h"
#include "game/shell/score_board.h"
#include "game/shell/trophy_panel.h"
#include "tests/game/shell/shell_fixture.h"

namespace GAME {
namespace {

using P = PUZZLE_PLAYER_PROFILE;

class RecordsWindowsTest : public GameShellTest {
  protected:
    void SetUp() override {
        GameShellTest::SetUp();
        Settings().help_pages = false;
        Image(560, 420, 0xFF998877, "DATA/gui/score_fon.png");
        Image(600, 80, 0xFF998866, "DATA/gui/liderboard_fon.png");
        Image(560, 50, 0xFF998855, "DATA/gui/liderboard_tablica.png");
        Image(560, 50, 0xFF998844, "DATA/gui/under_table.png");
        std::filesystem::create_directories(FolderPath("DATA/trofei"));
        for (const char* name : {"window_standart.png", "button_ok.png"}) {
            std::filesystem::copy_file(FolderPath(std::string("DATA/gui/") + name),
                                       FolderPath(std::string("DATA/trofei/") + name));
        }
    }
    std::string ResultsPath() const { return root + "Tester/Progress.xml"; }
    void WriteResults(const std::string& xml) const {
        WFILE_SYSTEM::WriteStream(ResultsPath(), xml.data(), xml.size());
    }
    // A player folder with a settings file holding that score (none for a negative score).
    void AddPlayer(const std::string& name, int64_t score) const {
        std::filesystem::create_directories(root + name);
        if (score >= 0) {
            P record;
            record.jigsaw_master = static_cast<uint32_t>(score);
            uint8_t bytes[P::kFileSize];
            record.Encode(bytes);
            WFILE_SYSTEM::WriteStream(root + name + "/set.bin", bytes, sizeof bytes);
        }
    }
    // Plays the catalogue's game to its end: the finish runs out and the board reports it.
    void FinishAGame() {
        puzzle->Play();
        Step();  // builds the pieces
        PUZZLE_PIECES_SYSTEM& board = *puzzle->Board();
        board.counters.regF = 1;
        board.counters.regCg = 11;
        board.counters.regSc = 150;
        board.counters.regTa = 300.0f;
        board.finish_index = -2;
        Step();
        ASSERT_NE(board.WinDialog(), nullptr);
    }
};

TEST_F(RecordsWindowsTest, AFinishedGameIsFiledOnceAndThenTheScoreButtonWorks) {
    EXPECT_FALSE(puzzle->Menu().Button(kButtonScore).IsEnabled());
    FinishAGame();
    puzzle->SaveResult();  // a second report of the same game
    const std::vector<RESULT_ENTRY> results = ReadResults(ResultsPath());
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].face, "t.png");
    EXPECT_EQ(results[0].score, 150);
    EXPECT_EQ(results[0].count, 12);
    EXPECT_DOUBLE_EQ(results[0].time, 300.0);
    // The trophy counters the completion changed are in "set.bin".
    EXPECT_EQ(SavedSettings().inconstancy, 1);
    EXPECT_EQ(SavedSettings().jigsaw_master, 150u);

    Press(VK_RETURN);  // OK in the win dialog
    ASSERT_EQ(puzzle->State(), PUZZLE::kMenu);
    EXPECT_TRUE(puzzle->Menu().Button(kButtonScore).IsEnabled());
    ClickOn(puzzle->Menu().Button(kButtonScore));
    ASSERT_NE(puzzle->ScoreBoard(), nullptr);
    EXPECT_EQ(puzzle->ScoreBoard()->RowCount(), 1);
    Press(VK_RETURN);
    EXPECT_EQ(puzzle->ScoreBoard(), nullptr);
}

TEST_F(RecordsWindowsTest, AFinishedGameIsNotKept) {
    FinishAGame();
    puzzle->OpenQuitQuestion();
    Press(VK_RETURN);
    ASSERT_TRUE(puzzle->SaveQuestionOpen());
    Press(VK_RETURN);  // "save"
    EXPECT_EQ(puzzle->State(), PUZZLE::kMenu);
    EXPECT_TRUE(WFILE_SYSTEM::FindFiles(root + "Tester", "*.pzl", 0).empty());
}

TEST_F(RecordsWindowsTest, TheScoreBoardShowsEveryResultAndScrollsPastThree) {
    WriteResults(R"(<root>
        <element face="t.png" score="10" count="12" rotata="false" time="3725.7"/>
        <element face="t.png" score="20" count="24" rotata="true" time="59"/>
        <element face="missing.png" score="30" count="35" rotata="false" time="-4"/>
    </root>)");
    puzzle->OpenScoreBoard();
    SCORE_BOARD& board = *puzzle->ScoreBoard();
    ASSERT_EQ(board.RowCount(), 3);
    EXPECT_EQ(board.Row(0).Number(), 1);
    EXPECT_EQ(board.Row(0).Results().minutes, 62);
    EXPECT_EQ(board.Row(0).Results().seconds, 5);
    EXPECT_EQ(board.Row(0).Results().hours, 0);
    EXPECT_EQ(board.Row(1).Results().pieces, 24);
    EXPECT_EQ(board.Row(2).Results().seconds, 0);
    // One texture a thumbnail, its longer side 130 pixels.
    EXPECT_EQ(board.Row(0).Thumbnail().GetTexture(), board.Row(1).Thumbnail().GetTexture());
    EXPECT_EQ(board.Row(0).Thumbnail().QuadWidth(), 130.0f);
    EXPECT_EQ(board.Row(0).Thumbnail().QuadHeight(), 97.0f);
    EXPECT_EQ(board.Row(2).Thumbnail().GetTexture(), render->GetDefaultTexture());
    EXPECT_EQ(board.ScrollBar().GetMax(), 0.0f);

    RESULT_RECORD fourth;
    board.AddRow(fourth, "t.png");
    EXPECT_EQ(board.Row(3).Number(), 4);
    EXPECT_EQ(board.ScrollBar().GetMax(), 1.0f);
    EXPECT_EQ(board.RowY(1) - board.RowY(0), 140);

    // Opening it again closes it; a results file that does not parse gives an empty board.
    puzzle->OpenScoreBoard();
    EXPECT_EQ(puzzle->ScoreBoard(), nullptr);
    WriteResults("<root><element");
    puzzle->OpenScoreBoard();
    EXPECT_EQ(puzzle->ScoreBoard()->RowCount(), 0);
}

TEST_F(RecordsWindowsTest, TheLeaderBoardRanksEveryPlayerWithASettingsFile) {
    AddPlayer("ann", 900);
    AddPlayer("bob", 500);
    AddPlayer("cyd", -1);  // never played: no settings file
    AddPlayer("dee", 20);
    AddPlayer("eve", 500);
    AddPlayer("fay", 7);
    Settings().jigsaw_master = 500;  // the current player's, not saved yet
    ClickOn(puzzle->Menu().Button(kButtonTop));
    ASSERT_NE(puzzle->LeaderBoard(), nullptr);
    const std::vector<LIDER_BOARD::ENTRY>& entries = puzzle->LeaderBoard()->Entries();
    std::vector<std::string> names;
    for (const auto& entry : entries) {
        names.push_back(entry.name);
    }
    // Equal scores keep the order of the folder listing.
    EXPECT_EQ(names, (std::vector<std::string>{"ann", "Tester", "bob", "eve", "dee", "fay"}));
    EXPECT_EQ(entries[1].score, 500u);
    EXPECT_EQ(puzzle->LeaderBoard()->ScrollBar().GetMax(), 1.0f);
    Press(VK_RETURN);
    EXPECT_EQ(puzzle->LeaderBoard(), nullptr);
}

TEST_F(RecordsWindowsTest, TheTrophyPanelShowsEachTrophyAtItsLevelOrFaint) {
    Settings().trophy_levels[P::kCollector] = 2;
    Settings().trophy_levels[P::kSage] = 9;  // beyond the ladder
    Settings().trophy_levels[P::kLord] = 1;
    ClickOn(puzzle->Menu().Button(kButtonTrophy));
    ASSERT_NE(puzzle->TrophyPanel(), nullptr);
    const WUN::TROFEI_PANEL& panel = *puzzle->TrophyPanel();
    for (int t = 0; t < P::kTrophyCount; ++t) {
        const bool earned = t == P::kCollector || t == P::kSage || t == P::kLord;
        EXPECT_EQ(panel.Trophy(t).GetColour() == WUN::TROFEI_PANEL::kFaint, !earned) << t;
        EXPECT_FALSE(panel.Trophy(t).hint_text.empty()) << t;
    }
    // Two rows around the centre: four above, three below.
    EXPECT_EQ(panel.Trophy(P::kInconstancy).pos.x, 512.0f);
    EXPECT_EQ(panel.Trophy(P::kInconstancy).pos.y, 484.0f);
    EXPECT_LT(panel.Trophy(P::kMeditation).pos.x, panel.Trophy(P::kCollector).pos.x);
    EXPECT_LT(panel.Trophy(P::kJigsawMaster).pos.x, panel.Trophy(P::kEndurence).pos.x);
    EXPECT_EQ(panel.Trophy(P::kCollector).pos.y, 284.0f);
    Press(VK_RETURN);
    EXPECT_EQ(puzzle->TrophyPanel(), nullptr);

    // Trophies off: the button is gone and its place opens nothing.
    g_config.trofei_enable = false;
    ClickOn(puzzle->Menu().Button(kButtonTrophy));
    g_config.trofei_enable = true;
    EXPECT_EQ(puzzle->TrophyPanel(), nullptr);
}

}  // namespace
}  // namespace GAME
