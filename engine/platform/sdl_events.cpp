// Delivering SDL events to the frame's EventSink: mouse, keys, typed text, activation, exposure
// and close.
#include <SDL.h>

#include <algorithm>
#include <cstring>

#include "engine/platform/key_map.h"
#include "engine/platform/platform.h"
#include "engine/platform/utf16.h"

namespace platform {

namespace {

bool ButtonOf(uint8_t sdl_button, MouseButton& button) {
    switch (sdl_button) {
        case SDL_BUTTON_LEFT:
            button = MouseButton::kLeft;
            return true;
        case SDL_BUTTON_RIGHT:
            button = MouseButton::kRight;
            return true;
        case SDL_BUTTON_MIDDLE:
            button = MouseButton::kMiddle;
            return true;
        default:
            return false;
    }
}

void DeliverWindowEvent(const SDL_WindowEvent& e, EventSink& sink) {
    switch (e.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
        case SDL_WINDOWEVENT_SHOWN:
            sink.OnActivate(true);
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
        case SDL_WINDOWEVENT_HIDDEN:
            sink.OnActivate(false);
            break;
        case SDL_WINDOWEVENT_EXPOSED:
            sink.OnExpose();
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED: {
            int width = 0;
            int height = 0;
            SDL_GL_GetDrawableSize(SDL_GetWindowFromID(e.windowID), &width, &height);
            sink.OnResize(width, height);
            break;
        }
        case SDL_WINDOWEVENT_CLOSE:
            sink.OnCloseRequest();
            break;
        default:
            break;
    }
}

// The display servers whose drivers sleep until an event comes; with the others SDL's wait
// polls the queue every millisecond.
bool DriverWaitsForEvents() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver != nullptr &&
           (std::strcmp(driver, "x11") == 0 || std::strcmp(driver, "wayland") == 0);
}

void Deliver(const SDL_Event& e, EventSink& sink) {
    MouseButton button = MouseButton::kLeft;
    switch (e.type) {
        case SDL_QUIT:
            sink.OnCloseRequest();
            break;
        case SDL_WINDOWEVENT:
            DeliverWindowEvent(e.window, sink);
            break;
        case SDL_MOUSEMOTION:
            sink.OnMouseMove(e.motion.x, e.motion.y);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            // The position comes with the motion events alone: a click between two moves must
            // not reset the motion the last move reported.
            if (ButtonOf(e.button.button, button)) {
                sink.OnMouseButton(button, e.type == SDL_MOUSEBUTTONDOWN, e.button.clicks >= 2);
            }
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            if (int vk = VirtualKeyFromSdlKeycode(e.key.keysym.sym); vk != 0) {
                sink.OnKey(vk, e.type == SDL_KEYDOWN);
            }
            break;
        case SDL_TEXTINPUT: {
            std::u16string units = Utf8ToUtf16(e.text.text);
            if (!units.empty()) {
                sink.OnText(units.data(), int(units.size()));
            }
            break;
        }
        default:
            break;
    }
}

}  // namespace

int PumpEvents(EventSink& sink) {
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) {
        return 0;
    }
    int delivered = 0;
    SDL_Event e;
    while (SDL_PollEvent(&e) != 0) {
        Deliver(e, sink);
        ++delivered;
    }
    return delivered;
}

bool WaitForEvent(int timeout_ms) {
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) {
        return false;
    }
    if (!DriverWaitsForEvents()) {
        // Waiting would mean polling the queue every millisecond. These drivers have no display
        // to hear from: their events are pushed by this process, and the loop takes them when
        // the time is up, which is the next time it has work to do anyway.
        SDL_Delay(Uint32(std::max(timeout_ms, 0)));
        SDL_PumpEvents();
        return SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT) == SDL_TRUE;
    }
    // A null event leaves the pending event in the queue for PumpEvents.
    return SDL_WaitEventTimeout(nullptr, timeout_ms) != 0;
}

}  // namespace platform
