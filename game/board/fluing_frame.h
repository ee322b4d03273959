// GAME::FLUING_FRAME: the small floating frame that shows the whole picture at one of three
// zooms; the player drags it about and closes it with its own button.
#pragma once

#include <array>
#include <memory>

#include "engine/ui/object_tree.h"

class WBUTTONMAP4;

namespace GAME {

class FLUING_FRAME : public WST::STO {
  public:
    // Update results.
    enum {
        kElsewhere = 0,
        kZoom1 = 1,
        kZoom2 = 2,
        kZoom3 = 3,
        kDragging = 4,
        kClosed = 5,
        kOnFrame = -3
    };

    // For a picture of picture_w x picture_h pixels; the buttons come from the selected pack.
    FLUING_FRAME(int picture_w, int picture_h);
    ~FLUING_FRAME() override;

    // Its own mouse handling: a zoom button's click (kZoom1..3), the close button's (kClosed),
    // a drag started or going on (kDragging), the pointer resting on the frame or on the close
    // button (kOnFrame), or kElsewhere.
    int Update(int flag, float step) override;
    // The buttons; the board draws the picture under them.
    int Draw(int flag) override;

    // Each change keeps the frame on the screen, 20 pixels clear of its right edge.
    void SetPosition(float x, float y);
    void MoveBy(float dx, float dy);
    // 1..3: the frame shows the picture at 0.3, 0.6 or 0.9 of its size.
    void SetZoom(int zoom);

    // The frame's top-left corner, in screen pixels.
    float X() const { return pos.x; }
    float Y() const { return pos.y; }
    float ZoomFactor() const { return zoom_factor_; }
    int FrameWidth() const { return frame_w_; }
    int FrameHeight() const { return frame_h_; }
    // 0..2 the zoom buttons, 3 the close button.
    const WBUTTONMAP4& Button(int index) const { return *buttons_[index]; }

  private:
    void LayOutButtons();

    int picture_w_ = 0;
    int picture_h_ = 0;
    float zoom_factor_ = 0.0f;
    int frame_w_ = 0;
    int frame_h_ = 0;
    std::array<std::unique_ptr<WBUTTONMAP4>, 4> buttons_;
    bool dragging_ = false;
};

}  // namespace GAME
