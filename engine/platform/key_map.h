// The one table between SDL key codes and the Windows virtual-key codes the input state uses.
#pragma once

#include <cstdint>

namespace platform {

// 0 when the key has no virtual-key code in the game.
int VirtualKeyFromSdlKeycode(int32_t sdl_keycode);
// The SDL key that gives the virtual key (the main keyboard's when the keypad has one too); 0
// when none does.
int32_t SdlKeycodeFromVirtualKey(int virtual_key);

}  // namespace platform
