// AUTOSAVE: the running game's own autosave file, written every minute of play and when the
// window loses focus, and removed when the game ends.
#pragma once

#include <string>

#include "game/shell/autosave_writer.h"

namespace GAME {

// An autosave never takes the place of a save the player made or loaded: each game writes a
// file of its own ("autosave1.pzl", ...), which the saved-games page lists like any save, so a
// game cut short by a crash is offered at the next start.
class AUTOSAVE {
  public:
    static constexpr float kIntervalSeconds = 60.0f;
    static constexpr const char* kFileStem = "autosave";

    // A new game in folder (ending in "/"): its file is named at its first autosave.
    void Begin(const std::string& folder);
    // A game resumed from save_file: an autosave stays this game's own and goes on being
    // written; a save the player made leaves the game a file of its own to come.
    void Resume(const std::string& folder, const std::string& save_file);
    // Adds seconds of play; true when an autosave is due.
    bool Tick(float seconds);
    // Writes the game's document, off the main thread after its hand-over.
    void Write(std::string text);
    // Removes this game's autosave, and no other file.
    void Discard();
    // Waits until the last autosave is on disk.
    void Flush() { writer_.Flush(); }

    // The file of this game's autosave; empty until the first is written.
    const std::string& Path() const { return path_; }
    // The name is one of an autosave.
    static bool IsAutosave(const std::string& path);

  private:
    std::string folder_;
    std::string path_;
    float play_seconds_ = 0.0f;
    AUTOSAVE_WRITER writer_;
};

}  // namespace GAME
