// INPUT_DRIVER: plays the player's part for tests, tools and benchmarks through the window's own
// event queue, in logical pixels, each action followed by the frame steps the caller asks for.
#pragma once

#include <string>

#include "engine/frame/input.h"

namespace WUN {
class ST_GAME;
}

// Positions are logical pixels, mapped through the render device's letter-box to the window's
// pixels as a player's pointer would be; keys are Windows virtual-key codes. A step is one
// ST_GAME::Step with the driver's delta. The game sees one edge of a button or key per step: a
// click shows its press in the first step after it and its release in the next. Every action
// returns false when one of its events could not be queued (no video subsystem, a key the
// window has no code for); its steps run all the same.
class INPUT_DRIVER {
  public:
    explicit INPUT_DRIVER(WUN::ST_GAME& game, float step_seconds = 1.0f / 60.0f);

    // count steps of the frame; with draw, each of them draws a frame.
    void Steps(int count, bool draw = false);
    void SetStepSeconds(float seconds) { step_seconds_ = seconds; }
    float StepSeconds() const { return step_seconds_; }

    bool MoveTo(int x, int y, int steps = 0);
    bool Press(WINPUT::Button button, int steps = 0);
    bool Release(WINPUT::Button button, int steps = 0);
    // Moves to (x, y), then presses and releases the button.
    bool Click(int x, int y, int steps = 0, WINPUT::Button button = WINPUT::kLeft);
    // Two left clicks at (x, y), the second one marked as a double click and made two steps
    // after the first, once the game has seen the first one's release.
    bool DoubleClick(int x, int y, int steps = 0);
    // A left press at the start, one step, then `moves` moves along the line to the end, one
    // step each, and the release there.
    bool Drag(int from_x, int from_y, int to_x, int to_y, int moves = 1, int steps = 0);

    bool KeyDown(int vk, int steps = 0);
    bool KeyUp(int vk, int steps = 0);
    // Down and up.
    bool PressKey(int vk, int steps = 0);
    // One text event per character of the UTF-8 text, a step apart: the game takes the text of
    // one key per iteration.
    bool Type(const std::string& utf8, int steps = 0);

    // The window gains (true) or loses the focus.
    bool Focus(bool active, int steps = 0);
    // The window's picture was lost and must be drawn again.
    bool Expose(int steps = 0);
    // The window's close button.
    bool Close(int steps = 0);

  private:
    // The action's result, after its steps.
    bool Then(bool queued, int steps);

    WUN::ST_GAME& game_;
    float step_seconds_;
};
