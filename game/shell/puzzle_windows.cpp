// GAME::PUZZLE and the windows it opens over the menu and over a game: the difficulty choice
// with its preview, the settings window, the in-game options and the help pages.
#include <cmath>
#include <cstdio>

#include "engine/resources/file_system.h"
#include "engine/resources/registry.h"
#include "game/board/picture_tier.h"
#include "game/board/pieces_system.h"
#include "game/shell/autosave.h"
#include "game/shell/difficulty_dialog.h"
#include "game/shell/help_page.h"
#include "game/shell/menu_screen.h"
#include "game/shell/options_window.h"
#include "game/shell/profile.h"
#include "game/shell/puzzle.h"
#include "game/shell/puzzle_category.h"
#include "game/shell/settings_window.h"
#include "game/shell/window_parts.h"

namespace GAME {

namespace {

// The board's deformation as the percent the label shows, rounded rather than truncated: the
// slider's 53 is cut as 0.53f, which comes back as 52.99...
int DeformationPercent(const PUZZLE_PIECES_SYSTEM& board) {
    return static_cast<int>(std::lround(board.distort * 100.0f));
}

}  // namespace

PUZZLE_SETTINGS* PUZZLE::SettingsWindow() const {
    return dynamic_cast<PUZZLE_SETTINGS*>(settings_dialog_.get());
}

// --- The settings window, or the first frame's stand-in.

void PUZZLE::OpenSettings() {
    settings_dialog_ =
        MakeFromGuiPack<PUZZLE_SETTINGS>(profile_->GetSettings(), read_screen_limits());
}

bool PUZZLE::UpdateSettingsDialog() {
    if (!settings_dialog_) {
        return false;
    }
    const int answer = settings_dialog_->Update(0, 0.0f);
    PUZZLE_SETTINGS* window = SettingsWindow();
    switch (answer) {
        case SETTINGS_FORM::kOk:
        case SETTINGS_FORM::kCancel:
            // The record holds what was kept; this takes back what the window only tried out.
            ApplySettings();
            settings_dialog_.reset();
            PlayShellSound(kSoundButtonPress);
            break;
        case SETTINGS_FORM::kCursor:
            ApplyGameCursor(window->GameCursor());
            break;
        case SETTINGS_FORM::kMusic:
            SetMusicVolume(window->Music());
            break;
        case SETTINGS_FORM::kSound:
            SetSoundVolume(window->Sound());
            break;
        case PUZZLE_SETTINGS::kApplyScreenMode:
            ApplySettings();
            settings_dialog_->Update(PUZZLE_SETTINGS::kRelayout, 0.0f);
            break;
        default:
            break;
    }
    return true;
}

// --- The options window of a game.

void PUZZLE::ToggleOptionsDialog() {
    if (options_dialog_) {
        CloseOptionsDialog();
        return;
    }
    options_dialog_ = MakeFromGuiPack<PUZZLE_OPTIONS_GAME>(profile_->GetSettings());
}

void PUZZLE::CloseOptionsDialog() {
    ApplySettings();
    if (board_) {
        board_->SetBackgroundColour(static_cast<uint32_t>(profile_->GetSettings()->background));
    }
    options_dialog_.reset();
}

bool PUZZLE::UpdateOptionsDialog() {
    if (!options_dialog_) {
        return false;
    }
    switch (options_dialog_->Update(0, 0.0f)) {
        case PUZZLE_OPTIONS_GAME::kBackground:
            board_->SetBackgroundColour(options_dialog_->Background());
            break;
        case SETTINGS_FORM::kCursor:
            ApplyGameCursor(options_dialog_->GameCursor());
            break;
        case SETTINGS_FORM::kOk:
        case SETTINGS_FORM::kCancel:
            CloseOptionsDialog();
            break;
        case SETTINGS_FORM::kMusic:
            SetMusicVolume(options_dialog_->Music());
            break;
        case SETTINGS_FORM::kSound:
            SetSoundVolume(options_dialog_->Sound());
            break;
        default:
            break;
    }
    return true;
}

// --- Help pages.

void PUZZLE::ShowHelp(int mode) {
    PUZZLE_PLAYER_PROFILE& settings = *profile_->GetSettings();
    if (!settings.help_pages) {
        return;
    }
    if (mode == 1) {
        const bool rotation = board_ && board_->rt;
        help_screen_ = MakeFromGuiPack<FAQ_SCREEN>(rotation ? FAQ_SCREEN::kMouseWithRotation
                                                            : FAQ_SCREEN::kMouseWithoutRotation);
    } else {
        help_screen_ = MakeFromGuiPack<FAQ_SCREEN>(FAQ_SCREEN::kPocket);
        settings.help_pages = false;
    }
}

bool PUZZLE::UpdateHelpScreen() {
    if (!help_screen_) {
        return false;
    }
    if (help_screen_->Update(0, 0.0f) == 1) {
        if (board_) {
            board_->tutorial_step_marked = true;
        }
        help_screen_.reset();
        return true;
    }
    // The game runs on under a page that waits to be shown, and stands still under one that is.
    return help_screen_->IsVisible();
}

void PUZZLE::CloseGameWindows() {
    options_dialog_.reset();
    help_screen_.reset();
}

// --- The difficulty choice.

void PUZZLE::SetPzlOpt() {
    PlayShellSound(kSoundButtonPress);
    PUZZLE_CATEGORY* category = CurrentCategory();
    const FRAME* entry = category != nullptr ? category->SelectedEntry() : nullptr;
    // The saved-games page has no entry to cut, and a picture that does not load is never cut.
    if (entry == nullptr || !entry->PictureLoads()) {
        return;
    }
    state_ = kChoice;
    difficulty_dialog_ = MakeFromGuiPack<DIFFICULTY_DIALOG>();
    std::printf("Starting%s\n", entry->picture.c_str());
    board_.reset();
    board_ = std::make_unique<PUZZLE_PIECES_SYSTEM>();
    SetPictureSource(*entry);
    board_->SetAspect(entry->aspect);
    // The preview is cut with the controls' starting values, so the labels and the slider agree
    // with the cut before anything is touched.
    const DIFFICULTY_DIALOG& dialog = *difficulty_dialog_;
    board_->Init(entry->picture, dialog.Pieces(), height_ - dialog.PanelHeight(),
                 profile_->GetSettings(), dialog.Rotation(), dialog.Deformation() / 100.0f, 0);
    if (!BoardHasPicture()) {
        board_.reset();
        difficulty_dialog_.reset();
        state_ = kMenu;
        return;
    }
    board_->SetSmallPicturePath(entry->thumbnail);
    board_->SetState(kStatePreview);
    board_->DrawPreviewGrid();
    board_->SetBackgroundColour(static_cast<uint32_t>(profile_->GetSettings()->background));
    autosave_->Begin(profile_->PlayerFolder());
}

void PUZZLE::RecutPreview() {
    const DIFFICULTY_DIALOG& dialog = *difficulty_dialog_;
    board_->SetParams(dialog.Pieces(), dialog.Deformation() / 100.0f, dialog.Rotation(), 0);
    board_->DrawPreviewGrid();
}

void PUZZLE::UpdateChoice() {
    if (!difficulty_dialog_) {
        return;
    }
    switch (difficulty_dialog_->Update()) {
        case DIFFICULTY_DIALOG::kChanged:
            RecutPreview();
            break;
        case DIFFICULTY_DIALOG::kAccept:
            difficulty_dialog_.reset();
            state_ = kPlaying;
            board_->SetState(kStateBuild);
            CreatePlayPanel();
            ShowHelp(1);
            break;
        case DIFFICULTY_DIALOG::kCancel:
            board_.reset();
            difficulty_dialog_.reset();
            state_ = kMenu;
            break;
        default:
            break;
    }
}

void PUZZLE::DrawChoiceOverlay() {
    menu_->DrawFloor();
    difficulty_dialog_->Draw(DeformationPercent(*board_), board_->cols * board_->rows);
    board_->Draw(0);
    menu_->DrawBorder();
}

}  // namespace GAME
