// The first start of the real program: loading, the player window, a second player, a game from
// the book, and the ways out (Escape and Enter in the menu, Ctrl+Q in a game). Each test is a
// program run of its own: CTest starts every test in a process of its own.
#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "engine/platform/virtual_keys.h"
#include "game/board/pieces_system.h"
#include "game/shell/catalogue_frame.h"
#include "game/shell/menu_screen.h"
#include "game/shell/player_window.h"
#include "game/shell/profile.h"
#include "game/shell/puzzle_category.h"
#include "tests/game/app/game_session.h"

namespace {

constexpr int kProgress[] = {5, 12, 21, 38, 42, 54, 66, 79, 93, 99, 100};

class FirstStartTest : public GAME_SESSION {
  protected:
    // Loading, then the first frame, which applies the player's settings.
    void LoadToMenu() {
        const std::vector<int> seen = StartAndLoad();
        ASSERT_FALSE(seen.empty());
        for (int value : seen) {
            EXPECT_NE(std::find(std::begin(kProgress), std::end(kProgress), value),
                      std::end(kProgress))
                << value;
        }
        EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end())) << "progress went back";
        ASSERT_NE(g_game, nullptr);
        driver_.Steps(2);
    }
    std::string ReadUserFile(const std::string& name) {
        std::ifstream in(UserFile(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    // Clicks at the centre of a sprite (logical pixels).
    void ClickOn(const WSPRITE& sprite, int steps = 2) {
        driver_.Click(static_cast<int>(sprite.pos.x), static_cast<int>(sprite.pos.y), steps);
    }
};

TEST_F(FirstStartTest, APlayerIsChosenAndAGameStartsFromTheBook) {
    LoadToMenu();
    PROFILE& profile = Game().Profile();
    ASSERT_TRUE(profile.IsWindowOpen()) << "the first start asks who plays";
    EXPECT_EQ(ReadUserFile("LC.pzl"), profile.GetName());

    GAME::PAZZLE_PROFILE_MANAGER& window = *profile.GetWindow();
    ClickOn(*window.GetAddButton());
    driver_.Type("Ada", 1);
    driver_.PressKey(VK_RETURN, 2);
    ClickOn(*window.GetOkButton());
    EXPECT_FALSE(profile.IsWindowOpen());
    EXPECT_EQ(profile.GetName(), "Ada");
    EXPECT_EQ(ReadUserFile("LC.pzl"), "Ada");

    // The menu is on the screen: the book's paper under the page's middle.
    const std::vector<uint32_t> menu = Capture();
    ASSERT_FALSE(menu.empty());

    PUZZLE_CATEGORY& landscapes = *Game().CurrentCategory();
    ClickOn(landscapes.Entry(1));
    EXPECT_EQ(landscapes.Selected(), 1);
    ClickOn(landscapes.Entry(0));
    EXPECT_EQ(landscapes.Selected(), 0);
    driver_.PressKey(VK_RETURN, 3);
    ASSERT_EQ(Game().State(), GAME::PUZZLE::kPlaying);
    ASSERT_NE(Game().Board(), nullptr);
    driver_.Steps(3);
    EXPECT_EQ(Game().Board()->StackSize(), 12);

    // Ctrl+Q during a game ends the program.
    driver_.KeyDown(VK_CONTROL);
    driver_.KeyDown('Q', 2);
    EXPECT_FALSE(Frame().IsRunning());
}

TEST_F(FirstStartTest, EscapeThenEnterInTheMenuEndsTheProgram) {
    LoadToMenu();
    ClickOn(*Game().Profile().GetWindow()->GetOkButton());
    ASSERT_FALSE(Game().Profile().IsWindowOpen());
    driver_.PressKey(VK_ESCAPE, 2);
    ASSERT_TRUE(Game().QuitQuestionOpen());
    EXPECT_TRUE(Frame().IsRunning());
    driver_.PressKey(VK_RETURN, 2);
    EXPECT_FALSE(Frame().IsRunning());
    EXPECT_EQ(Game().State(), GAME::PUZZLE::kMenu);
}

TEST_F(FirstStartTest, ThePlayButtonStartsTheSelectedGame) {
    LoadToMenu();
    ClickOn(*Game().Profile().GetWindow()->GetOkButton());
    ClickOn(Game().Menu().Button(GAME::kButtonPlay), 3);
    ASSERT_EQ(Game().State(), GAME::PUZZLE::kPlaying);
    ASSERT_NE(Game().Board(), nullptr);
    EXPECT_EQ(Game().Board()->cols * Game().Board()->rows, 12);
}

}  // namespace
