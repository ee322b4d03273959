// GAME::WDIALOGWIN: the window that shows a finished game's results until the player confirms.
#include "game/board/win_dialog.h"

#include "engine/audio/sound.h"
#include "engine/frame/game.h"
#include "engine/platform/virtual_keys.h"
#include "engine/ui/shared_items.h"
#include "engine/ui/sprite.h"
#include "game/board/board_sounds.h"

namespace GAME {
namespace {

// Down this frame or held (a key that went up reads 0xFF).
bool KeyDown(int vk) {
    const uint8_t state = WUN::ST_GAME::GetInstance()->GetInput()->GetKey(vk);
    return state != 0 && state != 0xFF;
}

}  // namespace

int WDIALOGWIN::Update() {
    if (KeyDown(VK_RETURN)) {
        SoundPlay(g_sounds[kSoundButtonPress]);
        return -1;
    }
    return 0;
}

void WDIALOGWIN::Draw() {
    if (WSPRITE* overlay = g_shared_sprites.black_overlay) {
        const WUN::ST_GAME& frame = *WUN::ST_GAME::GetInstance();
        overlay->SetSize(frame.GetGameWidth(), frame.GetGameHeight());
        overlay->SetAnchor(WSPRITE::kAnchorTopLeft);
        overlay->DrawAt(0.0f, 0.0f);
    }
}

}  // namespace GAME
