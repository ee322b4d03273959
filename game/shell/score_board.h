// GAME::SCORE_BOARD: the player's finished puzzles from the results file, three rows at a time
// with a scroll bar, over the menu until OK or Enter.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/ui/sprite.h"
#include "game/records/result_record.h"
#include "game/shell/item_score.h"

class WBUTTONMAP4;
class WFONT;
class WVSLIDER_E;

namespace GAME {

class SCORE_BOARD : public WSPRITE {
  public:
    static constexpr int kVisibleRows = 3;

    // The window, its background, the scroll bar and OK come from the current pack (the
    // gui_pack).
    explicit SCORE_BOARD(WFONT* font);
    ~SCORE_BOARD() override;

    // One row more, numbered after the others, with the thumbnail named face (each name is
    // loaded once, from the pre_pack; one that does not load shows the default texture).
    void AddRow(const RESULT_RECORD& results, const std::string& face);
    // 1 when OK is clicked or Enter was pressed this frame (the shell closes the board); else
    // the scroll bar runs while there are more rows than fit, and the answer is 0.
    int Update(int flag, float step) override;
    // The darkened screen, the window, the background, the header, OK, the scroll bar and the
    // visible rows. Returns 0.
    int Draw(int flag) override;
    // Centres the window and places its parts.
    void Layout();

    int RowCount() const { return static_cast<int>(rows_.size()); }
    const ITEM_SCORE& Row(int i) const { return *rows_[static_cast<size_t>(i)]; }
    int FirstVisibleRow() const { return first_row_; }
    WVSLIDER_E& ScrollBar() const { return *slider_; }
    WBUTTONMAP4& OkButton() const { return *ok_; }
    const WSPRITE& Background() const { return *background_; }
    // The screen y of the k-th visible row.
    int RowY(int k) const;

  private:
    WFONT* font_;  // not owned
    std::unique_ptr<WSPRITE> background_;
    std::unique_ptr<WVSLIDER_E> slider_;
    std::unique_ptr<WBUTTONMAP4> ok_;
    int first_row_ = 0;
    std::vector<std::unique_ptr<ITEM_SCORE>> rows_;
    std::map<std::string, WTEXTURE*> thumbnails_;  // owned
};

}  // namespace GAME
