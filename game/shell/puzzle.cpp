// GAME::PUZZLE: construction, the per-frame update in its fixed order, and the game flow
// (pages, starting and ending games, settings).
#include "game/shell/puzzle.h"

#include "engine/audio/sound.h"
#include "engine/frame/game.h"
#include "engine/platform/user_folders.h"
#include "engine/platform/virtual_keys.h"
#include "engine/render/render_device.h"
#include "engine/resources/file_system.h"
#include "engine/resources/registry.h"
#include "engine/text/strings.h"
#include "engine/ui/mouse_cursor.h"
#include "engine/ui/particles.h"
#include "engine/ui/shared_items.h"
#include "engine/ui/sprite.h"
#include "game/board/panel_answers.h"
#include "game/board/picture_tier.h"
#include "game/board/pieces_system.h"
#include "game/board/play_panel.h"
#include "game/board/questions.h"
#include "game/shell/autosave.h"
#include "game/shell/catalogue_reader.h"
#include "game/shell/difficulty_dialog.h"
#include "game/shell/full_screen_toggle.h"
#include "game/shell/help_page.h"
#include "game/shell/leader_board.h"
#include "game/shell/menu_book.h"
#include "game/shell/menu_screen.h"
#include "game/shell/options_window.h"
#include "game/shell/own_pictures_page.h"
#include "game/shell/profile.h"
#include "game/shell/resolution_window.h"
#include "game/shell/saves_list.h"
#include "game/shell/score_board.h"
#include "game/shell/settings_window.h"
#include "game/shell/trophy_panel.h"
#include "game/shell/window_parts.h"

