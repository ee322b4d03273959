// MENU_SCREEN: the menu's desk and furniture (floor, border strip, panels, pencils, flash drive)
// and its row of seven buttons with their hints.
#pragma once

#include <memory>

#include "engine/ui/buttons.h"

class WSPRITE;

namespace GAME {

enum MENU_BUTTON {
    kButtonTrophy,
    kButtonTop,
    kButtonScore,
    kButtonPlay,
    kButtonCut,
    kButtonSettings,
    kButtonExit,
    kMenuButtonCount
};

class MENU_SCREEN {
  public:
    // What the play, cut and exit buttons run, with owner as their argument.
    struct ACTIONS {
        BUTTONACT::ActionWithArgument play = nullptr;
        BUTTONACT::ActionWithArgument cut = nullptr;
        BUTTONACT::ActionWithArgument exit = nullptr;
        void* owner = nullptr;
    };

    // Reads its images from the current pack ("menu_pack").
    explicit MENU_SCREEN(const ACTIONS& actions);
    ~MENU_SCREEN();
    MENU_SCREEN(const MENU_SCREEN&) = delete;
    MENU_SCREEN& operator=(const MENU_SCREEN&) = delete;

    // Everything placed for a width x height screen around the frame's centre point.
    void Layout(int width, int height);

    // The player panel was clicked this frame.
    bool PlayerPanelClicked();
    // Runs every button; the enabled button among trophy, top, score and settings that was
    // clicked this frame, or -1 (play, cut and exit act through their actions).
    int UpdateButtons();

    // The floor over the whole screen.
    void DrawFloor();
    // The strip along the four screen edges.
    void DrawBorder();
    // Pencils and flash drive (smoothly filtered), the border, the panels and the sign.
    void DrawFurniture();
    // Where the greeting with the player's name stands, under the player panel.
    int GreetingY() const;
    // The buttons (the trophy button only while trophies are on), then their hints on top.
    void DrawButtons();

    BUTTONACT& Button(MENU_BUTTON which) { return *buttons_[which]; }
    const WSPRITE& PlayerPanel() const { return *player_panel_; }
    int PanelHeight() const;

  private:
    std::unique_ptr<WSPRITE> floor_;
    std::unique_ptr<WSPRITE> border_;
    std::unique_ptr<WSPRITE> menu_panel_;
    std::unique_ptr<WBUTTON> player_panel_;
    std::unique_ptr<WSPRITE> change_player_;
    std::unique_ptr<WSPRITE> pencils_;
    std::unique_ptr<WSPRITE> flash_drive_;
    std::unique_ptr<BUTTONACT> buttons_[kMenuButtonCount];
    int width_ = 0;
    int height_ = 0;
};

}  // namespace GAME
