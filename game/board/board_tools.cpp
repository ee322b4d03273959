// The play panel's tools on the board: ghost image, border filter, fly frame, magnifier and the
// end of a hint.
#include "engine/frame/game.h"
#include "game/board/board_sounds.h"
#include "game/board/pieces_system.h"

namespace GAME {

bool PUZZLE_PIECES_SYSTEM::ToggleGhostImage() {
    ghost_image = !ghost_image;
    PlaySound(ghost_image ? kSoundToolsOn : kSoundToolsOff);
    if (ghost_image && picture != nullptr) {
        const WUN::ST_GAME& frame = *WUN::ST_GAME::GetInstance();
        picture->SetScale(1.0f, 1.0f);
        picture->SetPosition(frame.GetGameWidth() / 2, frame.GetGameHeight() / 2);
    }
    return ghost_image;
}

bool PUZZLE_PIECES_SYSTEM::ToggleBorderFilter() {
    // Once the frame is complete the filter stays as it is.
    if (wave_index == -2) {
        return border_filter;
    }
    border_filter = !border_filter;
    PlaySound(border_filter ? kSoundToolsOn : kSoundToolsOff);
    return border_filter;
}

bool PUZZLE_PIECES_SYSTEM::ToggleFlyFrame() {
    fly_shown = !fly_shown;
    PlaySound(fly_shown ? kSoundToolsOn : kSoundToolsOff);
    return fly_shown;
}

bool PUZZLE_PIECES_SYSTEM::ToggleMagnifier() {
    magnifier_on = !magnifier_on;
    PlaySound(magnifier_on ? kSoundToolsOn : kSoundToolsOff);
    return magnifier_on;
}

void PUZZLE_PIECES_SYSTEM::ClearHint() {
    for (PUZZLE_PIECE* piece : grid_) {
        piece->hint_blink = false;
    }
    hint_active = false;
}

}  // namespace GAME
