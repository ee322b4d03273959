// GAME::PUZZLE_AUTHORS: the credits: the localised credits groups in two columns beside a
// picture, and the edition's notice.
#pragma once

#include <memory>

#include "engine/ui/sprite.h"

class WBUTTONMAP4;

namespace GAME {

// Images come from the currently selected pack ("gui_pack").
class PUZZLE_AUTHORS : public WSPRITE {
  public:
    PUZZLE_AUTHORS();
    ~PUZZLE_AUTHORS() override;

    // 1 when OK was clicked or Enter pressed (with button_press), else 0.
    int Update(int flag, float step) override;
    // The window, the picture, the headers, the groups, the notice and OK. Groups whose keys
    // are all missing from the strings take no room; a column too long for the room above OK
    // has its spacing shrunk to fit, the other column alike. Returns 0.
    int Draw(int flag) override;
    // Centres the window on the screen.
    void Layout();

    WBUTTONMAP4& OkButton() const { return *ok_; }

  private:
    // 1, or less when the deeper column would reach OK from the line cursor's start at top.
    float SpacingScale(int top) const;
    void DrawGroups();

    std::unique_ptr<WSPRITE> picture_;
    std::unique_ptr<WBUTTONMAP4> ok_;
};

}  // namespace GAME
