// PROFILE: the current player and settings, "LC.pzl", the player folders, the player window.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/records/player_settings.h"

class WFONT;
namespace GAME {
class PAZZLE_PROFILE_MANAGER;
}

// Every player has a folder of their own in the per-user folder (the root), holding "set.bin",
// the results file and the saved games; "LC.pzl" in the root names the player who played last.
// Names are checked before they become folders (IsUsablePlayerName), so no name leads out of the
// root, and deleting a player removes nothing but that player's own folder.
class PROFILE {
  public:
    // Answers of UpdateWindow.
    enum WindowAnswer {
        kNoWindow = 0,        // no window open (or it was cancelled): carry on
        kPlayerChanged = -5,  // rebuild the saved-games list and apply the settings
        kWindowOpen = -6,     // the window has this frame: do nothing else
    };
    static constexpr const char* kLastPlayerFile = "LC.pzl";
    // The default player's name when the localised one cannot be a folder name.
    static constexpr const char* kFallbackName = "Player";

    // In the application's per-user folder, with the application frame's screen state.
    explicit PROFILE(WFONT* font);
    // font: the big font (greeting and window). Takes the player "LC.pzl" names, or the default
    // player when it is missing or names no usable player (and then rewrites it); creates the
    // root and the player's folder when missing; reads the player's settings.
    PROFILE(WFONT* font, std::string root, FRAME_SCREEN_LINK& frame);
    ~PROFILE();
    PROFILE(const PROFILE&) = delete;
    PROFILE& operator=(const PROFILE&) = delete;

    // True when this start found neither "LC.pzl" nor any player folder: the shell opens the
    // player window at once.
    bool IsFirstRun() const { return first_run_; }
    const std::string& GetName() const { return name_; }
    // The per-user folder, ending in "/".
    const std::string& GetRoot() const { return root_; }
    // The folder of the named player, or of the current one, ending in "/".
    std::string PlayerFolder() const { return PlayerFolder(name_); }
    std::string PlayerFolder(const std::string& name) const;

    // The current player's settings record (owned by the profile).
    PUZZLE_PLAYER_PROFILE* GetSettings() { return &settings_; }
    // Read and write the current player's "set.bin". While the player's entry is not a real
    // folder (only a tampered root has such a player) nothing is read or written through it.
    void LoadSettings();
    // 1 when "set.bin" was written, -1 otherwise.
    int SaveSettings();

    // Makes name the current player: rewrites "LC.pzl", creates the folder when missing and
    // reads the settings. -1, changing nothing, when the name cannot be a player's folder.
    int SwitchTo(const std::string& name);
    // Deletes the player's folder with everything in it; links inside are removed, never
    // followed. 1 when deleted; -1 when the name's entry is not a real folder of the root (a
    // link or a file is left alone) or could not be removed.
    int DeletePlayer(const std::string& name);
    // Folder names in the root that are usable players, sorted.
    std::vector<std::string> PlayerNames() const;
    // The jigsaw_master counter of the player (the current one's from memory); none for another
    // player without a settings file. Reading another player's record changes no file.
    std::optional<uint32_t> ScoreOf(const std::string& name) const;

    // Opens the player window (its images come from gui_pack) listing the player folders, the
    // current player on top and selected. Does nothing while it is open.
    void OpenWindow();
    // Runs the window and acts on its answer; a WindowAnswer.
    int UpdateWindow();
    void DrawWindow();
    // Re-centres the open window after the screen size changed.
    void LayoutWindow();
    bool IsWindowOpen() const { return window_ != nullptr; }
    GAME::PAZZLE_PROFILE_MANAGER* GetWindow() const { return window_.get(); }

    // menu_btn_hello with the player's name, centred at (x, y) with the big font.
    void DrawGreeting(int x, int y);

  private:
    // The localised default name, or kFallbackName when that cannot be a player here.
    std::string DefaultName() const;
    std::string EntryPath(const std::string& name) const { return root_ + name; }
    void WriteLastPlayer();
    void CreatePlayerFolder(const std::string& name);
    void DeleteSelectedPlayer();

    std::string root_;
    WFONT* font_;  // not owned
    FRAME_SCREEN_LINK& frame_;
    std::string name_;
    PUZZLE_PLAYER_PROFILE settings_;
    bool first_run_ = false;
    std::unique_ptr<GAME::PAZZLE_PROFILE_MANAGER> window_;
};
