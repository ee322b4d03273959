// The settings window and the in-game options: their answers, working copies that only OK
// writes back, and the game object applying what they report.
#include "game/shell/settings_window.h"

#include <cstdint>

#include "engine/platform/virtual_keys.h"
#include "engine/resources/config.h"
#include "engine/ui/buttons.h"
#include "engine/ui/sliders.h"
#include "game/board/pieces_system.h"
#include "game/shell/colour_chooser.h"
#include "game/shell/menu_screen.h"
#include "game/shell/options_window.h"
#include "tests/game/shell/shell_fixture.h"

namespace {

using GAME::PUZZLE_OPTIONS_GAME;
using GAME::PUZZLE_SETTINGS;
using GAME::SETTINGS_FORM;

enum ANSWER_BY { kClickOk, kEnter, kClickCancel, kEscape };

class SettingsWindowTest : public ShellWindowTest {
  protected:
    void SetUp() override {
        ShellWindowTest::SetUp();
        record.music_volume = 0.3f;
        record.sound_volume = 0.3f;
        record.game_cursor = true;
        window = Open<PUZZLE_SETTINGS>(&record, GAME::SCREEN_LIMITS{});
    }
    int Update() { return window->Update(0, 0.0f); }
    template <class ITEM>
    int ClickOn(const ITEM& item) {
        return Click(item.pos.x, item.pos.y, [this] { return Update(); });
    }
    int Answer(ANSWER_BY how) {
        switch (how) {
            case kClickOk:
                return ClickOn(window->OkButton());
            case kEnter:
                return Key(VK_RETURN, [this] { return Update(); });
            case kClickCancel:
                return ClickOn(window->CancelButton());
            default:
                return Key(VK_ESCAPE, [this] { return Update(); });
        }
    }

