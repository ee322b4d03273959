// SAVES_LIST: the book's last page: the player's saved games as thumbnails with their
// completion percent, eight to a page, chosen and deleted here and resumed by the shell's Play.
#pragma once

#include <memory>
#include <string>

#include "game/board/saved_puzzle.h"

#include "game/shell/frame_pages.h"

class BUTTONACT;

namespace GAME {

// The label's percent of a saved game: joins made of the pieces - 1 a game takes, rounded, within
// 0..100 (a game of one piece shows 100).
int CompletionPercent(int joins, int pieces);

class SAVES_LIST : public FRAME_PAGES {
  public:
    // Update answers.
    enum { kNothing = 0, kEmptied = -1 };

    // The page buttons and the delete button ("save_delete") come from the menu_pack.
    SAVES_LIST();
    ~SAVES_LIST();

    // Appends an entry for every ".pzl" file of folder (ending in "/") that parses, in name
    // order, with its thumbnail from the pre_pack (an own picture's from the thumbnail cache). True
    // when the folder holds any ".pzl" file, even one that could not be read.
    bool Load(const std::string& folder);
    // Shows text on the page, below the entries, until the selection changes or the list is
    // read again.
    void ShowRefusal(const std::string& text) { refusal_ = text; }
    const std::string& Refusal() const { return refusal_; }
    // No entries, first page, first entry selected.
    void Clear();
    // The entries' slots and the page buttons (FRAME_PAGES), and the delete button, for a
    // screen of width x height.
    void LayoutPage(int width, int height);
    // A press of any button on an entry of the page selects it (silently: a double click does
    // not start the game); the page buttons turn pages; the delete button deletes the selected
    // game and its file. kEmptied when that deleted the last one, else kNothing.
    int Update();
    // The entries of the page, the page buttons and the delete button.
    void Draw();

    BUTTONACT& DeleteButton() { return *delete_; }

  private:
    static std::unique_ptr<FRAME> MakeEntry(const SAVED_PUZZLE& saved);
    void DeleteSelected();

    std::unique_ptr<BUTTONACT> delete_;
    std::string refusal_;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace GAME
