// The first start of the real program: loading, the player window, a second player, a game from
// the book, and the ways out (Escape and Enter in the menu, Ctrl+Q in a game). Each test is a
// program run of its own: CTest starts every test in a process of its own.
#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "engine/platform/virtual_keys.h"
#include "game/board/pieces_system.h"
#include "game/shell/catalogue_frame.h"
#include "game/shell/menu_screen.h"
#include "game/shell/own_pictures_page.h"
#include "game/shell/player_window.h"
#include "game/shell/profile.h"
#include "game/shell/puzzle_category.h"
#include "tests/game/app/game_session.h"

namespace {

constexpr int kProgress[] = {5, 12, 21, 38, 42, 54, 66, 79, 93, 99, 100};
constexpr uint32_t kBlack = 0xFF000000;

class FirstStartTest : public GAME_SESSION {
  protected:
    void FirstStart() {
        GAME_DRIVER::START start;
        start.player.clear();
        Start(start);
    }
    void StartAsTester() { Start(GAME_DRIVER::START{}); }
};

TEST_F(FirstStartTest, LoadingShowsItsProgressInOrderAndNeverGoesBack) {
    FirstStart();
    const std::vector<int>& seen = driver_.LoadingProgress();
    ASSERT_FALSE(seen.empty());
    for (int value : seen) {
        EXPECT_NE(std::find(std::begin(kProgress), std::end(kProgress), value), std::end(kProgress))
            << value;
    }
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end())) << "progress went back";
}

TEST_F(FirstStartTest, APlayerIsChosenAndAGameStartsFromTheBook) {
    FirstStart();
    PROFILE& profile = Game().Profile();
    ASSERT_TRUE(profile.IsWindowOpen()) << "the first start asks who plays";
    EXPECT_EQ(ReadUserFile("LC.pzl"), profile.GetName());

    GAME::PAZZLE_PROFILE_MANAGER& window = *profile.GetWindow();
    ClickOn(*window.GetAddButton());
    Input().Type("Ada", 1);
    Input().PressKey(VK_RETURN, 2);
    ClickOn(*window.GetOkButton());
    EXPECT_FALSE(profile.IsWindowOpen());
    EXPECT_EQ(profile.GetName(), "Ada");
    EXPECT_EQ(ReadUserFile("LC.pzl"), "Ada");

    // The menu reaches the window: the book's paper, not the clear colour, in the page's middle.
    std::vector<uint32_t> menu;
    int width = 0;
    int height = 0;
    ASSERT_TRUE(driver_.Capture(menu, width, height));
    EXPECT_NE(menu.at(static_cast<size_t>(height / 2) * width + width / 4), kBlack);

    PUZZLE_CATEGORY& landscapes = *Game().CurrentCategory();
    ClickOn(landscapes.Entry(1));
    EXPECT_EQ(landscapes.Selected(), 1);
    ClickOn(landscapes.Entry(0));
    EXPECT_EQ(landscapes.Selected(), 0);
    Input().PressKey(VK_RETURN, 3);
    ASSERT_EQ(Game().State(), GAME::PUZZLE::kPlaying);
    ASSERT_NE(Game().Board(), nullptr);
    Input().Steps(3);
    EXPECT_EQ(Game().Board()->StackSize(), 12);

    // Ctrl+Q during a game ends the program.
    Input().KeyDown(VK_CONTROL);
    Input().KeyDown('Q', 2);
    EXPECT_FALSE(Frame().IsRunning());
}

TEST_F(FirstStartTest, EscapeThenEnterInTheMenuEndsTheProgram) {
    StartAsTester();
    ASSERT_FALSE(Game().Profile().IsWindowOpen());
    Input().PressKey(VK_ESCAPE, 2);
    ASSERT_TRUE(Game().QuitQuestionOpen());
    EXPECT_TRUE(Frame().IsRunning());
    Input().PressKey(VK_RETURN, 2);
    EXPECT_FALSE(Frame().IsRunning());
    EXPECT_EQ(Game().State(), GAME::PUZZLE::kMenu);
}

TEST_F(FirstStartTest, ThePlayButtonStartsTheSelectedGameAndEscapeLeavesItUnscored) {
    StartAsTester();
    Game().Profile().GetSettings()->help_pages = false;
    ClickOn(Game().Menu().Button(GAME::kButtonPlay));
    ASSERT_EQ(Game().State(), GAME::PUZZLE::kPlaying);
    ASSERT_NE(Game().Board(), nullptr);
    EXPECT_EQ(Game().Board()->cols * Game().Board()->rows, 12);

    // No join yet, so no score: the quit question leads straight back to the menu.
    Input().PressKey(VK_ESCAPE, 2);
    ASSERT_TRUE(Game().QuitQuestionOpen());
    Input().PressKey(VK_RETURN, 2);
    EXPECT_EQ(Game().State(), GAME::PUZZLE::kMenu);
    EXPECT_FALSE(Game().SaveQuestionOpen());
    EXPECT_TRUE(Frame().IsRunning());
}

TEST_F(FirstStartTest, AGameFolderMissingItsCatalogueEditionsAndFontsStillShowsTheMenu) {
    for (const char* lost : {"pzls.xml", "DATA/editions", "DATA/fonts"}) {
        Remove(lost);
    }
    StartAsTester();
    // Only the player's own pictures are left to choose from.
    EXPECT_EQ(Game().CategoryCount(), 1);
    EXPECT_EQ(Game().CurrentCategory(), &Game().OwnPictures());
    std::vector<uint32_t> menu;
    int width = 0;
    int height = 0;
    ASSERT_TRUE(driver_.Capture(menu, width, height));
    EXPECT_NE(menu.at(static_cast<size_t>(height / 2) * width + width / 2), kBlack);
    // Nothing to play: Enter and the play button start nothing.
    Input().PressKey(VK_RETURN, 2);
    ClickOn(Game().Menu().Button(GAME::kButtonPlay));
    EXPECT_EQ(Game().State(), GAME::PUZZLE::kMenu);
    EXPECT_EQ(Game().Board(), nullptr);
}

}  // namespace
