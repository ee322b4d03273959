// AUTOSAVE: the running game's own autosave file, written every minute of play and when the
// window loses focus, and removed when the game ends.
#include "game/shell/autosave.h"

#include <filesystem>
#include <utility>

#include "game/board/save_file.h"

namespace GAME {

void AUTOSAVE::Begin(const std::string& folder) {
    folder_ = folder;
    path_.clear();
    play_seconds_ = 0.0f;
}

void AUTOSAVE::Resume(const std::string& folder, const std::string& save_file) {
    Begin(folder);
    if (IsAutosave(save_file)) {
        path_ = save_file;
    }
}

bool AUTOSAVE::Tick(float seconds) {
    play_seconds_ += seconds;
    if (play_seconds_ < kIntervalSeconds) {
        return false;
    }
    play_seconds_ = 0.0f;
    return true;
}

void AUTOSAVE::Write(std::string text) {
    play_seconds_ = 0.0f;
    if (path_.empty()) {
        path_ = FreeSaveName(folder_ + kFileStem);
        if (path_.empty()) {
            return;
        }
    }
    writer_.Write(path_, std::move(text));
}

void AUTOSAVE::Discard() {
    writer_.Remove(path_);
    path_.clear();
    play_seconds_ = 0.0f;
}

bool AUTOSAVE::IsAutosave(const std::string& path) {
    return std::filesystem::path(path).filename().string().starts_with(kFileStem);
}

}  // namespace GAME
