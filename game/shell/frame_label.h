// FRAME_LABEL: the dark plates on a catalogue thumbnail: the piece count with the rotation icon,
// and for a saved game its completion percent.
#pragma once

class FRAME_LABEL {
  public:
    // percent -1: no percent plate.
    FRAME_LABEL(int piece_count, int percent, bool rotation);

    // Stores the percent (-1 hides its plate) and sizes its plate to the text.
    void SetPercent(int percent);
    int Percent() const { return percent_; }
    int PieceCount() const { return piece_count_; }

    // Plate sizes in pixels, from the main font (without a font only the margins remain).
    int PlateHeight() const { return plate_height_; }
    int CountPlateWidth() const { return count_plate_width_; }
    int PercentPlateWidth() const { return percent_plate_width_; }

    // For the thumbnail centred at (x, y) and drawn w x h pixels: the count plate below its
    // lower-right corner, the percent plate beside its upper-right corner.
    void Draw(float x, float y, float w, float h) const;

  private:
    int percent_ = -1;
    int piece_count_ = 0;
    bool rotation_ = false;
    int plate_height_ = 0;
    int count_plate_width_ = 0;
    int percent_plate_width_ = 0;
};
