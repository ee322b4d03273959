// SETTINGS_FORM: what the settings window of the menu and the options window of a game share: a
// centred window with the music and sound sliders, the game-cursor box, OK, Cancel and three
// decorations, working on copies of the player's record that only OK writes back.
#pragma once

#include <memory>

#include "engine/ui/sprite.h"
#include "game/records/player_settings.h"

class WBUTTONCHK;
class WBUTTONMAP4;
namespace WUN {
class WSLIDER_E;
}

namespace GAME {

class SETTINGS_FORM : public WSPRITE {
  public:
    // Answers both windows give.
    enum Answer {
        kNothing = 0,
        kOk = 1,       // the copies were written into the record
        kCancel = -1,  // the record is untouched
        kMusic = 5,    // the music slider moved (Music has the new volume)
        kSound = 6,    // the sound slider moved
        kCursor = 7,   // the cursor box changed
    };

    ~SETTINGS_FORM() override;

    // The working copies: volumes 0 to 1, the game-cursor flag.
    float Music() const { return music_; }
    float Sound() const { return sound_; }
    bool GameCursor() const { return cursor_; }

    WUN::WSLIDER_E& MusicSlider() const { return *music_slider_; }
    WUN::WSLIDER_E& SoundSlider() const { return *sound_slider_; }
    WBUTTONCHK& CursorBox() const { return *cursor_box_; }
    WBUTTONMAP4& OkButton() const { return *ok_; }
    WBUTTONMAP4& CancelButton() const { return *cancel_; }

  protected:
    // settings: the player's record (not owned); null reads and writes nothing of any record.
    // Images come from the currently selected pack ("gui_pack").
    explicit SETTINGS_FORM(PUZZLE_PLAYER_PROFILE* settings);

    // kMusic or kSound (with the puzzle_selection sound) for a moved slider, kCursor for the
    // box, else kNothing.
    int UpdateSlidersAndCursor();
    // kOk after writing the copies back (OK clicked or Enter pressed), kCancel (Cancel clicked or
    // Escape pressed), else kNothing.
    int UpdateOkCancel();
    // Writes the copies into the record; a window with more copies writes them too.
    virtual void WriteBack(PUZZLE_PLAYER_PROFILE& record) const;
    PUZZLE_PLAYER_PROFILE& Record() const { return *settings_; }

    // Centres the window and places the shared controls around it.
    void LayoutForm();
    // The overlay, the window, the decorations, the header and the shared controls with their
    // labels.
    void DrawForm(const char* header);

  private:
    PUZZLE_PLAYER_PROFILE detached_;  // stands in for a missing record
    PUZZLE_PLAYER_PROFILE* settings_;
    float music_;
    float sound_;
    bool cursor_;
    std::unique_ptr<WUN::WSLIDER_E> music_slider_;
    std::unique_ptr<WUN::WSLIDER_E> sound_slider_;
    std::unique_ptr<WBUTTONCHK> cursor_box_;
    std::unique_ptr<WBUTTONMAP4> ok_;
    std::unique_ptr<WBUTTONMAP4> cancel_;
    std::unique_ptr<WSPRITE> gear_;
    std::unique_ptr<WSPRITE> piano_;
    std::unique_ptr<WSPRITE> violin_;
};

}  // namespace GAME
