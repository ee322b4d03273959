// GAME::PUZZLE_POCKET: the drawer in the top-left corner where the player parks pieces: its
// four tiles, its button, its slide and where the pieces in it are drawn.
#pragma once

#include <memory>

class WBUTTONMAP4;
class WSPRITE;

namespace GAME {

class PUZZLE_POCKET {
  public:
    // Update results.
    enum { kNothing = 0, kToggled = 1, kButtonHeld = -2 };

    // Loads the tiles and the button from the pocket pack and takes its size from the screen.
    // The drawer starts closed.
    PUZZLE_POCKET();
    ~PUZZLE_POCKET();
    PUZZLE_POCKET(const PUZZLE_POCKET&) = delete;
    PUZZLE_POCKET& operator=(const PUZZLE_POCKET&) = delete;

    // Every play frame before the mouse handling; dt in seconds. kToggled when the button was
    // clicked (the drawer now opens or closes), kButtonHeld while the left button is held down
    // on the button, else kNothing.
    int Update(float dt);
    // The pointer lies over the drawer (open) or over its button (closed).
    bool ContainsPointer() const;
    // Open from the click that opens it until the click that closes it, slide or not.
    bool IsOpen() const { return open_; }
    bool IsSliding() const { return direction_ != 0; }
    // Whether pieces in the drawer show: always but while it rests shut.
    bool ShowsPieces() const { return open_ || direction_ != 0; }
    // Where pieces in the pocket are drawn, relative to their own position.
    float OffsetX() const;
    float OffsetY() const;
    // The drawer's size in screen pixels.
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The shadow and the four tiles at the slide position.
    void DrawBackground();
    void DrawButton();
    // Slides the drawer shut (the finished game does).
    void Close();
    const WBUTTONMAP4& Button() const;

  private:
    void Open();
    float OpenX() const;
    float OpenY() const;

    int width_ = 0;
    int height_ = 0;
    std::unique_ptr<WSPRITE> corner_;  // below and right of the slide position
    std::unique_ptr<WSPRITE> bottom_;  // left of it, stretched across
    std::unique_ptr<WSPRITE> side_;    // above it, stretched down
    std::unique_ptr<WSPRITE> body_;    // up and left of it
    std::unique_ptr<WBUTTONMAP4> button_;
    // Where the four tiles meet, in screen pixels.
    float slide_x_ = 0.0f;
    float slide_y_ = 0.0f;
    bool open_ = false;
    int direction_ = 0;  // 1 opening, -1 closing
};

}  // namespace GAME
