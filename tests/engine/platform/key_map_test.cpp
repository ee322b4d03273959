// The table between SDL key codes and Windows virtual-key codes, both ways.
#include <SDL_keycode.h>
#include <gtest/gtest.h>

#include "engine/platform/key_map.h"
#include "engine/platform/virtual_keys.h"

namespace {

struct KeyCase {
    SDL_Keycode sdl;
    int vk;
};

class KeyMapTest : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyMapTest, MapsToTheVirtualKey) {
    EXPECT_EQ(platform::VirtualKeyFromSdlKeycode(GetParam().sdl), GetParam().vk)
        << "SDL key " << GetParam().sdl;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyMapTest,
    testing::Values(KeyCase{SDLK_a, 'A'}, KeyCase{SDLK_q, 'Q'}, KeyCase{SDLK_z, 'Z'},
                    KeyCase{SDLK_0, '0'}, KeyCase{SDLK_9, '9'}, KeyCase{SDLK_RETURN, VK_RETURN},
                    KeyCase{SDLK_KP_ENTER, VK_RETURN}, KeyCase{SDLK_ESCAPE, VK_ESCAPE},
                    KeyCase{SDLK_BACKSPACE, VK_BACK}, KeyCase{SDLK_DELETE, VK_DELETE},
                    KeyCase{SDLK_LEFT, VK_LEFT}, KeyCase{SDLK_RIGHT, VK_RIGHT},
                    KeyCase{SDLK_UP, VK_UP}, KeyCase{SDLK_DOWN, VK_DOWN},
                    KeyCase{SDLK_LSHIFT, VK_SHIFT}, KeyCase{SDLK_RSHIFT, VK_SHIFT},
                    KeyCase{SDLK_LCTRL, VK_CONTROL}, KeyCase{SDLK_RCTRL, VK_CONTROL},
                    KeyCase{SDLK_CAPSLOCK, VK_CAPITAL}, KeyCase{SDLK_HOME, VK_HOME},
                    KeyCase{SDLK_END, VK_END}, KeyCase{SDLK_INSERT, VK_INSERT},
                    KeyCase{SDLK_TAB, VK_TAB}, KeyCase{SDLK_SPACE, VK_SPACE},
                    KeyCase{SDLK_F1, VK_F1}, KeyCase{SDLK_F12, VK_F1 + 11},
                    KeyCase{SDLK_PERIOD, VK_OEM_PERIOD}, KeyCase{SDLK_MINUS, VK_OEM_MINUS},
                    KeyCase{SDLK_EQUALS, VK_OEM_PLUS}, KeyCase{SDLK_KP_PLUS, VK_ADD},
                    KeyCase{SDLK_KP_MINUS, VK_SUBTRACT}, KeyCase{SDLK_KP_7, VK_NUMPAD0 + 7},
                    // Keys the game has no code for.
                    KeyCase{SDLK_F13, 0}, KeyCase{SDLK_AUDIOPLAY, 0}, KeyCase{SDLK_UNKNOWN, 0}));

TEST(KeyMapBack, EveryVirtualKeyWithAnSdlKeyComesBackUnchanged) {
    for (int vk = 0; vk < 256; ++vk) {
        const SDL_Keycode sdl = platform::SdlKeycodeFromVirtualKey(vk);
        if (sdl != 0) {
            EXPECT_EQ(platform::VirtualKeyFromSdlKeycode(sdl), vk) << "virtual key " << vk;
        }
    }
    // The main keyboard's key where the keypad or a second key gives the same code.
    EXPECT_EQ(platform::SdlKeycodeFromVirtualKey(VK_RETURN), SDLK_RETURN);
    EXPECT_EQ(platform::SdlKeycodeFromVirtualKey(VK_SHIFT), SDLK_LSHIFT);
    EXPECT_EQ(platform::SdlKeycodeFromVirtualKey(VK_OEM_PLUS), SDLK_EQUALS);
    EXPECT_EQ(platform::SdlKeycodeFromVirtualKey(VK_LBUTTON), 0);
}

}  // namespace
