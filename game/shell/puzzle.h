// GAME::PUZZLE: the one object the game runs through once loading is over: the menu with its
// book, the windows that open from it, the player's profile and, while a game runs, the board.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/ui/object_tree.h"
#include "game/shell/screen_limits.h"

class PLAY_PANEL;
class PROFILE;
namespace WUN {
class PARTIC;
class TROFEI_PANEL;
}  // namespace WUN
class FRAME;
class PUZZLE_CATEGORY;
class WSPRITE;

namespace GAME {

class AUTOSAVE;
class DIFFICULTY_DIALOG;
class FAQ_SCREEN;
class LIDER_BOARD;
class MENU_BOOK;
class MENU_SCREEN;
class OWN_PICTURES_PAGE;
class PUZZLE_OPTIONS_GAME;
class PUZZLE_PIECES_SYSTEM;
class PUZZLE_QUIT_QUEST;
class PUZZLE_SAVE_QUEST;
class PUZZLE_SETTINGS;
class SAVES_LIST;
class SCORE_BOARD;

class PUZZLE : public WST::ST {
  public:
    enum STATE { kMenu = 0, kChoice = 1, kPlaying = 6 };

    // Made by the loading thread as loading's last step.
    PUZZLE();
    ~PUZZLE() override;
    PUZZLE(const PUZZLE&) = delete;
    PUZZLE& operator=(const PUZZLE&) = delete;

    // Once per frame; the first step that handles something ends it. Returns 0.
    int Update(int flag, float step) override;
    // Into the scene target, while playing: the desk, the board and the play panel. Returns 0.
    int Draw(int flag) override;
    // Onto the back buffer: the menu, or the windows over the board.
    void DrawOverlay();
    // Everything placed for the current screen; code is the screen mode it was laid out for.
    void Layout(int resolution_code);

    // The book's page n (1-based; the category count + 1 is the saved-games page), with the
    // page sound.
    void SelectPage(int page);
    // Starts the selected picture at once, or on the saved-games page resumes the selected game.
    // An own picture is scaled to the screen's tier before the cut.
    void Play();
    // Opens the difficulty choice for the selected picture: a preview of its cut over a panel
    // of controls. Nothing on the saved-games page.
    void SetPzlOpt();
    void OpenQuitQuestion();
    // The settings window of the menu.
    void OpenSettings();
    // Opens the options window of a running game, or closes it as its Cancel would.
    void ToggleOptionsDialog();
    // While the player's help flag is set: mode 1 the mouse page for this board's rotation,
    // any other mode the pocket page, which ends the help for this player.
    void ShowHelp(int mode);
    // Reads the player's settings and applies them: video mode (outside a game), cursor,
    // volumes, layout; then saves them and shows page 1.
    void ApplySettings();
    // F11 and Alt+Enter, in the menu or in a game: the record's full-screen switch, applied and
    // saved at once.
    void SwitchFullScreen();

    // --- Saved games, results and trophies (puzzle_records.cpp).

    // Appends the finished game to the player's results file and saves the settings with the
    // trophy counters the completion changed; once per board.
    void SaveResult();
    // Each opens its window over the menu, or closes it when it is open.
    void OpenScoreBoard();
    void OpenLeaderBoard();
    void OpenTrophyPanel();
    // Writes the running game to its own autosave file (off the main thread once handed over);
    // nothing without a game to keep. Due every minute of play, and when the window loses focus.
    void SaveAutomatically();
    AUTOSAVE& Autosave() const { return *autosave_; }
    // Rebuilds the saved-games page from the player's ".pzl" files: with none left the book
    // loses its saves tab and shows page 1.
    void RefreshSaves();
    // The saved-games page, which is the book's last one (category count + 1) while it exists.
    SAVES_LIST& Saves() const { return *saves_; }
    bool SavesShown() const { return saves_shown_; }
    int SavesPage() const { return CategoryCount() + 1; }
    // The file name prefix of the player's new saves.
    std::string SavePrefix() const;

    // The category of the current page; null on the saved-games page or without categories.
    PUZZLE_CATEGORY* CurrentCategory() const;
    // The category of the player's own pictures, the last one.
    OWN_PICTURES_PAGE& OwnPictures() const { return *own_pictures_; }
    MENU_SCREEN& Menu() const { return *menu_; }
    const MENU_BOOK& Book() const { return *book_; }
    int State() const { return state_; }
    int CurrentPage() const { return current_page_; }
    int CategoryCount() const { return static_cast<int>(categories_.size()); }
    PUZZLE_PIECES_SYSTEM* Board() const { return board_.get(); }
    PLAY_PANEL* PlayPanel() const { return play_panel_.get(); }
    PROFILE& Profile() const { return *profile_; }
    // The embers that follow the pointer on every screen.
    WUN::PARTIC& CursorSparks() const { return *sparks_; }
    bool QuitQuestionOpen() const { return quit_question_ != nullptr; }
    bool SaveQuestionOpen() const { return save_question_ != nullptr; }
    int ResolutionCode() const { return resolution_code_; }
    DIFFICULTY_DIALOG* DifficultyDialog() const { return difficulty_dialog_.get(); }
    // The settings window, null while it is closed (and while the first frame's stand-in holds
    // its place).
    PUZZLE_SETTINGS* SettingsWindow() const;
    PUZZLE_OPTIONS_GAME* OptionsWindow() const { return options_dialog_.get(); }
    FAQ_SCREEN* HelpScreen() const { return help_screen_.get(); }
    SCORE_BOARD* ScoreBoard() const { return score_board_.get(); }
    LIDER_BOARD* LeaderBoard() const { return leader_board_.get(); }
    WUN::TROFEI_PANEL* TrophyPanel() const { return trophy_panel_.get(); }

