// PLAY_PANEL: the row of eight tool buttons at the bottom of the play screen, with the wave
// that swells the buttons under the pointer, and their tooltips.
#pragma once

#include <array>
#include <memory>

#include "engine/ui/sprite.h"

class BUTTONACT;

class PLAY_PANEL : public WSPRITE {
  public:
    // Update answers; the owner turns the tools' answers into the board's tool operations.
    enum ANSWER {
        kNothing = 0,
        kGhostImage = 1,
        kExit = 2,
        kBorderFilter = 3,
        kHint = 4,
        kFlyFrame = 5,
        kSort = 6,
        kMagnifier = 7,
        kOptions = 8,
        kButtonHeld = -3,  // the left button is held down on a button
    };
    static constexpr int kButtonCount = 8;

    // The panel from the named image and its buttons, all from the pack the caller selected.
    explicit PLAY_PANEL(const char* name);
    ~PLAY_PANEL() override;

    // A button's answer, kButtonHeld, kExit for Escape, or kNothing; always kNothing while
    // inactive.
    int Update(int flag, float step) override;
    // The panel, then the buttons, smoothly filtered.
    int Draw(int flag) override;
    // The tooltip of the button under the pointer; after the panel, before the board's overlay.
    void DrawHints();

    // The button of that answer in its selected look (a tool that is on), which still clicks.
    void SetPressed(int answer);
    // The button of that answer in its normal look.
    void Release(int answer);
    void SetActive(bool active) { active_ = active; }
    bool IsActive() const { return active_; }
    // The button that gives the answer (1..8).
    const BUTTONACT& Button(int answer) const;

  private:
    BUTTONACT& ButtonOf(int answer) const;
    // The swelling of the button at row index i under the pointer at (x, y).
    void Wave(int i, int x, int y);

    // In row order, left to right.
    std::array<std::unique_ptr<BUTTONACT>, kButtonCount> buttons_;
    bool active_ = true;
};
