// Synthetic input: SDL events made from client pixels and virtual keys, put into SDL's queue.
#include <SDL.h>

#include <cstring>

#include "engine/platform/key_map.h"
#include "engine/platform/platform.h"
#include "engine/platform/sdl_video.h"

namespace platform {

namespace {

static_assert(kMaxPushedText < SDL_TEXTINPUTEVENT_TEXT_SIZE, "the text and its zero must fit");

uint32_t GameWindowId() {
    SDL_Window* window = GameWindow();
    return window != nullptr ? SDL_GetWindowID(window) : 0;
}

bool Push(SDL_Event& e) {
    return SDL_WasInit(SDL_INIT_VIDEO) != 0 && SDL_PushEvent(&e) == 1;
}

bool PushWindowEvent(SDL_WindowEventID id) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = GameWindowId();
    e.window.event = id;
    return Push(e);
}

uint8_t SdlButton(MouseButton button) {
    switch (button) {
        case MouseButton::kRight:
            return SDL_BUTTON_RIGHT;
        case MouseButton::kMiddle:
            return SDL_BUTTON_MIDDLE;
        case MouseButton::kLeft:
            break;
    }
    return SDL_BUTTON_LEFT;
}

}  // namespace

bool PushMouseMove(int client_x, int client_y) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.windowID = GameWindowId();
    e.motion.x = client_x;
    e.motion.y = client_y;
    return Push(e);
}

bool PushMouseButton(MouseButton button, bool down, bool double_click) {
    SDL_Event e{};
    e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    e.button.windowID = GameWindowId();
    e.button.button = SdlButton(button);
    e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.button.clicks = double_click ? 2 : 1;
    return Push(e);
}

bool PushKey(int virtual_key, bool down) {
    const SDL_Keycode key = SdlKeycodeFromVirtualKey(virtual_key);
    if (key == 0) {
        return false;
    }
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.windowID = GameWindowId();
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = key;
    e.key.keysym.scancode = SDL_GetScancodeFromKey(key);
    return Push(e);
}

bool PushText(const std::string& utf8) {
    if (utf8.size() > static_cast<size_t>(kMaxPushedText)) {
        return false;
    }
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    e.text.windowID = GameWindowId();
    std::memcpy(e.text.text, utf8.data(), utf8.size());
    return Push(e);
}

bool PushActivate(bool active) {
    return PushWindowEvent(active ? SDL_WINDOWEVENT_FOCUS_GAINED : SDL_WINDOWEVENT_FOCUS_LOST);
}

bool PushExpose() {
    return PushWindowEvent(SDL_WINDOWEVENT_EXPOSED);
}

bool PushCloseRequest() {
    return PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
}

}  // namespace platform
