// Storage of the process-wide game objects; see game_objects.h.
#include "engine/frame/game_objects.h"

WFONT* g_fonts[kFontCount] = {};
WSOUND* g_sounds[kSoundCount] = {};
WMOUSEB* g_cursor = nullptr;
GAME::PUZZLE* g_game = nullptr;
PARTIC_CIRCLE* g_effects[kEffectSlots] = {};
SHARED_SPRITES g_shared_sprites;
