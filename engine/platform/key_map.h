// The one table from SDL key codes to the Windows virtual-key codes the input state uses.
#pragma once

#include <cstdint>

namespace platform {

// 0 when the key has no virtual-key code in the game.
int VirtualKeyFromSdlKeycode(int32_t sdl_keycode);

}  // namespace platform
