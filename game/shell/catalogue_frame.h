// FRAME: one catalogue entry: a thumbnail button that knows its picture, its piece grid and its
// label.
#pragma once

#include <string>

#include "engine/ui/buttons.h"
#include "game/shell/frame_label.h"
#include "game/shell/piece_grid.h"

// Update is WBUTTON's: kLeft, kRight or kDoubleClick for a press on the thumbnail, else kNone.
class FRAME : public WBUTTON {
  public:
    // Pieces of an own picture played without the difficulty choice.
    static constexpr int kOwnPictureAmount = 48;

    // Loads the thumbnail through the current pack (a missing one gives the default texture,
    // see HasThumbnail), tilts it by a random angle within the book's max_frame_rotation and
    // computes the grid (ComputeGrid) from amount, Min and the thumbnail's size.
    FRAME(const std::string& picture, const std::string& thumbnail, int amount, bool rotation,
          int Min);

    // An entry for one of the player's own pictures (own_picture set): picture is the photo's
    // path, thumbnail its cached thumbnail's. Takes texture, which may stand in until the
    // thumbnail's own arrives (SetThumbnailTexture), and is drawn at width x height, the
    // thumbnail's size.
    FRAME(WTEXTURE* texture, int width, int height, const std::string& picture,
          const std::string& thumbnail, int amount, bool rotation, int Min);

    // Draws texture (owned from now on) in place of the current one, which is released; the
    // entry keeps its size.
    void SetThumbnailTexture(WTEXTURE* texture);

    // False when the thumbnail could not be loaded and the default texture stands in.
    bool HasThumbnail() const;
    // Whether the full picture loads from the pack of the current screen's picture tier, which
    // a game is cut from. A game must not start on the default texture that a failed load gives.
    // Decodes the picture; leaves no pack selected. For an own picture: whether its file is
    // still one (OwnPictureStamp), without decoding.
    bool PictureLoads() const;

    // Sizes the thumbnail so that its longer side is longer_side pixels in its own proportions,
    // anchors it at its centre and makes the click box click_box_factor times that size.
    void FitTo(int longer_side, float click_box_factor);
    // The drawn size (without the tilt).
    float DrawnWidth() const { return QuadWidth() * scale.x; }
    float DrawnHeight() const { return QuadHeight() * scale.y; }
    int HitWidth() const { return hit_width_; }
    int HitHeight() const { return hit_height_; }

    std::string picture;    // resource name of the full picture in each picture tier's pack
    std::string thumbnail;  // resource name of the thumbnail in the pack pre_pack
    std::string save_file;  // the saved game this entry stands for; empty in the catalogue
    int Min = 0;            // pieces along the shorter side
    int amount = 0;         // piece count (columns x rows when the grid was computed)
    float aspect = 1.0f;    // shorter grid side over longer grid side
    int columns = 1;
    int rows = 1;
    bool rot = false;
    bool own_picture =
        false;  // pieces come rotated and may be turned (the sprite's tilt is `rotation`)
    FRAME_LABEL label{0, -1, false};

  private:
    // A random angle within the book's max_frame_rotation.
    void Tilt();
    void SetGrid(const PIECE_GRID& grid);
};
