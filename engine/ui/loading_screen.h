// GAME::LOADING_SCREEN: up to two splash logos, then the loading picture with its percentage.
#pragma once

#include "engine/frame/timer.h"
#include "engine/ui/object_tree.h"

class WSPRITE;

namespace GAME {

// Made by the loading thread, updated and drawn by the main thread under the loading lock.
// Each logo file found shows for two seconds on the splash colour, the second one first; a
// click skips the logo on show. Then the floor, the picture and LoadProgress as "N%".
class LOADING_SCREEN : public WST::ST {
  public:
    // Logo files are looked up in the working folder; the picture in the loading pack and the
    // floor in the menu pack. clock: the timer's millisecond tick (the platform's by default).
    explicit LOADING_SCREEN(WTIMER::Clock clock = nullptr);
    ~LOADING_SCREEN() override;
    LOADING_SCREEN(const LOADING_SCREEN&) = delete;
    LOADING_SCREEN& operator=(const LOADING_SCREEN&) = delete;

    // Counts the intro down by its own timer and lets a click skip a logo. Returns 0.
    int Update(int flag, float step) override;
    // Returns 1.
    int Draw(int flag) override;

    // Seconds of logos left; negative once the intro is over.
    float IntroTime = 0.0f;
    // Percent, written by the loading thread.
    int LoadProgress = 0;

  private:
    WTIMER* timer_;
    WSPRITE* first_logo_ = nullptr;  // null when its file is missing
    WSPRITE* second_logo_ = nullptr;
    WSPRITE* backdrop_;
    WSPRITE* picture_;
    WSPRITE* floor_;
};

}  // namespace GAME
