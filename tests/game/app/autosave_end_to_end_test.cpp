// The autosave in the real program: written after a minute of play and when the window loses
// focus, it survives the program being killed and is offered at the next start, while the
// player's own save stays as it was; a finished game and one left unsaved take only their own
// autosave with them.
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>

#include "engine/platform/virtual_keys.h"
#include "game/board/pieces_system.h"
#include "game/board/save_file.h"
#include "game/board/win_dialog.h"
#include "game/shell/autosave.h"
#include "game/shell/catalogue_frame.h"
#include "game/shell/difficulty_dialog.h"
#include "game/shell/menu_screen.h"
#include "game/shell/profile.h"
#include "game/shell/saves_list.h"
#include "tests/game/app/game_session.h"
#include "tools/game_driver/solve_script.h"

namespace {

namespace fs = std::filesystem;

constexpr int kMostFrames = 20000;

class AutosaveEndToEndTest : public GAME_SESSION {
  protected:
    void StartIn(const std::string& home) {
        GAME_DRIVER::START start;
        start.user_root = home;
        Start(start);
        Game().Profile().GetSettings()->help_pages = false;
    }
    // The first picture of the book, straight away (12 pieces) or through the difficulty
    // choice, until its pieces are in play.
    void PlayTheFirstPicture(bool through_the_difficulty_choice = false) {
        if (through_the_difficulty_choice) {
            ClickOn(Game().Menu().Button(GAME::kButtonCut));
            ASSERT_NE(Game().DifficultyDialog(), nullptr);
            ClickOn(Game().DifficultyDialog()->OkButton());
        } else {
            ClickOn(Game().Menu().Button(GAME::kButtonPlay));
        }
        ASSERT_EQ(Game().State(), GAME::PUZZLE::kPlaying);
        ASSERT_TRUE(PlayUntil([&] { return Board().state == GAME::kStatePlay; }));
    }
    // Resumes the saved game of path from the saved-games page.
    void Resume(const std::string& path) {
        ASSERT_TRUE(Game().SavesShown());
        Game().SelectPage(Game().SavesPage());
        GAME::SAVES_LIST& saves = Game().Saves();
        for (int i = 0; i < saves.EntryCount(); ++i) {
            if (saves.Entry(i).save_file == path) {
                ClickOn(saves.Entry(i));
                ClickOn(Game().Menu().Button(GAME::kButtonPlay));
                ASSERT_EQ(Game().State(), GAME::PUZZLE::kPlaying);
                return;
            }
        }
        FAIL() << path << " is not offered";
    }
    GAME::PUZZLE_PIECES_SYSTEM& Board() { return *Game().Board(); }
    std::string PlayerFolder() { return Game().Profile().PlayerFolder(); }
    // Plays on with the solving script until done says so; false when it never did.
    bool PlayUntil(const std::function<bool()>& done) {
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
    std::string Autosaved() {
        Game().Autosave().Flush();
        return Game().Autosave().Path();
    }

    // A minute of play makes an autosave in the player's folder; the finished game takes it away.
    void AutosaveAMinuteIntoAGameToItsEnd(bool through_the_difficulty_choice) {
        StartIn("");
        PlayTheFirstPicture(through_the_difficulty_choice);
        driver_.Run(55.0f);
        EXPECT_EQ(Autosaved(), "") << "autosaved before a minute of play";
        driver_.Run(6.0f);
        const std::string path = Autosaved();
        ASSERT_EQ(path, PlayerFolder() + "autosave1.pzl");
        ASSERT_TRUE(GAME::ParseSaveFile(path));

        ASSERT_TRUE(PlayUntil([&] { return Board().WinDialog() != nullptr; }));
        EXPECT_FALSE(fs::exists(path)) << "a finished game kept its autosave";
    }

    // Runs a program run of its own in a child process (none has started in this one), which
    // ends by itself; the child's status.
    static int InChild(const std::function<void()>& run) {
        const pid_t child = fork();
        if (child == 0) {
            run();
            _exit(::testing::Test::HasFailure() ? 1 : 0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return status;
    }
};

TEST_F(AutosaveEndToEndTest, AGameFromTheBookAutosavesAfterAMinuteUntilItIsFinished) {
    AutosaveAMinuteIntoAGameToItsEnd(false);
}

TEST_F(AutosaveEndToEndTest, AGameFromTheDifficultyChoiceAutosavesAfterAMinuteUntilItIsFinished) {
    AutosaveAMinuteIntoAGameToItsEnd(true);
}

TEST_F(AutosaveEndToEndTest, AKilledGameIsOfferedAtTheNextStartAndThePlayersSaveIsUntouched) {
    const SCRATCH_FOLDER home;
    // First run: a game the player keeps with Ctrl+Q.
    const int kept = InChild([&] {
        StartIn(home.Root());
        PlayTheFirstPicture();
        ASSERT_TRUE(PlayUntil([&] { return Board().counters.regCg >= 2; }));
        Input().KeyDown(VK_CONTROL);
        Input().KeyDown('Q', 2);
    });
    ASSERT_TRUE(WIFEXITED(kept) && WEXITSTATUS(kept) == 0) << "the first run failed";
    const std::string player_folder = home.Root() + "/.local/share/puzzle-desk/Tester/";
    const std::string players_save = player_folder + "save1.pzl";
    std::string players_bytes;
    ASSERT_TRUE(fs::exists(players_save));
    {
        std::ifstream in(players_save, std::ios::binary);
        players_bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // Second run: that save resumed and played on, the window left (an autosave), played on
    // again, left again, and the program killed at once, its last autosave perhaps half written.
    const int killed = InChild([&] {
        StartIn(home.Root());
        Resume(players_save);
        const int joins = Board().counters.regCg;
        ASSERT_TRUE(PlayUntil([&] { return Board().counters.regCg >= joins + 2; }));
        Input().Focus(false, 2);
        ASSERT_EQ(Autosaved(), PlayerFolder() + "autosave1.pzl");
        Input().Focus(true, 2);
        ASSERT_TRUE(PlayUntil([&] { return Board().counters.regCg >= joins + 3; }));
        Input().Focus(false, 2);
        raise(SIGKILL);
    });
    ASSERT_TRUE(WIFSIGNALED(killed) && WTERMSIG(killed) == SIGKILL) << "the second run failed";

    // Third run: the game cut short is offered and resumes; left without saving, its autosave
    // goes and the player's save stays.
    StartIn(home.Root());
    ASSERT_EQ(PlayerFolder(), player_folder);
    const std::string autosave = player_folder + "autosave1.pzl";
    const std::optional<GAME::SAVED_PUZZLE> saved = GAME::ReadSaveFile(autosave);
    ASSERT_TRUE(saved) << "the autosave did not survive the kill";
    const std::optional<GAME::SAVED_PUZZLE> players = GAME::ReadSaveFile(players_save);
    ASSERT_TRUE(players);
    EXPECT_GE(saved->counters.regCg, players->counters.regCg + 2);
    ASSERT_EQ(Game().Saves().EntryCount(), 2) << "no half-written file is offered";
    Resume(autosave);
    EXPECT_EQ(Board().counters.regCg, saved->counters.regCg);
    EXPECT_EQ(Board().save_path, "") << "the player's save of this game would be the autosave";

    Game().OpenQuitQuestion();
    Input().PressKey(VK_RETURN, 2);
    ASSERT_TRUE(Game().SaveQuestionOpen());
    Input().PressKey(VK_ESCAPE, 2);  // do not save
    EXPECT_EQ(Game().State(), GAME::PUZZLE::kMenu);
    EXPECT_FALSE(fs::exists(autosave));
    std::ifstream in(players_save, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()),
              players_bytes);
}

}  // namespace
