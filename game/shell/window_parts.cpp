// The helpers every shell window shares: key presses, sounds, fonts, overlay and button pair.
#include "game/shell/window_parts.h"

#include <cstdint>

#include "engine/audio/sound.h"
#include "engine/frame/game.h"
#include "engine/resources/config.h"
#include "engine/text/font.h"
#include "engine/ui/shared_items.h"
#include "engine/ui/sprite.h"

namespace GAME {

namespace {
constexpr int kBigFont = 0;
constexpr int kMainFont = 1;
}  // namespace

bool KeyPressed(int vk) {
    return WUN::ST_GAME::GetInstance()->GetInput()->KeyWentDown(vk);
}

void PlayShellSound(SHELL_SOUND sound) {
    SoundPlay(g_sounds[sound]);
}

WFONT* BigFont() {
    return g_fonts[kBigFont];
}

WFONT* MainFont() {
    return g_fonts[kMainFont];
}

void PrintText(WFONT* font, int align, int x, int y, const char* text) {
    if (font == nullptr) {
        return;
    }
    font->SetColour(static_cast<uint32_t>(g_config.font_main_color));
    font->align = align;
    font->DrawText(x, y, text);
}

void DrawScreenOverlay() {
    if (WSPRITE* overlay = g_shared_sprites.black_overlay) {
        overlay->Draw(0);
    }
}

void PlaceOkCancel(WSPRITE& ok, WSPRITE& cancel, int centre_x, int bottom_edge) {
    ok.SetPosition(centre_x - static_cast<int>(ok.QuadWidth()) / 8,
                   bottom_edge - static_cast<int>(ok.QuadHeight()) / 4);
    cancel.SetPosition(centre_x + static_cast<int>(cancel.QuadWidth()) / 8,
                       bottom_edge - static_cast<int>(cancel.QuadHeight()) / 4);
}

}  // namespace GAME
