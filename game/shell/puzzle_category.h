// PUZZLE_CATEGORY: one category of the catalogue, a page of the menu book: its entries eight to a
// page, the selection and the page counter.
#pragma once

#include "game/shell/frame_pages.h"

class PUZZLE_CATEGORY : public FRAME_PAGES {
  public:
    // Update answer: the selected entry was double-clicked; the owner starts the game.
    static constexpr int kPlay = 999;

    // name_index: the category's position in the catalogue file, which picks its caption.
    explicit PUZZLE_CATEGORY(int name_index);
    // The book owns its categories as PUZZLE_CATEGORY, the own pictures' page among them.
    virtual ~PUZZLE_CATEGORY() = default;

    // Every menu frame while the category is shown. A press (left or right) on an entry of the
    // current page selects it, plays puzzle_selection and answers the entry's index; a double
    // click selects it and answers kPlay. Otherwise the page-turn buttons run and the answer
    // is 0. Since index 0 is also an answer, owners act only on kPlay.
    int Update();
    // The current page (see FRAME_PAGES), then the page counter "page/pages" when there is
    // more than one page. Nothing without entries.
    void Draw();

    // Where the page counter is printed (from the last LayoutPage).
    int CounterX() const;
    int CounterY() const;

    const int name_index;
};