    PUZZLE_PLAYER_PROFILE record;
    std::unique_ptr<PUZZLE_SETTINGS> window;
};

TEST_F(SettingsWindowTest, EachControlAnswersAtOnceAndOnlyOkWritesTheCopiesBack) {
    const struct {
        ANSWER_BY how;
        int answer;
        bool written;
    } cases[] = {{kClickOk, SETTINGS_FORM::kOk, true},
                 {kEnter, SETTINGS_FORM::kOk, true},
                 {kClickCancel, SETTINGS_FORM::kCancel, false},
                 {kEscape, SETTINGS_FORM::kCancel, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        record = {};
        record.music_volume = 0.3f;
        record.sound_volume = 0.3f;
        record.game_cursor = true;
        window = Open<PUZZLE_SETTINGS>(&record, GAME::SCREEN_LIMITS{});
        ReplaceSound(GAME::kSoundPuzzleSelection);
        EXPECT_EQ(ClickOn(*window->MusicSlider().GetPlusButton()), SETTINGS_FORM::kMusic);
        EXPECT_EQ(ClickOn(*window->SoundSlider().GetMinusButton()), SETTINGS_FORM::kSound);
        EXPECT_TRUE(Played(GAME::kSoundPuzzleSelection));
        EXPECT_EQ(ClickOn(window->CursorBox()), SETTINGS_FORM::kCursor);
        EXPECT_EQ(ClickOn(window->SnapBox()), PUZZLE_SETTINGS::kSnap);
        EXPECT_FLOAT_EQ(window->Music(), 0.31f);
        EXPECT_FLOAT_EQ(window->Sound(), 0.29f);
        EXPECT_FALSE(window->GameCursor());
        EXPECT_TRUE(window->Snap());
        EXPECT_FLOAT_EQ(record.music_volume, 0.3f);

        EXPECT_EQ(Answer(c.how), c.answer);
        EXPECT_FLOAT_EQ(record.music_volume, c.written ? 0.31f : 0.3f);
        EXPECT_FLOAT_EQ(record.sound_volume, c.written ? 0.29f : 0.3f);
        EXPECT_EQ(record.game_cursor, !c.written);
        EXPECT_EQ(record.pieces_fix, c.written);
    }
}

TEST_F(SettingsWindowTest, WithoutARecordTheWindowStillAnswers) {
    window = Open<PUZZLE_SETTINGS>(nullptr, GAME::SCREEN_LIMITS{});
    EXPECT_EQ(ClickOn(*window->MusicSlider().GetPlusButton()), SETTINGS_FORM::kMusic);
    EXPECT_EQ(Answer(kClickOk), SETTINGS_FORM::kOk);
}

TEST_F(SettingsWindowTest, TheResolutionAndCreditsWindowsTakeOverUntilClosed) {
    EXPECT_EQ(ClickOn(window->ResolutionButton()), SETTINGS_FORM::kNothing);
    ASSERT_NE(window->ResolutionWindow(), nullptr);
    // Enter answers the resolution window, not the settings behind it.
    EXPECT_EQ(Answer(kEnter), SETTINGS_FORM::kNothing);
    EXPECT_EQ(window->ResolutionWindow(), nullptr);
    ClickOn(window->CreditsButton());
    ASSERT_NE(window->CreditsWindow(), nullptr);
    EXPECT_EQ(Answer(kEscape), SETTINGS_FORM::kNothing);
    EXPECT_NE(window->CreditsWindow(), nullptr);
    EXPECT_EQ(Answer(kEnter), SETTINGS_FORM::kNothing);
    EXPECT_EQ(window->CreditsWindow(), nullptr);
}

// --- In the game object.

class SettingsInGameTest : public GameShellTest {
  protected:
    int MusicVolume() const { return g_sounds[kMusic]->MixerVolume(); }
};

TEST_F(SettingsInGameTest, MusicIsHeardAtOnceAndCancelBringsTheOldVolumeBack) {
    const int before = MusicVolume();
    ClickOn(puzzle->Menu().Button(GAME::kButtonSettings));
    PUZZLE_SETTINGS* window = puzzle->SettingsWindow();
    ASSERT_NE(window, nullptr);
    for (int i = 0; i < 10; ++i) {
        ClickOn(*window->MusicSlider().GetPlusButton());
    }
    EXPECT_GT(MusicVolume(), before);
    ClickOn(window->CancelButton());
    EXPECT_EQ(puzzle->SettingsWindow(), nullptr);
    EXPECT_EQ(MusicVolume(), before);
    EXPECT_FLOAT_EQ(Settings().music_volume, 0.3f);
    EXPECT_FLOAT_EQ(SavedSettings().music_volume, 0.3f);
}

TEST_F(SettingsInGameTest, OkKeepsTheNewVolumeAndSavesIt) {
    ClickOn(puzzle->Menu().Button(GAME::kButtonSettings));
    PUZZLE_SETTINGS* window = puzzle->SettingsWindow();
    ASSERT_NE(window, nullptr);
    ClickOn(*window->MusicSlider().GetMinusButton());
    const int chosen = MusicVolume();
    ClickOn(window->OkButton());
    EXPECT_EQ(MusicVolume(), chosen);
    EXPECT_FLOAT_EQ(SavedSettings().music_volume, 0.29f);
}

class OptionsInGameTest : public GameShellTest {
  protected:
    void SetUp() override {
        GameShellTest::SetUp();
        Settings().help_pages = false;
        puzzle->Play();
        Step();  // the board builds its pieces
        ASSERT_EQ(puzzle->State(), GAME::PUZZLE::kPlaying);
        board = puzzle->Board();
    }
    GAME::PUZZLE_PIECES_SYSTEM* board = nullptr;
};

TEST_F(OptionsInGameTest, ASwatchColoursTheBoardAtOnceAndOnlyOkKeepsIt) {
    const uint32_t old_colour = static_cast<uint32_t>(Settings().background);
    const uint32_t green = GAME::COLOUR_CHOOSER::Colour(1);
    const struct {
        ANSWER_BY how;
        uint32_t kept;
    } cases[] = {{kClickOk, green}, {kClickCancel, old_colour}, {kEscape, old_colour}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        Settings().background = static_cast<int32_t>(old_colour);
        puzzle->ToggleOptionsDialog();
        PUZZLE_OPTIONS_GAME* window = puzzle->OptionsWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->Chooser().Chosen(), 3);  // white, the record's colour
        ClickOn(window->Chooser().Swatch(1));
        EXPECT_EQ(board->BackgroundColour(), green);
        EXPECT_EQ(static_cast<uint32_t>(Settings().background), old_colour);
        if (c.how == kEscape) {
            Press(VK_ESCAPE);
        } else {
            ClickOn(c.how == kClickOk ? window->OkButton() : window->CancelButton());
        }
        EXPECT_EQ(puzzle->OptionsWindow(), nullptr);
        EXPECT_EQ(board->BackgroundColour(), c.kept);
        EXPECT_EQ(static_cast<uint32_t>(Settings().background), c.kept);
    }
}

TEST_F(OptionsInGameTest, ThePanelsButtonClosesTheWindowAsCancelWould) {
    puzzle->ToggleOptionsDialog();
    ClickOn(puzzle->OptionsWindow()->Chooser().Swatch(2));
    puzzle->ToggleOptionsDialog();
    EXPECT_EQ(puzzle->OptionsWindow(), nullptr);
    EXPECT_EQ(board->BackgroundColour(), static_cast<uint32_t>(Settings().background));
}

}  // namespace
