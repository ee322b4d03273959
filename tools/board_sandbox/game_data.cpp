// Loads what the board draws and plays from a built game folder, as the game's start-up does.
#include "tools/board_sandbox/game_data.h"

#include "engine/audio/sound.h"
#include "engine/ui/shared_items.h"
#include "game/app/game_loader.h"

bool LoadGameData(const std::string& folder) {
    if (!LoadGameFrom(folder)) {
        return false;
    }
    // With no menu to fade the music in, both tracks play quietly.
    for (WSOUND* music : {g_sounds[13], g_sounds[14]}) {
        SoundSetVolume(music, 0.3f);
    }
    return true;
}
