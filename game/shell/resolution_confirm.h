// APPLY_RESOLUTION: the small window that asks whether to keep a new screen mode and switches
// back by itself when the countdown runs out.
#pragma once

#include <memory>

#include "engine/ui/sprite.h"

class WBUTTONMAP4;

namespace GAME {

// While it is open the game keeps running when the window loses focus, so the countdown reaches
// its end even when the new mode left the window unusable. Its images come from the currently
// selected pack ("gui_pack").
class APPLY_RESOLUTION : public WSPRITE {
  public:
    enum Answer { kNothing = 0, kKeep = 1, kRollBack = -15 };

    APPLY_RESOLUTION();
    ~APPLY_RESOLUTION() override;

    // Counts the frame's time down: kRollBack when it runs out or on Cancel, kKeep on OK.
    int Update(int flag, float step) override;
    // The window, the question, the seconds left, OK and Cancel. Returns 0.
    int Draw(int flag) override;
    // Centres the window on the screen.
    void Layout();

    // Seconds left.
    float Countdown() const { return countdown_; }
    WBUTTONMAP4& OkButton() const { return *ok_; }
    WBUTTONMAP4& CancelButton() const { return *cancel_; }

  private:
    std::unique_ptr<WBUTTONMAP4> ok_;
    std::unique_ptr<WBUTTONMAP4> cancel_;
    float countdown_;
};

}  // namespace GAME
