// GAME::LIDER_BOARD: every player of this computer ranked by total score, five rows at a time
// with a scroll bar, over the menu until OK or Enter.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/ui/sprite.h"

class WBUTTONMAP4;
class WFONT;
class WVSLIDER_E;

namespace GAME {

class LIDER_BOARD : public WSPRITE {
  public:
    static constexpr int kVisibleRows = 5;

    struct ENTRY {
        std::string name;
        uint32_t score = 0;
    };

    // The window, the plates, the scroll bar and OK come from the current pack (the gui_pack).
    explicit LIDER_BOARD(WFONT* font);
    ~LIDER_BOARD() override;

    // Adds a player and ranks the list again: highest score first, equal scores in the order
    // they were added.
    void AddEntry(const std::string& name, uint32_t score);
    // 1 when OK is clicked or Enter was pressed this frame (the shell closes the board); else
    // the scroll bar runs while there are more players than rows, and the answer is 0.
    int Update(int flag, float step) override;
    // The darkened screen, the window, the back plate, the header, OK, the scroll bar, the five
    // row plates (the first three ranks marked) and the visible players. Returns 0.
    int Draw(int flag) override;
    // Centres the window and places its parts.
    void Layout();

    const std::vector<ENTRY>& Entries() const { return entries_; }
    int FirstVisibleRow() const { return first_row_; }
    WVSLIDER_E& ScrollBar() const { return *slider_; }
    WBUTTONMAP4& OkButton() const { return *ok_; }
    // The screen y of the k-th row.
    int RowY(int k) const;

  private:
    WFONT* font_;  // not owned
    std::unique_ptr<WSPRITE> back_;
    std::unique_ptr<WSPRITE> table_;
    std::unique_ptr<WSPRITE> under_table_;
    std::unique_ptr<WVSLIDER_E> slider_;
    std::unique_ptr<WBUTTONMAP4> ok_;
    int first_row_ = 0;
    std::vector<ENTRY> entries_;
};

}  // namespace GAME
