// PUZZLE_MESSAGE_RESOLUTION: the message that a saved game was made at another screen resolution.
#include "game/board/resolution_message.h"

#include "engine/audio/sound.h"
#include "engine/frame/game.h"
#include "engine/resources/config.h"
#include "engine/resources/registry.h"
#include "engine/text/font.h"
#include "engine/text/strings.h"
#include "engine/ui/buttons.h"
#include "engine/ui/shared_items.h"
#include "game/board/board_sounds.h"

namespace GAME {
namespace {

constexpr int kMainFont = 1;  // g_fonts entry of the main font

}  // namespace

PUZZLE_MESSAGE_RESOLUTION::PUZZLE_MESSAGE_RESOLUTION()
    : WSPRITE(g_resources.gui.window_mini),
      ok_(std::make_unique<BUTTONACT>(g_resources.gui.ok_button, nullptr)),
      cancel_(std::make_unique<BUTTONACT>(g_resources.gui.cancel_button, nullptr)) {
    Layout();
}

PUZZLE_MESSAGE_RESOLUTION::~PUZZLE_MESSAGE_RESOLUTION() = default;

void PUZZLE_MESSAGE_RESOLUTION::Layout() {
    const WINT_POINT centre = WUN::ST_GAME::GetInstance()->Centre;
    SetPosition(centre.x, centre.y);
    const int buttons_y =
        static_cast<int>(centre.y + g_config.button_sokand_cancel_identy * QuadHeight());
    ok_->SetPosition(static_cast<int>(centre.x - ok_->QuadWidth() / 8.0f), buttons_y);
    cancel_->SetPosition(static_cast<int>(centre.x + cancel_->QuadWidth() / 8.0f), buttons_y);
}

int PUZZLE_MESSAGE_RESOLUTION::Answer() {
    if (cancel_->Update(0, 0.0f) == 1) {
        SoundPlay(g_sounds[kSoundButtonPress]);
        return -1;
    }
    if (ok_->Update(0, 0.0f) == 1) {
        SoundPlay(g_sounds[kSoundButtonPress]);
        return 1;
    }
    return 0;
}

void PUZZLE_MESSAGE_RESOLUTION::DrawMessage() {
    WSPRITE::Draw(0);
    ok_->Draw(0);
    cancel_->Draw(0);
    if (WFONT* font = g_fonts[kMainFont]) {
        font->align = 0;
        font->DrawText(static_cast<int>(pos.x), static_cast<int>(pos.y),
                       g_texts.game_dlg_resolution_error);
    }
}

}  // namespace GAME
