// GAME::PUZZLE_OPTIONS_GAME: the options window of a running game: volumes, game cursor and the
// board's background colour.
#pragma once

#include <cstdint>
#include <memory>

#include "game/shell/settings_form.h"

namespace GAME {

class COLOUR_CHOOSER;

class PUZZLE_OPTIONS_GAME : public SETTINGS_FORM {
  public:
    // Answer beyond the form's: a swatch was chosen (Background has its colour).
    enum { kBackground = 8 };

    // settings: the player's record (not owned, may be null). Images come from the currently
    // selected pack ("gui_pack"); the colour chooser, made last, reads its own and leaves no
    // pack selected.
    explicit PUZZLE_OPTIONS_GAME(PUZZLE_PLAYER_PROFILE* settings);
    ~PUZZLE_OPTIONS_GAME() override;

    int Update(int flag, float step) override;
    // The form, the background label and the chooser. Returns 0.
    int Draw(int flag) override;
    void Layout();

    // The working copy of the board's background colour (ARGB).
    uint32_t Background() const { return background_; }
    COLOUR_CHOOSER& Chooser() const { return *chooser_; }

  private:
    void WriteBack(PUZZLE_PLAYER_PROFILE& record) const override;

    uint32_t background_;
    std::unique_ptr<COLOUR_CHOOSER> chooser_;
};

}  // namespace GAME
