// Finishing and keeping games in the real program: a game played to the win dialog is filed in
// the results and the trophy counters; a game kept with Ctrl+Q is on the saved-games page after
// a restart and resumes with its pieces where they were.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/platform/virtual_keys.h"
#include "game/board/pieces_system.h"
#include "game/board/save_file.h"
#include "game/board/win_dialog.h"
#include "game/records/player_settings.h"
#include "game/records/results_file.h"
#include "game/shell/catalogue_frame.h"
#include "game/shell/menu_screen.h"
#include "game/shell/profile.h"
#include "game/shell/saves_list.h"
#include "tests/game/app/game_session.h"
#include "tools/game_driver/solve_script.h"

extern char** environ;

namespace {

// Set for a run of the Ctrl+Q test that leaves its home folder for a test that restarts.
constexpr char kKeepHome[] = "PD_SAVES_KEEP_HOME";
constexpr int kMostFrames = 20000;

class SavesEndToEndTest : public GAME_SESSION {
  protected:
    // The first picture of the book: 12 pieces, not turned.
    void StartAGame(const std::string& home = "") {
        GAME_DRIVER::START start;
        start.user_root = home;
        Start(start);
        Game().Profile().GetSettings()->help_pages = false;
        ClickOn(Game().Menu().Button(GAME::kButtonPlay));
        ASSERT_EQ(Game().State(), GAME::PUZZLE::kPlaying);
        Input().Steps(2);
        ASSERT_EQ(Board().StackSize(), 12);
    }
    GAME::PUZZLE_PIECES_SYSTEM& Board() { return *Game().Board(); }
    std::string PlayerFolder() { return Game().Profile().PlayerFolder(); }
    // Plays on with the solving script until done says so; false when it never did.
    template <class DONE>
    bool SolveUntil(DONE done) {
        SOLVE_SCRIPT solver(Board(), Input());
        for (int frame = 0; frame < kMostFrames; ++frame) {
            if (done()) {
                return true;
            }
            solver.Step();
            driver_.Step();
        }
        return false;
    }
    PUZZLE_PLAYER_PROFILE SavedSettings() {
        PUZZLE_PLAYER_PROFILE settings;
        const std::string bytes = ReadUserFile("Tester/set.bin");
        if (bytes.size() == PUZZLE_PLAYER_PROFILE::kFileSize) {
            uint8_t record[PUZZLE_PLAYER_PROFILE::kFileSize];
            std::copy(bytes.begin(), bytes.end(), record);
            settings.Decode(record);
        }
        return settings;
    }
};

TEST_F(SavesEndToEndTest, AGamePlayedToTheEndIsFiledWithItsTrophyCounters) {
    StartAGame();
    const std::string results = PlayerFolder() + "Progress.xml";
    ASSERT_EQ(AppendResult(results, {"earlier.jpg", 10, 24, false, 60.0}), 1);
    const PUZZLE_PLAYER_PROFILE before = SavedSettings();

    ASSERT_TRUE(SolveUntil([&] { return Board().WinDialog() != nullptr; }))
        << "joins made: " << Board().counters.regCg;
    const GAME::BOARD_COUNTERS counters = Board().counters;
    const std::vector<RESULT_ENTRY> filed = ReadResults(results);
    ASSERT_EQ(filed.size(), 2u);
    EXPECT_EQ(filed[1].face, "aitzgorri.jpg");
    EXPECT_EQ(filed[1].count, 12);
    EXPECT_EQ(filed[1].score, counters.regSc);
    EXPECT_GT(filed[1].score, 0);
    const PUZZLE_PLAYER_PROFILE after = SavedSettings();
    EXPECT_EQ(after.inconstancy, before.inconstancy + 1);
    EXPECT_EQ(after.collector, before.collector + static_cast<uint32_t>(counters.regFinishP));
    EXPECT_EQ(after.jigsaw_master, before.jigsaw_master + static_cast<uint32_t>(counters.regSc));
    EXPECT_EQ(after.trophy_levels[PUZZLE_PLAYER_PROFILE::kInconstancy], 1);

    Input().PressKey(VK_RETURN, 2);  // OK
    EXPECT_EQ(Game().State(), GAME::PUZZLE::kMenu);
    EXPECT_TRUE(Game().Menu().Button(GAME::kButtonScore).IsEnabled());
}

TEST_F(SavesEndToEndTest, CtrlQKeepsTheRunningGame) {
    const char* keep = std::getenv(kKeepHome);
    StartAGame(keep != nullptr ? keep : "");
    ASSERT_TRUE(SolveUntil([&] { return Board().counters.regCg >= 4; }));
    const int joins = Board().counters.regCg;
    Input().KeyDown(VK_CONTROL);
    Input().KeyDown('Q', 2);
    EXPECT_FALSE(Frame().IsRunning());
    const std::optional<GAME::SAVED_PUZZLE> saved =
        GAME::ParseSaveFile(PlayerFolder() + "save1.pzl");
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->counters.regCg, joins);
    EXPECT_FALSE(std::filesystem::exists(PlayerFolder() + "save2.pzl")) << "saved once";
}

TEST_F(SavesEndToEndTest, AKeptGameIsOnItsPageAfterARestartAndResumesInPlace) {
    // The first run is the Ctrl+Q test, in a program of its own that leaves its home folder.
    const SCRATCH_FOLDER home;
    setenv(kKeepHome, home.Root().c_str(), 1);
    std::string filter = "--gtest_filter=SavesEndToEndTest.CtrlQKeepsTheRunningGame";
    std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    char* argv[] = {self.data(), filter.data(), nullptr};
    // In a folder that still exists: an earlier test may have left this process in a removed one.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, home.Root().c_str());
    pid_t child = 0;
    const int spawned = posix_spawn(&child, self.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ASSERT_EQ(spawned, 0);
    unsetenv(kKeepHome);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the first run failed";

    GAME_DRIVER::START start;
    start.user_root = home.Root();
    Start(start);
    const std::string path = PlayerFolder() + "save1.pzl";
    const std::optional<GAME::SAVED_PUZZLE> saved = GAME::ParseSaveFile(path);
    ASSERT_TRUE(saved);
    ASSERT_TRUE(Game().SavesShown());
    Game().SelectPage(Game().SavesPage());
    GAME::SAVES_LIST& saves = Game().Saves();
    ASSERT_EQ(saves.EntryCount(), 1);
    EXPECT_EQ(saves.Entry(0).label.Percent(), GAME::CompletionPercent(saved->counters.regCg, 12));
    EXPECT_GT(saves.Entry(0).label.Percent(), 0);

    ClickOn(Game().Menu().Button(GAME::kButtonPlay));
    ASSERT_EQ(Game().State(), GAME::PUZZLE::kPlaying);
    const GAME::PUZZLE_PIECES_SYSTEM& board = *Game().Board();
    EXPECT_EQ(board.save_path, path);
    EXPECT_EQ(board.counters.regCg, saved->counters.regCg);
    ASSERT_EQ(board.Grid().size(), saved->pieces.size());
    for (size_t i = 0; i < saved->pieces.size(); ++i) {
        EXPECT_EQ(board.Grid()[i]->X(), saved->pieces[i].posx) << i;
        EXPECT_EQ(board.Grid()[i]->Y(), saved->pieces[i].posy) << i;
        EXPECT_EQ(board.Grid()[i]->nstr, saved->pieces[i].nstr) << i;
    }
}

}  // namespace
