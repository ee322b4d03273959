// GAME::WDIALOGWIN: the window that shows a finished game's results until the player confirms.
#pragma once

#include "game/records/result_record.h"

namespace GAME {

// The board opens it when the game is complete and drops it when the player leaves. So far it
// darkens the screen and is confirmed with Enter; its window, the results and trophies it shows
// and its OK button are still to come.
class WDIALOGWIN {
  public:
    explicit WDIALOGWIN(const RESULT_RECORD& results) : results_(results) {}

    // -1 once the player confirms (the board then leaves the game), else 0.
    int Update();
    void Draw();
    // What the shell files as this game's result.
    const RESULT_RECORD& Results() const { return results_; }

  private:
    RESULT_RECORD results_;
};

}  // namespace GAME
