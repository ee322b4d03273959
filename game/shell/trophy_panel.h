// WUN::TROFEI_PANEL: the player's seven trophies at the levels reached, faint where none is, each
// with its description on hover, over the menu until OK or Enter.
#pragma once

#include <memory>
#include <vector>

#include "engine/ui/sprite.h"
#include "game/records/player_settings.h"

class TROFEI;
class WBUTTONMAP4;
class WFONT;

namespace WUN {

class TROFEI_PANEL : public WSPRITE {
  public:
    // Tint of a trophy not earned yet.
    static constexpr uint32_t kFaint = 0x33FFFFFF;

    // Every image comes from the current pack (the trofei_pack). font: the hints' (the main
    // font). A stored level beyond a trophy's top level shows the top level.
    TROFEI_PANEL(WFONT* font, const PUZZLE_PLAYER_PROFILE& settings);
    ~TROFEI_PANEL() override;

    // The trophies' hover, then 1 when OK is clicked or Enter was pressed this frame (the shell
    // closes the panel), else 0.
    int Update(int flag, float step) override;
    // The darkened screen, the panel, the back plate, the magnifier, OK, the header, the
    // trophies and then their hints. Returns 0.
    int Draw(int flag) override;
    // Centres the panel and places the trophies in two rows.
    void Layout();

    // In the settings record's order (collector ... sage, lord).
    const TROFEI& Trophy(int t) const { return *trophies_[static_cast<size_t>(t)]; }
    WBUTTONMAP4& OkButton() const { return *ok_; }

  private:
    std::unique_ptr<WSPRITE> back_;
    std::unique_ptr<WSPRITE> magnifier_;
    std::unique_ptr<WBUTTONMAP4> ok_;
    std::vector<std::unique_ptr<TROFEI>> trophies_;
};

}  // namespace WUN
