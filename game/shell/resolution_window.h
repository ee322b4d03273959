// GAME::PUZZLE_RESOLUTION: the window in which the player picks a screen mode and full screen,
// confirmed within a time limit (APPLY_RESOLUTION) or switched back.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/ui/sprite.h"
#include "game/records/player_settings.h"
#include "game/shell/screen_limits.h"

class WBUTTONCHK;
class WBUTTONMAP4;
class WFONT;

namespace GAME {

class APPLY_RESOLUTION;

// It changes the player's record directly and keeps the mode and flag it found, to put them back
// on Cancel or when a new mode is not confirmed. Images come from the current pack ("gui_pack").
class PUZZLE_RESOLUTION : public WSPRITE {
  public:
    enum Answer {
        kNothing = 0,
        kClose = 1,              // OK without a change
        kCancel = -1,            // Cancel (the record is as it was again), or a new mode kept
        kFullScreenChanged = 3,  // the full-screen box alone changed the record
        kApply = -15,            // switch to the record's mode (a new one, or the old one back)
    };

    // settings: the player's record; null reads and writes nothing of any record. limits decide
    // which sizes are offered: a size that only fits the desktop full screen is offered with the
    // full-screen box kept on.
    PUZZLE_RESOLUTION(WFONT* font, PUZZLE_PLAYER_PROFILE* settings, const SCREEN_LIMITS& limits);
    ~PUZZLE_RESOLUTION() override;

    int Update(int flag, float step) override;
    // The overlay, the window, its picture, header, choices, full-screen box, OK and Cancel, and
    // the confirmation when open. Returns 0.
    int Draw(int flag) override;
    // Centres everything on the screen (the confirmation too).
    void Layout();

    // The choice for a screen mode (0: System), null when it is not offered.
    WBUTTONCHK* Choice(int screen_mode) const;
    int ChoiceCount() const { return static_cast<int>(choices_.size()); }
    WBUTTONCHK& FullScreenBox() const { return *full_screen_; }
    WBUTTONMAP4& OkButton() const { return *ok_; }
    WBUTTONMAP4& CancelButton() const { return *cancel_; }
    APPLY_RESOLUTION* Confirmation() const { return confirmation_.get(); }

  private:
    struct CHOICE {
        int screen_mode;
        int y_offset;  // from the window's centre
        bool full_screen_only;
        std::string caption;
        std::unique_ptr<WBUTTONCHK> box;
    };

    int UpdateConfirmation();
    void Choose(const CHOICE& choice);
    // Ticks the choice of the record's mode (System for any mode not offered) and the
    // full-screen box from the record.
    void TickFromRecord();
    // The ticked choice shows only full screen: System, or a size too large for a window.
    bool FullScreenLocked() const;
    void RestoreSaved();

    WFONT* font_;
    PUZZLE_PLAYER_PROFILE detached_;  // stands in for a missing record
    PUZZLE_PLAYER_PROFILE* settings_;
    int32_t saved_mode_;
    bool saved_full_screen_;
    std::vector<CHOICE> choices_;
    std::unique_ptr<WSPRITE> picture_;
    std::unique_ptr<WBUTTONCHK> full_screen_;
    std::unique_ptr<WBUTTONMAP4> ok_;
    std::unique_ptr<WBUTTONMAP4> cancel_;
    std::unique_ptr<APPLY_RESOLUTION> confirmation_;
};

}  // namespace GAME
