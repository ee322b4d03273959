// WINDOW_EVENTS: turns the platform window's events into activation changes, redraws, the quit
// request and input for WINPUT, mapping mouse positions through the render device's letter-box.
#pragma once

#include "engine/frame/input.h"
#include "engine/platform/platform.h"

namespace WUN {
class ST_GAME;
}
class WRENDER;

// Where the render device shows the game picture in the window.
LETTERBOX LetterboxOf(const WRENDER& render);

class WINDOW_EVENTS final : public platform::EventSink {
  public:
    explicit WINDOW_EVENTS(WUN::ST_GAME& game) : game_(game) {}

    void OnMouseMove(int client_x, int client_y) override;
    void OnMouseButton(platform::MouseButton button, bool down, bool double_click) override;
    void OnKey(int virtual_key, bool down) override;
    void OnText(const char16_t* units, int count) override;
    // Losing activation pauses the frame (as pause-when-inactive says); in full screen it also
    // minimises the window, which would otherwise cover the desktop the player turned to.
    void OnActivate(bool active) override;
    void OnExpose() override;
    void OnResize(int width, int height) override;
    void OnCloseRequest() override;

  private:
    WUN::ST_GAME& game_;
    // The window reports focus and visibility separately: minimise once per loss, not per report.
    bool active_ = true;
};
