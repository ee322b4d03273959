// PUZZLE_SAVE_QUEST and PUZZLE_QUIT_QUEST: the two modal questions of play, each a small window
// with an icon, a text, OK and Cancel, answering once per frame.
#pragma once

#include "engine/ui/sprite.h"

class WBUTTONMAP4;

namespace GAME {

class QUESTION_WINDOW : public WSPRITE {
  public:
    ~QUESTION_WINDOW() override;
    QUESTION_WINDOW(const QUESTION_WINDOW&) = delete;
    QUESTION_WINDOW& operator=(const QUESTION_WINDOW&) = delete;

    // 1 OK (a click, or Enter pressed), -1 Cancel (a click, or Escape pressed), 0 no answer yet.
    int Update(int flag, float step) override;
    // The black overlay over the whole screen, the window, icon, text and buttons. Returns 0.
    int Draw(int flag) override;
    // Centres the window on the screen and places the icon and buttons around it.
    void Layout();

    const WBUTTONMAP4& OkButton() const { return *ok_; }
    const WBUTTONMAP4& CancelButton() const { return *cancel_; }

  protected:
    // Loads the window, the icon and the buttons from the current pack ("gui_pack").
    QUESTION_WINDOW(const char* icon_name, const char* text);

  private:
    WSPRITE* icon_;
    WBUTTONMAP4* ok_;
    WBUTTONMAP4* cancel_;
    const char* text_;
};

// Whether to save the game before leaving it.
class PUZZLE_SAVE_QUEST : public QUESTION_WINDOW {
  public:
    PUZZLE_SAVE_QUEST();
};

// Whether to leave (the game, or the program from the menu).
class PUZZLE_QUIT_QUEST : public QUESTION_WINDOW {
  public:
    PUZZLE_QUIT_QUEST();
};

}  // namespace GAME
