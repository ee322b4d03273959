// Storage of the process-wide shared items; see shared_items.h.
#include "engine/ui/shared_items.h"

WFONT* g_fonts[kFontCount] = {};
WSOUND* g_sounds[kSoundCount] = {};
WMOUSEB* g_cursor = nullptr;
PARTIC_CIRCLE* g_effects[kEffectSlots] = {};
SHARED_SPRITES g_shared_sprites;
