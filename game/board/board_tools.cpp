// The play panel's switches on the board: ghost image, border filter, fly frame and magnifier;
// the fly frame's picture; and the end of a hint.
#include "engine/frame/game.h"
#include "engine/resources/config.h"
#include "engine/ui/shared_items.h"
#include "engine/ui/sprite.h"
#include "game/board/board_sounds.h"
#include "game/board/pieces_system.h"

namespace GAME {
namespace {

using WUN::Frame;

}  // namespace

bool PUZZLE_PIECES_SYSTEM::ToggleGhostImage() {
    ghost_image = !ghost_image;
    PlaySound(ghost_image ? kSoundToolsOn : kSoundToolsOff);
    if (ghost_image && picture != nullptr) {
        picture->SetScale(1.0f, 1.0f);
        picture->SetPosition(Frame().GetGameWidth() / 2, Frame().GetGameHeight() / 2);
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
    if (magnifier_on) {
        lens_->SetTexture(Frame().GetRender()->GetSceneTexture());
    }
    return magnifier_on;
}

void PUZZLE_PIECES_SYSTEM::ClearHint() {
    for (PUZZLE_PIECE* piece : grid_) {
        piece->hint_blink = false;
    }
    hint_active = false;
}

void PUZZLE_PIECES_SYSTEM::DrawFlyFrame() {
    if (fly_frame_ == nullptr || picture == nullptr) {
        return;
    }
    const float x = fly_frame_->X();
    const float y = fly_frame_->Y();
    const float zoom = fly_frame_->ZoomFactor();
    // A white plain a little larger than the picture, both at the frame's zoom, gives the
    // picture a white border.
    if (WSPRITE* white = g_shared_sprites.white_plain) {
        const int extra = g_config.white_splain_extra;
        white->SetSize(picture->GetWidth() + extra, picture->GetHeight() + extra);
        white->SetCentre(extra / 2, extra / 2);
        white->SetScale(zoom, zoom);
        white->DrawAt(x, y);
    }
    const WST::VEC2 scale = picture->scale;
    const int cx = picture->GetCentreX();
    const int cy = picture->GetCentreY();
    picture->SetCentre(0, 0);
    picture->SetScale(zoom, zoom);
    picture->DrawAt(x, y);
    picture->SetScale(scale.x, scale.y);
    picture->SetCentre(cx, cy);
    fly_frame_->Draw(0);
}

}  // namespace GAME
