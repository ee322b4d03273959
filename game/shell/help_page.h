// FAQ_SCREEN: one of the three help pages a game shows while the player's help flag is set: the
// mouse with and without rotation, and the pocket.
#pragma once

#include <memory>

#include "engine/ui/sprite.h"

class WBUTTONMAP4;

namespace GAME {

// Pages 0 and 1 stay hidden for their first seconds, while the game runs on; page 2 shows at
// once. Images come from the currently selected pack ("gui_pack").
class FAQ_SCREEN : public WSPRITE {
  public:
    enum PAGE { kMouseWithRotation = 0, kMouseWithoutRotation = 1, kPocket = 2 };
    // Seconds before a page is drawn; page 2's timer starts beyond it.
    static constexpr float kShowAfter = 3.0f;

    explicit FAQ_SCREEN(int page);
    ~FAQ_SCREEN() override;

    // Advances the timer; 1 when OK was clicked or Enter pressed (with button_press), even while
    // the page is still hidden, else 0.
    int Update(int flag, float step) override;
    // Nothing before kShowAfter; then the page (and it counts as visible). Returns 0.
    int Draw(int flag) override;
    // Centres the window on the screen.
    void Layout();

    int Page() const { return page_; }
    // The page has been drawn: the owner keeps the game still under it.
    bool IsVisible() const { return visible_; }
    WBUTTONMAP4& OkButton() const { return *ok_; }

  private:
    int page_;
    float timer_;
    bool visible_;
    std::unique_ptr<WSPRITE> first_picture_;
    std::unique_ptr<WSPRITE> second_picture_;  // page 0 only
    std::unique_ptr<WBUTTONMAP4> ok_;
};

}  // namespace GAME
