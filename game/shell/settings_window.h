// GAME::PUZZLE_SETTINGS: the settings window of the menu: volumes, game cursor, snapping pieces
// home, and the doors to the resolution window and the credits.
#pragma once

#include <memory>

#include "game/shell/screen_limits.h"
#include "game/shell/settings_form.h"

namespace GAME {

class PUZZLE_AUTHORS;
class PUZZLE_RESOLUTION;

class PUZZLE_SETTINGS : public SETTINGS_FORM {
  public:
    // Answers beyond the form's.
    enum {
        kSnap = 8,               // the snap box changed
        kFullScreenChanged = 3,  // from the resolution window: the record's flag changed
        kApplyScreenMode = -15,  // from the resolution window: switch to the record's mode
    };
    // Update's flag asking for a new layout first (the screen size changed).
    static constexpr int kRelayout = 15;

    // settings: the player's record (not owned, may be null); limits: what the resolution window
    // may offer. Images come from the currently selected pack ("gui_pack").
    PUZZLE_SETTINGS(PUZZLE_PLAYER_PROFILE* settings, const SCREEN_LIMITS& limits);
    ~PUZZLE_SETTINGS() override;

    // While the credits or the resolution window is open only that window runs.
    int Update(int flag, float step) override;
    // Only the open credits or resolution window, else the whole window. Returns 0.
    int Draw(int flag) override;
    void Layout();

    bool Snap() const { return snap_; }
    WBUTTONCHK& SnapBox() const { return *snap_box_; }
    WBUTTONMAP4& ResolutionButton() const { return *resolution_button_; }
    WBUTTONMAP4& CreditsButton() const { return *credits_button_; }
    PUZZLE_RESOLUTION* ResolutionWindow() const { return resolution_.get(); }
    PUZZLE_AUTHORS* CreditsWindow() const { return credits_.get(); }

  private:
    int UpdateResolutionWindow();
    void WriteBack(PUZZLE_PLAYER_PROFILE& record) const override;
    void DrawFlatButton(WBUTTONMAP4& button, const char* caption);

    SCREEN_LIMITS limits_;
    bool snap_;
    std::unique_ptr<WBUTTONCHK> snap_box_;
    std::unique_ptr<WBUTTONMAP4> resolution_button_;
    std::unique_ptr<WBUTTONMAP4> credits_button_;
    std::unique_ptr<PUZZLE_RESOLUTION> resolution_;
    std::unique_ptr<PUZZLE_AUTHORS> credits_;
};

}  // namespace GAME