    // What the resolution window may offer; tests and tools stand in for the display here.
    std::function<SCREEN_LIMITS()> read_screen_limits = &SCREEN_LIMITS::Current;

  private:
    bool UpdateKeysAndPointer();
    bool UpdateSettingsDialog();
    bool UpdatePlayerWindow();
    bool UpdateHelpScreen();
    bool UpdateQuitQuestion();
    bool UpdateOptionsDialog();
    // The leader board, score board and trophy panel: true while one of them is open.
    bool UpdateRecordWindows();
    void LayoutRecordWindows();
    void DrawRecordWindows();
    // Page n shown as the current one, its tab pressed; the cut button only on a category.
    void ShowPage(int page);
    // The new board's picture comes from the pack of the screen's picture tier, or for an own
    // picture from its file fitted to that tier.
    void SetPictureSource(const FRAME& entry);
    // False when the board's picture did not load (an own picture is decoded only by the
    // board): no game is cut from the default texture.
    bool BoardHasPicture() const;
    // Resumes the saved game selected on the saved-games page; a file that cannot be restored
    // leaves the menu as it is and the file on disk.
    void PlaySaved();
    // Saves the running game to the player's folder (Ctrl+Q, the save question); its autosave
    // then goes.
    void SaveGame();
    // A game in play and not yet finished: one with pieces to keep.
    bool GameKeepable() const;
    void UpdatePlaying();
    void UpdateChoice();
    void UpdateMenu();
    // The preview cut again with the difficulty choice's values.
    void RecutPreview();
    void CloseOptionsDialog();
    // The windows that belong to a game, closed when it ends.
    void CloseGameWindows();
    void EndGame();
    void CreatePlayPanel();
    void PlacePlayPanel();
    void DrawPlayingOverlay();
    void DrawChoiceOverlay();
    void DrawMenuOverlay();
    void RefreshScoreButton();
    // The video mode of the player's record.
    void ApplyScreenMode();
    // A new screen mode waits for its confirmation: nothing else may change the mode meanwhile.
    bool ResolutionCountingDown() const;
    void ApplyVolumes();
    // Volumes 0..1: the music tracks, and every other sound.
    void SetMusicVolume(float volume);
    void SetSoundVolume(float volume);
    void ApplyGameCursor(bool on);
    std::vector<std::string> CategoryLabels() const;

    static void PlayAction(void* self);
    static void CutAction(void* self);
    static void ExitAction(void* self);

    int state_ = kMenu;
    int width_ = 0;
    int height_ = 0;
    int current_page_ = 1;
    int resolution_code_ = 480000;  // until the first layout
    std::vector<std::unique_ptr<PUZZLE_CATEGORY>> categories_;
    OWN_PICTURES_PAGE* own_pictures_ = nullptr;  // the last of categories_
    std::unique_ptr<PROFILE> profile_;
    std::unique_ptr<MENU_SCREEN> menu_;
    std::unique_ptr<MENU_BOOK> book_;
    std::unique_ptr<WUN::PARTIC> sparks_;
    std::unique_ptr<WUN::PARTIC> burst_;
    std::unique_ptr<PUZZLE_PIECES_SYSTEM> board_;
    // The board's tools while a game runs.
    std::unique_ptr<PLAY_PANEL> play_panel_;
    // The settings window; until the first frame a stand-in that answers OK at once, so the
    // player's settings are applied before anything of the menu is drawn.
    std::unique_ptr<WST::ST> settings_dialog_;
    std::unique_ptr<DIFFICULTY_DIALOG> difficulty_dialog_;
    std::unique_ptr<PUZZLE_OPTIONS_GAME> options_dialog_;
    std::unique_ptr<FAQ_SCREEN> help_screen_;
    std::unique_ptr<PUZZLE_QUIT_QUEST> quit_question_;
    std::unique_ptr<PUZZLE_SAVE_QUEST> save_question_;
    std::unique_ptr<SAVES_LIST> saves_;
    std::unique_ptr<AUTOSAVE> autosave_;
    bool saves_shown_ = false;
    std::unique_ptr<SCORE_BOARD> score_board_;
    std::unique_ptr<LIDER_BOARD> leader_board_;
    std::unique_ptr<WUN::TROFEI_PANEL> trophy_panel_;
};

}  // namespace GAME
