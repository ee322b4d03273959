// The board's seams to the pocket and the fly frame. Each comes with a stand-in that does
// nothing, which their own classes replace.
#pragma once

namespace GAME {

class PUZZLE_PIECES_SYSTEM;

// The drawer in the top-left corner where the player parks pieces.
class BOARD_POCKET {
  public:
    virtual ~BOARD_POCKET() = default;
    // Every play frame before the mouse handling: 1 its button was clicked (the pocket opens
    // or closes), -2 the left button is held on its button, else 0.
    virtual int Update(float /*dt*/) { return 0; }
    virtual bool ContainsPointer() const { return false; }
    virtual bool IsOpen() const { return false; }
    virtual bool IsSliding() const { return false; }
    // Where pieces in the pocket are drawn, relative to their own position.
    virtual float OffsetX() const { return 0.0f; }
    virtual float OffsetY() const { return 0.0f; }
    // The drawer's size in screen pixels.
    virtual int Width() const { return width_; }
    virtual int Height() const { return height_; }
    virtual void DrawBackground() {}
    virtual void DrawButton() {}
    // Slides the drawer shut (when the game is complete).
    virtual void Close() {}

    void SetSize(int width, int height) {
        width_ = width;
        height_ = height;
    }

  private:
    int width_ = 0;
    int height_ = 0;
};

// The small floating frame that shows the picture.
class BOARD_FLY_FRAME {
  public:
    virtual ~BOARD_FLY_FRAME() = default;
    // Its own mouse handling: 1..3 zoom buttons, 4 dragging, 5 closed, -3 pointer on the frame,
    // 0 elsewhere.
    virtual int Update() { return 0; }
    virtual void SetZoom(int /*zoom*/) {}
    virtual void MoveBy(int /*dx*/, int /*dy*/) {}
    virtual void SetPosition(int /*x*/, int /*y*/) {}
    virtual void Draw(PUZZLE_PIECES_SYSTEM& /*board*/) {}
};

}  // namespace GAME
