// The process-wide items that start-up loads once and every screen, the board and the widgets
// share: fonts, sounds, the cursor, the particle slots and a few sprites.
#pragma once

class WFONT;
class WSOUND;
class WSPRITE;
class WMOUSEB;
class PARTIC_CIRCLE;

constexpr int kFontCount = 4;
constexpr int kSoundCount = 27;
constexpr int kEffectSlots = 3;

// Entry i comes from item i of the registry's fonts section; null until loaded.
extern WFONT* g_fonts[kFontCount];
// Entry i comes from item i of the registry's sound section; null when missing (silence).
extern WSOUND* g_sounds[kSoundCount];
extern WMOUSEB* g_cursor;
// Particle effects the board places here; each slot is null when empty.
extern PARTIC_CIRCLE* g_effects[kEffectSlots];

// Sprites made once during loading and used by many screens (sized by each user).
struct SHARED_SPRITES {
    WSPRITE* shadow = nullptr;       // drop shadows
    WSPRITE* white_plain = nullptr;  // white borders
    WSPRITE* rot_yes = nullptr;
    WSPRITE* rot_no = nullptr;
    WSPRITE* darkening = nullptr;      // colour 0x88000000 on an 8x8 texture of 0xBBFFFFFF
    WSPRITE* black_overlay = nullptr;  // 1x1 texture of the configured black_transluvent
};
extern SHARED_SPRITES g_shared_sprites;
