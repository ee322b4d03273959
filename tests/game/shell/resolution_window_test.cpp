// The resolution window and its confirmation: the sizes offered on a desktop, the record's
// changes, the countdown that switches back, and the game object switching the screen.
#include "game/shell/resolution_window.h"

#include <algorithm>
#include <vector>

#include "engine/platform/virtual_keys.h"
#include "engine/ui/buttons.h"
#include "game/shell/menu_screen.h"
#include "game/shell/resolution_confirm.h"
#include "game/shell/settings_window.h"
#include "tests/game/shell/shell_fixture.h"

namespace {

using GAME::PUZZLE_RESOLUTION;
using GAME::SCREEN_LIMITS;
using PROFILE_RECORD = PUZZLE_PLAYER_PROFILE;

constexpr int kXga = PROFILE_RECORD::kMode1024x768;
constexpr int kWxga = PROFILE_RECORD::kMode1440x900;
constexpr int kFullHd = PROFILE_RECORD::kMode1920x1080;
constexpr int kSystem = 0;

// A desktop with a 30-pixel panel, on which windows get a 30-pixel title bar.
SCREEN_LIMITS Desktop(int width, int height) {
    return {width, height, width, height - 30, 0, 30};
}

class ResolutionWindowTest : public ShellWindowTest {
  protected:
    void SetUp() override {
        ShellWindowTest::SetUp();
        record.screen_mode = kSystem;
        record.full_screen = true;
        Open(Desktop(1920, 1080));
    }
    void Open(const SCREEN_LIMITS& limits) {
        window = ShellWindowTest::Open<PUZZLE_RESOLUTION>(font.get(), &record, limits);
    }
    int Update() { return window->Update(0, 0.0f); }
    template <class ITEM>
    int ClickOn(const ITEM& item) {
        return Click(item.pos.x, item.pos.y, [this] { return Update(); });
    }
    // Frames of one second each until the window answers; the answer.
    int WaitForAnswer(int& seconds) {
        SetDelta(1.0f);
        int answer = 0;
        for (seconds = 1; seconds <= 60 && answer == 0; ++seconds) {
            answer = Frame([this] { return Update(); });
        }
        --seconds;
        return answer;
    }

