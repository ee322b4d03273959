// Fuzz target: a saved game (".pzl"), read and then brought into a playable state as a restore
// does.
#include <cstdint>
#include <string_view>

#include "game/board/saved_game_check.h"
#include "game/board/saved_puzzle.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::optional<GAME::SAVED_PUZZLE> saved =
        GAME::ParseSavedPuzzle(std::string_view(reinterpret_cast<const char*>(data), size));
    if (saved) {
        // A 4 x 3 grid of 60-pixel cells on a 1024 x 768 screen.
        const GAME::RESTORE_GRID grid{4, 3, 60, 60, 0.0f, 0.0f, 1024.0f, 768.0f};
        GAME::CheckSavedGame(*saved, grid);
    }
    return 0;
}
