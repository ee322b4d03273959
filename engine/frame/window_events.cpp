// WINDOW_EVENTS: the frame's side of the window's events.
#include "engine/frame/window_events.h"

#include "engine/frame/game.h"

LETTERBOX LetterboxOf(const WRENDER& render) {
    LETTERBOX box;
    box.offset_x = render.GetOffsetX();
    box.offset_y = render.GetOffsetY();
    box.logical_width = render.GetLogicalWidth();
    box.logical_height = render.GetLogicalHeight();
    box.scaled_width = render.GetScaledWidth();
    box.scaled_height = render.GetScaledHeight();
    return box;
}

void WINDOW_EVENTS::OnMouseMove(int client_x, int client_y) {
    int x = 0;
    int y = 0;
    MapClientToGame(LetterboxOf(game_.render), client_x, client_y, x, y);
    game_.input.SetPosition(x, y);
}

void WINDOW_EVENTS::OnMouseButton(platform::MouseButton button, bool down, bool double_click) {
    switch (button) {
        case platform::MouseButton::kLeft:
            game_.input.SetButton(WINPUT::kLeft, down);
            if (down && double_click) {
                game_.input.SetDoubleClick();
            }
            break;
        case platform::MouseButton::kRight:
            game_.input.SetButton(WINPUT::kRight, down);
            break;
        case platform::MouseButton::kMiddle:
            game_.input.SetButton(WINPUT::kMiddle, down);
            break;
    }
}

void WINDOW_EVENTS::OnKey(int virtual_key, bool down) {
    down ? game_.input.KeyDown(virtual_key) : game_.input.KeyUp(virtual_key);
}

void WINDOW_EVENTS::OnText(const char16_t* units, int count) {
    game_.input.OnText(units, count);
}

void WINDOW_EVENTS::OnActivate(bool active) {
    if (active) {
        game_.window.Restored();
        game_.OnActivate(0);
    } else {
        game_.OnActivate(1);
        if (active_ && game_.window.full_screen) {
            game_.window.Minimise();
        }
    }
    active_ = active;
}

void WINDOW_EVENTS::OnExpose() {
    game_.Expose();
}

void WINDOW_EVENTS::OnResize(int width, int height) {
    game_.FitToWindow(width, height);
}

void WINDOW_EVENTS::OnCloseRequest() {
    game_.Quit();
}
