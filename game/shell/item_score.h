// GAME::ITEM_SCORE: one row of the score board: its number, the puzzle's thumbnail in a white
// frame, and the score, pieces and time of that finished puzzle.
#pragma once

#include "engine/ui/sprite.h"
#include "game/records/result_record.h"

class WFONT;

namespace GAME {

class ITEM_SCORE : public WST::STO {
  public:
    // thumbnail: shared with the score board's cache, never released here.
    ITEM_SCORE(WTEXTURE* thumbnail, const RESULT_RECORD& results, WFONT* font, int number);
    ~ITEM_SCORE() override;
    ITEM_SCORE(const ITEM_SCORE&) = delete;
    ITEM_SCORE& operator=(const ITEM_SCORE&) = delete;

    // The row for the board's centre x at height y: "number." with the big font at x - 250,
    // the framed thumbnail centred at x - 125, the three lines of text from x + 10.
    void DrawRow(int x, int y);

    int Number() const { return number_; }
    const RESULT_RECORD& Results() const { return results_; }
    // Its longer side is 130 pixels, the other in proportion.
    const WSPRITE& Thumbnail() const { return thumbnail_; }

  private:
    WSPRITE thumbnail_;
    RESULT_RECORD results_;
    WFONT* font_;  // not owned
    int number_;
};

}  // namespace GAME
