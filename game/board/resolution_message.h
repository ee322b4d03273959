// PUZZLE_MESSAGE_RESOLUTION: the message that a saved game was made at another screen resolution.
#pragma once

#include <memory>

#include "engine/ui/sprite.h"

class BUTTONACT;

namespace GAME {

// A small window with the message and an OK and a Cancel button; keys do not answer it. Its
// images come from the current pack, which the board makes the "gui_pack".
class PUZZLE_MESSAGE_RESOLUTION : public WSPRITE {
  public:
    PUZZLE_MESSAGE_RESOLUTION();
    ~PUZZLE_MESSAGE_RESOLUTION() override;

    // 1 OK (play on), -1 Cancel (leave the game), 0 no answer yet.
    int Answer();
    // The window, the buttons, then the text on the window's centre.
    void DrawMessage();
    // Centres the window on the screen, the buttons along its lower part.
    void Layout();

    const BUTTONACT& OkButton() const { return *ok_; }
    const BUTTONACT& CancelButton() const { return *cancel_; }

  private:
    std::unique_ptr<BUTTONACT> ok_;
    std::unique_ptr<BUTTONACT> cancel_;
};

}  // namespace GAME
