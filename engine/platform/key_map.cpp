// The one table between SDL key codes and the Windows virtual-key codes the input state uses.
#include "engine/platform/key_map.h"

#include <SDL_keycode.h>

#include "engine/platform/virtual_keys.h"

namespace platform {

namespace {

struct KeyPair {
    SDL_Keycode sdl;
    int vk;
};

// Where two SDL keys give one virtual key, the first one listed is the way back.
constexpr KeyPair kKeys[] = {
    {SDLK_RETURN, VK_RETURN},
    {SDLK_KP_ENTER, VK_RETURN},
    {SDLK_ESCAPE, VK_ESCAPE},
    {SDLK_BACKSPACE, VK_BACK},
    {SDLK_DELETE, VK_DELETE},
    {SDLK_TAB, VK_TAB},
    {SDLK_SPACE, VK_SPACE},
    {SDLK_LEFT, VK_LEFT},
    {SDLK_UP, VK_UP},
    {SDLK_RIGHT, VK_RIGHT},
    {SDLK_DOWN, VK_DOWN},
    {SDLK_LSHIFT, VK_SHIFT},
    {SDLK_RSHIFT, VK_SHIFT},
    {SDLK_LCTRL, VK_CONTROL},
    {SDLK_RCTRL, VK_CONTROL},
    {SDLK_LALT, VK_MENU},
    {SDLK_RALT, VK_MENU},
    {SDLK_CAPSLOCK, VK_CAPITAL},
    {SDLK_HOME, VK_HOME},
    {SDLK_END, VK_END},
    {SDLK_INSERT, VK_INSERT},
    {SDLK_PAGEUP, VK_PRIOR},
    {SDLK_PAGEDOWN, VK_NEXT},
    {SDLK_PERIOD, VK_OEM_PERIOD},
    {SDLK_MINUS, VK_OEM_MINUS},
    {SDLK_EQUALS, VK_OEM_PLUS},
    {SDLK_PLUS, VK_OEM_PLUS},
    {SDLK_KP_PLUS, VK_ADD},
    {SDLK_KP_MINUS, VK_SUBTRACT},
    {SDLK_KP_PERIOD, VK_DECIMAL},
    {SDLK_KP_MULTIPLY, VK_MULTIPLY},
    {SDLK_KP_DIVIDE, VK_DIVIDE},
    {SDLK_F11, VK_F11},
};

constexpr SDL_Keycode kFunctionKeys[] = {SDLK_F1, SDLK_F2, SDLK_F3, SDLK_F4,  SDLK_F5,  SDLK_F6,
                                         SDLK_F7, SDLK_F8, SDLK_F9, SDLK_F10, SDLK_F11, SDLK_F12};

constexpr SDL_Keycode kKeypadDigits[] = {SDLK_KP_0, SDLK_KP_1, SDLK_KP_2, SDLK_KP_3, SDLK_KP_4,
                                         SDLK_KP_5, SDLK_KP_6, SDLK_KP_7, SDLK_KP_8, SDLK_KP_9};

}  // namespace

int VirtualKeyFromSdlKeycode(int32_t sdl_keycode) {
    // Letters and digits: SDL gives the lower-case character, Windows the upper-case one.
    if (sdl_keycode >= SDLK_a && sdl_keycode <= SDLK_z) {
        return 'A' + (sdl_keycode - SDLK_a);
    }
    if (sdl_keycode >= SDLK_0 && sdl_keycode <= SDLK_9) {
        return '0' + (sdl_keycode - SDLK_0);
    }
    for (int i = 0; i < 12; ++i) {
        if (sdl_keycode == kFunctionKeys[i]) {
            return VK_F1 + i;
        }
    }
    for (int i = 0; i < 10; ++i) {
        if (sdl_keycode == kKeypadDigits[i]) {
            return VK_NUMPAD0 + i;
        }
    }
    for (const KeyPair& key : kKeys) {
        if (key.sdl == sdl_keycode) {
            return key.vk;
        }
    }
    return 0;
}

int32_t SdlKeycodeFromVirtualKey(int virtual_key) {
    if (virtual_key >= 'A' && virtual_key <= 'Z') {
        return SDLK_a + (virtual_key - 'A');
    }
    if (virtual_key >= '0' && virtual_key <= '9') {
        return SDLK_0 + (virtual_key - '0');
    }
    if (virtual_key >= VK_F1 && virtual_key < VK_F1 + 12) {
        return kFunctionKeys[virtual_key - VK_F1];
    }
    if (virtual_key >= VK_NUMPAD0 && virtual_key < VK_NUMPAD0 + 10) {
        return kKeypadDigits[virtual_key - VK_NUMPAD0];
    }
    for (const KeyPair& key : kKeys) {
        if (key.vk == virtual_key) {
            return key.sdl;
        }
    }
    return 0;
}

}  // namespace platform
