// The frame callbacks: the game side of every main-loop iteration.
#include "game/app/callbacks.h"

#include "engine/audio/sound.h"
#include "engine/ui/mouse_cursor.h"
#include "engine/ui/particles.h"
#include "engine/ui/shared_items.h"
#include "game/app/game_object.h"
#include "game/shell/puzzle.h"

namespace {

constexpr int kMusicTracks[] = {13, 14};

}  // namespace

int GameUpdate() {
    for (PARTIC_CIRCLE* effect : g_effects) {
        if (effect != nullptr) {
            effect->Update(0, 0.0f);
        }
    }
    if (g_game != nullptr) {
        g_game->Update(0, 0.0f);
    }
    if (g_cursor != nullptr) {
        g_cursor->Update(0, 0.0f);
    }
    return 0;
}

void GameDrawScene() {
    if (g_game != nullptr) {
        g_game->Draw(0);
    }
}

void GameDrawOverlay() {
    if (g_game != nullptr) {
        g_game->DrawOverlay();
    }
    if (g_cursor != nullptr) {
        g_cursor->Draw(0);
    }
}

void GamePause() {
    if (g_game != nullptr) {
        g_game->SaveAutomatically();
    }
    for (int track : kMusicTracks) {
        SoundPause(g_sounds[track]);
    }
}

void GameResume() {
    for (int track : kMusicTracks) {
        SoundResume(g_sounds[track]);
    }
}
