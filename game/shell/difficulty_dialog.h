// DIFFICULTY_DIALOG: the panel under the preview of a picture's cut, where the player sets the
// piece count, the deformation of the cut and the rotation before a game.
#pragma once

#include <memory>

class WBUTTONCHK;
class WBUTTONMAP4;
class WSPRITE;
namespace WUN {
class WSLIDER_E;
}

namespace GAME {

// The dialog only reports what happened; its owner re-cuts the preview and starts or drops the
// game. Its images are read from the currently selected pack ("gui_pack").
class DIFFICULTY_DIALOG {
  public:
    enum Answer { kNothing = 0, kAccept = 1, kCancel = -1, kChanged = -2 };
    // Pieces along the shorter side of the picture.
    static constexpr int kMinPieces = 3;
    static constexpr int kMaxPieces = 15;
    // The preview starts with the strongest deformation, so the slider starts there as well.
    static constexpr int kStartDeformation = 100;

    // Laid out for the current screen at once.
    DIFFICULTY_DIALOG();
    ~DIFFICULTY_DIALOG();
    DIFFICULTY_DIALOG(const DIFFICULTY_DIALOG&) = delete;
    DIFFICULTY_DIALOG& operator=(const DIFFICULTY_DIALOG&) = delete;

    // kAccept for OK or Enter (silent), kCancel for Cancel or Escape (with button_press),
    // kChanged when any control changed this frame (every control runs each frame, so changes
    // in one frame give one answer), else kNothing.
    int Update();
    // The panel and its controls; the labels show the preview's own numbers: the deformation in
    // percent and the piece count (columns x rows).
    void Draw(int deformation_percent, int piece_count);
    // Places everything for the current screen size.
    void Layout();

    int Pieces() const;
    // 0 to 100.
    int Deformation() const;
    bool Rotation() const;
    int PanelHeight() const;

    WUN::WSLIDER_E& PiecesSlider() const { return *pieces_; }
    WUN::WSLIDER_E& DeformationSlider() const { return *deformation_; }
    WBUTTONCHK& RotationBox() const { return *rotation_box_; }
    WBUTTONMAP4& OkButton() const { return *ok_; }
    WBUTTONMAP4& CancelButton() const { return *cancel_; }

  private:
    std::unique_ptr<WSPRITE> backdrop_;
    std::unique_ptr<WSPRITE> panel_;
    std::unique_ptr<WUN::WSLIDER_E> pieces_;
    std::unique_ptr<WUN::WSLIDER_E> deformation_;
    std::unique_ptr<WBUTTONCHK> rotation_box_;
    std::unique_ptr<WBUTTONMAP4> ok_;
    std::unique_ptr<WBUTTONMAP4> cancel_;
    std::unique_ptr<WSPRITE> rotation_caption_;
};

}  // namespace GAME
