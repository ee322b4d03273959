// GAME::WDIALOGWIN: the window that shows a finished game's results and the trophy levels it
// brought until the player confirms.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/ui/sprite.h"
#include "game/records/result_record.h"

class BUTTONACT;
class TROFEI;

namespace GAME {

// The playing time as the dialog prints it: "mm:ss" under an hour, "hh:mm:ss" from one hour on.
std::string FormatPlayTime(int hours, int minutes, int seconds);

class WDIALOGWIN : public WSPRITE {
  public:
    // The window, its banner, OK and the rotation mark come from the current pack (the
    // gui_pack), the trophies from the trofei_pack; the gui_pack is selected afterwards.
    explicit WDIALOGWIN(const RESULT_RECORD& results);
    ~WDIALOGWIN() override;

    // -1 once OK is clicked or Enter is down (the board then leaves the game), else 0 after
    // the trophies' hover.
    int Update(int flag, float step) override;
    // The darkened screen, the window, the banner, the pieces, score and time, OK, the header,
    // the trophies and then their hints. Returns 0.
    int Draw(int flag) override;
    // Centres everything on the screen.
    void Layout();

    // What the shell files as this game's result.
    const RESULT_RECORD& Results() const { return results_; }
    const WSPRITE& Banner() const { return *complit_; }
    const BUTTONACT& OkButton() const { return *ok_; }
    // One per trophy level the game brought, in the results' order (lord last).
    const std::vector<std::unique_ptr<TROFEI>>& Trophies() const { return trophies_; }

  private:
    void MakeTrophies();

    RESULT_RECORD results_;
    std::unique_ptr<WSPRITE> complit_;
    std::unique_ptr<WSPRITE> rotation_mark_;  // "rot_yes" or "rot_no"
    std::unique_ptr<BUTTONACT> ok_;
    std::vector<std::unique_ptr<TROFEI>> trophies_;
};

}  // namespace GAME