namespace GAME {

namespace {

constexpr int kButtonPressSound = 3;
constexpr int kButtonPlayPressSound = 2;
constexpr int kMenuMusic = 13;
constexpr int kGameMusic = 14;
constexpr int kBigFont = 0;
constexpr int kSparkCount = 40;
constexpr int kBurstSize = 30;
constexpr int kBurstCapacity = 100;

using WUN::Frame;

WINPUT& Input() {
    return *Frame().GetInput();
}

// The settings window's place until the first frame: it answers OK at once and draws nothing,
// so the first frame applies the player's settings before the menu shows.
class PUZZLE_FAKE : public WST::ST {
  public:
    int Update(int, float) override { return 1; }
    int Draw(int) override { return 0; }
};

}  // namespace

PUZZLE::PUZZLE() {
    g_file_system.SelectPack(g_resources.packs.menu_pack);
    profile_ = std::make_unique<PROFILE>(g_fonts[kBigFont]);
    ApplyVolumes();
    width_ = Frame().GetGameWidth();
    height_ = Frame().GetGameHeight();
    menu_ = std::make_unique<MENU_SCREEN>(
        MENU_SCREEN::ACTIONS{&PlayAction, &CutAction, &ExitAction, this});
    g_file_system.UnselectPack();
    categories_ = LoadFramesList(kCatalogueFile, width_, height_);
    auto own_pictures =
        std::make_unique<OWN_PICTURES_PAGE>(platform::PicturesFolder(), ThumbnailCacheFolder());
    own_pictures->LayoutPage(width_, height_);
    own_pictures_ = own_pictures.get();
    categories_.push_back(std::move(own_pictures));
    g_file_system.SelectPack(g_resources.packs.book_pack);
    book_ = std::make_unique<MENU_BOOK>(CategoryLabels());
    g_file_system.UnselectPack();
    SelectPage(1);
    saves_ = std::make_unique<SAVES_LIST>();
    autosave_ = std::make_unique<AUTOSAVE>();
    RefreshSaves();
    g_file_system.SelectPack(g_resources.packs.effects_pack);
    sparks_ = std::make_unique<WUN::PARTIC>(g_resources.particle.snow, 0, kSparkCount);
    sparks_->SetType(0);
    sparks_->Start();
    burst_ = std::make_unique<WUN::PARTIC>(g_resources.particle.blow, 0, kBurstCapacity);
    burst_->SetType(2);
    g_file_system.UnselectPack();
    menu_->Layout(width_, height_);
    settings_dialog_ = std::make_unique<PUZZLE_FAKE>();
    if (profile_->IsFirstRun()) {
        profile_->OpenWindow();
    }
}

PUZZLE::~PUZZLE() = default;

// --- Update.

int PUZZLE::Update(int, float) {
    if (state_ != kPlaying) {
        own_pictures_->Poll(width_, height_);
    }
    if (UpdateKeysAndPointer() || UpdateSettingsDialog() || UpdatePlayerWindow() ||
        UpdateHelpScreen() || UpdateQuitQuestion() || UpdateRecordWindows()) {
        return 0;
    }
    if (state_ == kPlaying) {
        UpdatePlaying();
    } else if (state_ == kChoice) {
        UpdateChoice();
    } else if (state_ == kMenu) {
        UpdateMenu();
    }
    return 0;
}

bool PUZZLE::UpdateKeysAndPointer() {
    if (TakeFullScreenKeys(Input()) && !ResolutionCountingDown()) {
        SwitchFullScreen();
    }
    if (Input().KeyIsDown(VK_CONTROL) && Input().KeyIsDown('Q') && Frame().IsRunning()) {
        SaveGame();
        Frame().Quit();
    }
    int x = 0;
    int y = 0;
    Input().GetPosition(x, y);
    if (Input().GetLeft() == 1) {
        burst_->EmitAt(kBurstSize, x, y);
    }
    if (board_ && play_panel_ && PressEndsMagnifier(Input(), *board_, *play_panel_)) {
        return true;
    }
    sparks_->SetSpawnPosition(x + 24, y + 16);
    sparks_->Update(0, 0.0f);
    burst_->Update(0, 0.0f);
    return false;
}

bool PUZZLE::UpdatePlayerWindow() {
    const int answer = profile_->UpdateWindow();
    if (answer == -5) {
        RefreshSaves();
        ApplySettings();
    }
    return answer == -6 || answer == -5;
}

bool PUZZLE::UpdateQuitQuestion() {
    if (!quit_question_) {
        return false;
    }
    const int answer = quit_question_->Update(0, 0.0f);
    if (answer == 1) {
        profile_->SaveSettings();
        quit_question_.reset();
        if (state_ == kPlaying) {
            if (board_ && board_->counters.regSc != 0) {
                save_question_ = std::make_unique<PUZZLE_SAVE_QUEST>();
            } else {
                autosave_->Discard();
                EndGame();
            }
        } else if (state_ == kMenu) {
            Frame().Quit();
        }
    } else if (answer == -1) {
        quit_question_.reset();
    }
    return true;
}

void PUZZLE::UpdatePlaying() {
    if (save_question_) {
        const int answer = save_question_->Update(0, 0.0f);
        if (answer == 1) {
            if (board_->counters.regCg >= 1) {
                SaveGame();
            }
            EndGame();
            RefreshSaves();
        } else if (answer == -1) {
            profile_->SaveSettings();
            autosave_->Discard();
            EndGame();
        }
        return;
    }
    if (UpdateOptionsDialog()) {
        return;
    }
    if (GameKeepable() && autosave_->Tick(Frame().GetFrameTime())) {
        SaveAutomatically();
    }
    const PLAY_FRAME frame = UpdatePanelAndBoard(*board_, *play_panel_);
    switch (frame.answer) {
        case PLAY_PANEL::kExit:
            OpenQuitQuestion();
            break;
        case PLAY_PANEL::kOptions:
            ToggleOptionsDialog();
            break;
        default:
            break;
    }
    switch (frame.result) {
        case kBoardFinished:
            SaveResult();
            break;
        case kBoardLeave:
            CloseGameWindows();
            board_.reset();
            play_panel_.reset();
            state_ = kMenu;
            RefreshSaves();
            RefreshScoreButton();
            break;
        case kBoardTutorialStep:
            ShowHelp(2);
            break;
        default:
            break;
    }
}

void PUZZLE::UpdateMenu() {
    if (menu_->PlayerPanelClicked()) {
        SoundPlay(g_sounds[kButtonPressSound]);
        profile_->SaveSettings();
        profile_->OpenWindow();
        return;
    }
    const int clicked = menu_->UpdateButtons();
    if (state_ != kMenu) {
        return;  // a button's action started a game
    }
    if (clicked >= 0) {
        SoundPlay(g_sounds[kButtonPressSound]);
    }
    switch (clicked) {
        case kButtonSettings:
            OpenSettings();
            return;
        case kButtonTrophy:
            OpenTrophyPanel();
            return;
        case kButtonTop:
            OpenLeaderBoard();
            return;
        case kButtonScore:
            OpenScoreBoard();
            return;
        default:
            break;
    }
    if (KeyPressed(VK_ESCAPE)) {
        OpenQuitQuestion();
        return;
    }
    if (KeyPressed(VK_RETURN)) {
        Play();
        return;
    }
    if (const int page = book_->Update(); page != 0) {
        SelectPage(page);
        return;
    }
    if (saves_shown_ && current_page_ == SavesPage()) {
        if (saves_->Update() == SAVES_LIST::kEmptied) {
            RefreshSaves();
        }
        return;
    }
    if (PUZZLE_CATEGORY* category = CurrentCategory()) {
        if (category->Update() == PUZZLE_CATEGORY::kPlay) {
            Play();
        }
    }
}

// --- Flow.

std::vector<std::string> PUZZLE::CategoryLabels() const {
    std::vector<std::string> labels;
    for (const auto& category : categories_) {
        const int i = category->name_index;
        if (i == OWN_PICTURES_PAGE::kNameIndex) {
            labels.emplace_back(g_texts.menu_btn_mypictures_name);
        } else {
            labels.push_back(i < static_cast<int>(g_pack_names.size()) ? g_pack_names[i] : "");
        }
    }
    return labels;
}

PUZZLE_CATEGORY* PUZZLE::CurrentCategory() const {
    if (current_page_ < 1 || current_page_ > CategoryCount()) {
        return nullptr;
    }
    return categories_[current_page_ - 1].get();
}

void PUZZLE::SelectPage(int page) {
    SoundPlay(g_sounds[kButtonPressSound]);
    ShowPage(page);
}

void PUZZLE::ShowPage(int page) {
    book_->SetCurrentPage(page);
    menu_->Button(kButtonCut).SetEnabled(page != SavesPage());
    current_page_ = page;
}

void PUZZLE::Play() {
    SoundPlay(g_sounds[kButtonPlayPressSound]);
    if (saves_shown_ && current_page_ == SavesPage()) {
        PlaySaved();
        return;
    }
    PUZZLE_CATEGORY* category = CurrentCategory();
    const FRAME* entry = category != nullptr ? category->SelectedEntry() : nullptr;
    // A game needs a picture: never a board cut from the default texture.
    if (entry == nullptr || !entry->PictureLoads()) {
        return;
    }
    board_.reset();
    board_ = std::make_unique<PUZZLE_PIECES_SYSTEM>();
    SetPictureSource(*entry);
    board_->cols = entry->columns;
    board_->rows = entry->rows;
    board_->SetAspect(entry->aspect);
    board_->Init(entry->picture, entry->Min, static_cast<int>(0.7f * width_),
                 profile_->GetSettings(), entry->rot, 1.0f, 0);
    if (!BoardHasPicture()) {
        board_.reset();
        return;
    }
    board_->SetSmallPicturePath(entry->thumbnail);
    board_->SetState(kStateBuild);
    board_->SetBackgroundColour(static_cast<uint32_t>(profile_->GetSettings()->background));
    autosave_->Begin(profile_->PlayerFolder());
    state_ = kPlaying;
    CreatePlayPanel();
    ShowHelp(1);
}

void PUZZLE::SetPictureSource(const FRAME& entry) {
    if (entry.own_picture) {
        const PICTURE_TIER tier = PictureTierFor(width_, height_);
        board_->tier_width = tier.max_width;
        board_->tier_height = tier.max_height;
        board_->picture_stamp =
            OwnPictureStamp(platform::PicturesFolder(), entry.picture).value_or(PICTURE_STAMP{});
    } else {
        // The saved game keeps the pack, so it finds the same picture again on any screen.
        board_->pack_name = PictureTierFor(width_, height_).pack;
    }
}

bool PUZZLE::BoardHasPicture() const {
    return board_->picture->GetTexture() != Frame().GetRender()->GetDefaultTexture();
}

void PUZZLE::CreatePlayPanel() {
    g_file_system.SelectPack(g_resources.packs.level_pack);
    play_panel_.reset();
    play_panel_ = std::make_unique<PLAY_PANEL>(g_resources.play_panel.panel);
    g_file_system.UnselectPack();
    PlacePlayPanel();
}

void PUZZLE::PlacePlayPanel() {
    play_panel_->SetPosition(width_ / 2, static_cast<int>(height_ * 0.97));
}

void PUZZLE::OpenQuitQuestion() {
    g_file_system.SelectPack(g_resources.packs.gui_pack);
    quit_question_ = std::make_unique<PUZZLE_QUIT_QUEST>();
    g_file_system.UnselectPack();
}

void PUZZLE::EndGame() {
    CloseGameWindows();
    board_.reset();
    play_panel_.reset();
    state_ = kMenu;
    save_question_.reset();
    Input().ClearButtons();
}

void PUZZLE::RefreshScoreButton() {
    const std::string results = profile_->PlayerFolder() + g_resources.progress_file;
    menu_->Button(kButtonScore).SetEnabled(WFILE_SYSTEM::FileExists(results) == 1);
}

void PUZZLE::ApplyScreenMode() {
    const PUZZLE_PLAYER_PROFILE& settings = *profile_->GetSettings();
    WUN::ST_GAME& frame = Frame();
    for (const SCREEN_MODE_SIZE& size : kScreenModeSizes) {
        if (size.screen_mode == settings.screen_mode) {
            frame.SetVideoMode(size.width, size.height, settings.full_screen);
            return;
        }
    }
    if (settings.screen_mode == 0) {
        frame.SetVideoMode(frame.GetDesktopWidth(), frame.GetDesktopHeight(), settings.full_screen);
    } else {
        frame.SetVideoMode(frame.GetConfiguredWidth(), frame.GetConfiguredHeight(),
                           frame.GetFullScreenWanted());
    }
}

bool PUZZLE::ResolutionCountingDown() const {
    const PUZZLE_SETTINGS* settings = SettingsWindow();
    const PUZZLE_RESOLUTION* resolution =
        settings != nullptr ? settings->ResolutionWindow() : nullptr;
    return resolution != nullptr && resolution->Confirmation() != nullptr;
}

void PUZZLE::SwitchFullScreen() {
    PUZZLE_PLAYER_PROFILE& settings = *profile_->GetSettings();
    if (!ToggleFullScreen(settings, read_screen_limits())) {
        return;
    }
    ApplyScreenMode();
    Layout(settings.screen_mode);
    if (PUZZLE_SETTINGS* window = SettingsWindow()) {
        window->Layout();
    }
    profile_->SaveSettings();
}

void PUZZLE::ApplySettings() {
    const PUZZLE_PLAYER_PROFILE& settings = *profile_->GetSettings();
    if (state_ != kPlaying) {
        ApplyScreenMode();
    }
    ApplyGameCursor(settings.game_cursor);
    ApplyVolumes();
    Layout(settings.screen_mode);
    profile_->SaveSettings();
    RefreshScoreButton();
    SelectPage(1);
}

void PUZZLE::ApplyGameCursor(bool on) {
    Frame().ShowSystemCursor(!on);
    if (g_cursor != nullptr) {
        g_cursor->SetVisible(on);
    }
}

void PUZZLE::ApplyVolumes() {
    const PUZZLE_PLAYER_PROFILE& settings = *profile_->GetSettings();
    SetSoundVolume(settings.sound_volume);
    SetMusicVolume(settings.music_volume);
}

void PUZZLE::SetMusicVolume(float volume) {
    SoundSetVolume(g_sounds[kMenuMusic], volume);
    SoundSetVolume(g_sounds[kGameMusic], volume);
}

void PUZZLE::SetSoundVolume(float volume) {
    for (int i = 0; i < kSoundCount; ++i) {
        if (i != kMenuMusic && i != kGameMusic) {
            SoundSetVolume(g_sounds[i], volume);
        }
    }
}

void PUZZLE::Layout(int resolution_code) {
    WUN::ST_GAME& frame = Frame();
    width_ = frame.GetGameWidth();
    height_ = frame.GetGameHeight();
    resolution_code_ = resolution_code;
    if (WSPRITE* overlay = g_shared_sprites.black_overlay) {
        overlay->SetSize(width_, height_);
        overlay->SetAnchor(WSPRITE::kAnchorCentre);
        overlay->SetPosition(frame.Centre.x, frame.Centre.y);
    }
    menu_->Layout(width_, height_);
    if (difficulty_dialog_) {
        difficulty_dialog_->Layout();
    }
    if (board_) {
        board_->Layout();
    }
    if (play_panel_) {
        PlacePlayPanel();
    }
    for (const auto& category : categories_) {
        category->LayoutPage(width_, height_);
    }
    saves_->LayoutPage(width_, height_);
    book_->Layout();
    profile_->LayoutWindow();
    if (quit_question_) {
        quit_question_->Layout();
    }
    if (save_question_) {
        save_question_->Layout();
    }
    LayoutRecordWindows();
}

// --- Drawing.

int PUZZLE::Draw(int) {
    if (state_ != kPlaying) {
        return 0;
    }
    // Under the board's background: the board draws them into its cached layer.
    board_->underlay = [this] {
        menu_->DrawFloor();
        menu_->DrawBorder();
    };
    board_->Draw(0);
    play_panel_->Draw(0);
    return 0;
}

void PUZZLE::DrawOverlay() {
    if (state_ == kPlaying) {
        DrawPlayingOverlay();
    } else if (state_ == kChoice && difficulty_dialog_) {
        DrawChoiceOverlay();
    } else {
        DrawMenuOverlay();
    }
    sparks_->Draw(0);
    burst_->Draw(0);
}

void PUZZLE::DrawPlayingOverlay() {
    if (options_dialog_) {
        options_dialog_->Draw(0);
    }
    if (save_question_) {
        save_question_->Draw(0);
    }
    if (quit_question_) {
        quit_question_->Draw(0);
    }
    play_panel_->DrawHints();
    board_->DrawOverlay();
    if (help_screen_) {
        help_screen_->Draw(0);
    }
}

void PUZZLE::DrawMenuOverlay() {
    menu_->DrawFloor();
    menu_->DrawFurniture();
    profile_->DrawGreeting(Frame().Centre.x, menu_->GreetingY());
    book_->Draw();
    if (PUZZLE_CATEGORY* category = CurrentCategory()) {
        category->Draw();
    } else if (saves_shown_ && current_page_ == SavesPage()) {
        saves_->Draw();
    }
    book_->DrawLabels();
    menu_->DrawButtons();
    profile_->DrawWindow();
    if (settings_dialog_) {
        settings_dialog_->Draw(0);
    }
    DrawRecordWindows();
    if (quit_question_) {
        quit_question_->Draw(0);
    }
}

// --- Button actions.

void PUZZLE::PlayAction(void* self) {
    static_cast<PUZZLE*>(self)->Play();
}

void PUZZLE::CutAction(void* self) {
    static_cast<PUZZLE*>(self)->SetPzlOpt();
}

void PUZZLE::ExitAction(void* self) {
    SoundPlay(g_sounds[kButtonPressSound]);
    static_cast<PUZZLE*>(self)->OpenQuitQuestion();
}

}  // namespace GAME