    PROFILE_RECORD record;
    std::unique_ptr<PUZZLE_RESOLUTION> window;
};

TEST_F(ResolutionWindowTest, OffersASizeOnlyWhereTheDesktopCanShowIt) {
    const struct {
        SCREEN_LIMITS limits;
        std::vector<int> offered;
        std::vector<int> full_screen_only;
    } cases[] = {
        {Desktop(1024, 768), {kSystem}, {}},
        // 768 lines and a title bar do not fit 770 usable lines: full screen only.
        {Desktop(1280, 800), {kXga, kSystem}, {kXga}},
        {Desktop(1920, 1080), {kXga, kWxga, kSystem}, {}},
        {Desktop(2560, 1440), {kXga, kWxga, kFullHd, kSystem}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.limits.desktop_width);
        Open(c.limits);
        EXPECT_EQ(window->ChoiceCount(), static_cast<int>(c.offered.size()));
        for (int mode : c.offered) {
            ASSERT_NE(window->Choice(mode), nullptr) << mode;
        }
        // A size shown only full screen keeps the box ticked; another lets it go.
        for (int mode : c.offered) {
            if (mode == kSystem) {
                continue;
            }
            record.screen_mode = kSystem;
            record.full_screen = true;
            Open(c.limits);
            ClickOn(*window->Choice(mode));
            ClickOn(window->FullScreenBox());
            const bool only = std::find(c.full_screen_only.begin(), c.full_screen_only.end(),
                                        mode) != c.full_screen_only.end();
            EXPECT_EQ(record.full_screen, only) << mode;
            EXPECT_EQ(record.screen_mode, mode);
        }
    }
}

TEST_F(ResolutionWindowTest, OkWithoutAChangeClosesWithoutAskingAndCancelPutsTheRecordBack) {
    EXPECT_EQ(ClickOn(window->OkButton()), PUZZLE_RESOLUTION::kClose);
    EXPECT_EQ(window->Confirmation(), nullptr);

    ClickOn(*window->Choice(kXga));
    EXPECT_EQ(record.screen_mode, kXga);
    EXPECT_EQ(Key(VK_ESCAPE, [this] { return Update(); }), PUZZLE_RESOLUTION::kCancel);
    EXPECT_EQ(record.screen_mode, kSystem);
    EXPECT_TRUE(record.full_screen);
}

TEST_F(ResolutionWindowTest, TheFullScreenBoxAloneIsAChangeToConfirm) {
    record.screen_mode = kXga;
    Open(Desktop(1920, 1080));
    EXPECT_EQ(ClickOn(window->FullScreenBox()), PUZZLE_RESOLUTION::kFullScreenChanged);
    EXPECT_FALSE(record.full_screen);
    EXPECT_EQ(ClickOn(window->OkButton()), PUZZLE_RESOLUTION::kApply);
    EXPECT_NE(window->Confirmation(), nullptr);
}

TEST_F(ResolutionWindowTest, TheCountdownRunningOutPutsModeAndFlagBack) {
    ClickOn(*window->Choice(kWxga));
    ClickOn(window->FullScreenBox());
    ASSERT_EQ(ClickOn(window->OkButton()), PUZZLE_RESOLUTION::kApply);
    EXPECT_EQ(record.screen_mode, kWxga);
    EXPECT_FALSE(record.full_screen);

    int seconds = 0;
    EXPECT_EQ(WaitForAnswer(seconds), PUZZLE_RESOLUTION::kApply);
    EXPECT_EQ(seconds, 15);
    EXPECT_EQ(record.screen_mode, kSystem);
    EXPECT_TRUE(record.full_screen);
    EXPECT_EQ(window->Confirmation(), nullptr);
    EXPECT_TRUE(window->Choice(kSystem)->IsChecked());
    EXPECT_FALSE(window->Choice(kWxga)->IsChecked());
    EXPECT_TRUE(window->FullScreenBox().IsChecked());
}

TEST_F(ResolutionWindowTest, ConfirmingKeepsTheNewModeAndCancellingTheConfirmationDoesNot) {
    for (const bool keep : {true, false}) {
        SCOPED_TRACE(keep);
        record.screen_mode = kSystem;
        record.full_screen = true;
        Open(Desktop(1920, 1080));
        ClickOn(*window->Choice(kXga));
        ClickOn(window->OkButton());
        GAME::APPLY_RESOLUTION& confirmation = *window->Confirmation();
        const int answer = ClickOn(keep ? confirmation.OkButton() : confirmation.CancelButton());
        EXPECT_EQ(answer, keep ? PUZZLE_RESOLUTION::kCancel : PUZZLE_RESOLUTION::kApply);
        EXPECT_EQ(record.screen_mode, keep ? kXga : kSystem);
        EXPECT_EQ(window->Confirmation(), nullptr);
    }
}

// --- In the game object: the screen really switches, and switches back.

class ResolutionInGameTest : public GameShellTest {
  protected:
    void SetUp() override {
        GameShellTest::SetUp();
        puzzle->read_screen_limits = [] { return Desktop(1920, 1080); };
        ClickOn(puzzle->Menu().Button(GAME::kButtonSettings));
        ASSERT_NE(puzzle->SettingsWindow(), nullptr);
        ClickOn(puzzle->SettingsWindow()->ResolutionButton());
        window = puzzle->SettingsWindow()->ResolutionWindow();
        ASSERT_NE(window, nullptr);
    }
    int Width() const { return game->GetGameWidth(); }

    PUZZLE_RESOLUTION* window = nullptr;
};

TEST_F(ResolutionInGameTest, OkWithoutAChangeSwitchesNothing) {
    // A screen the player's mode would not give: any switch shows.
    game->SetVideoMode(1100, 800, false);
    ClickOn(window->OkButton());
    EXPECT_EQ(puzzle->SettingsWindow()->ResolutionWindow(), nullptr);
    EXPECT_NE(puzzle->SettingsWindow(), nullptr);
    EXPECT_EQ(Width(), 1100);
}

TEST_F(ResolutionInGameTest, ANewModeSwitchesAtOnceAndTheCountdownSwitchesBack) {
    const PROFILE_RECORD before = Settings();
    const int width = Width();
    ClickOn(*window->Choice(kWxga));
    if (window->FullScreenBox().IsChecked()) {
        ClickOn(window->FullScreenBox());
    }
    ClickOn(window->OkButton());
    EXPECT_EQ(Width(), 1440);
    EXPECT_EQ(game->GetGameHeight(), 900);
    EXPECT_FALSE(game->IsFullScreen());
    EXPECT_EQ(SavedSettings().screen_mode, kWxga);

    SetDelta(1.0f);
    for (int i = 0; i < 15; ++i) {
        Step();
    }
    EXPECT_EQ(Width(), width);
    EXPECT_EQ(Settings().screen_mode, before.screen_mode);
    EXPECT_EQ(SavedSettings().screen_mode, before.screen_mode);
    EXPECT_EQ(SavedSettings().full_screen, before.full_screen);
    EXPECT_EQ(game->GetConfiguredWidth(), width);
    EXPECT_EQ(puzzle->SettingsWindow()->ResolutionWindow(), window);
}

}  // namespace
