// FRAME_PAGES: entries eight to a page in staggered slots with page-turn buttons: the page logic
// that the catalogue's categories and the saved-games list share.
#pragma once

#include <memory>
#include <vector>

#include "engine/ui/buttons.h"
#include "game/shell/catalogue_frame.h"

// The book's page area on the screen, in logical pixels.
struct PAGE_RECT {
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;
};

// The page area for a screen of width x height (configuration section book).
PAGE_RECT PageRect(int width, int height);

class FRAME_PAGES {
  public:
    static constexpr int kPerPage = 8;

    // Loads the page-turn buttons (next_page and prev_page of main_screen) from the pack
    // menu_pack; leaves no pack selected.
    FRAME_PAGES();

    void Append(std::unique_ptr<FRAME> entry);
    int EntryCount() const { return static_cast<int>(entries_.size()); }
    FRAME& Entry(int index) { return *entries_[static_cast<size_t>(index)]; }
    // 0-based.
    int Page() const { return page_; }
    // Entries / 8 rounded up; 0 without entries.
    int PageCount() const { return (EntryCount() + kPerPage - 1) / kPerPage; }
    int Selected() const { return selected_; }
    // Null when there are no entries.
    FRAME* SelectedEntry();

    // Places every entry in its slot of its page, sized to the slot, and the page-turn buttons
    // below the page, for a screen of width x height.
    void LayoutPage(int width, int height);
    const PAGE_RECT& Rect() const { return rect_; }
    // Enables exactly the page-turn buttons that lead to another page.
    void UpdatePageButtons();

    WBUTTONMAP4& NextButton() { return *next_; }
    WBUTTONMAP4& PreviousButton() { return *previous_; }

  protected:
    // The entries of the current page are [PageBegin(), PageEnd()).
    int PageBegin() const { return page_ * kPerPage; }
    int PageEnd() const;
    // An enabled page-turn button that reports a click turns the page and selects its first
    // entry.
    void TurnPages();
    // With smooth filtering: for each entry of the current page a drop shadow (the selected
    // one only), the white photo border, the thumbnail and its label; then both page-turn
    // buttons.
    void DrawEntries();

    std::vector<std::unique_ptr<FRAME>> entries_;
    int page_ = 0;
    int selected_ = 0;

  private:
    void TurnTo(int page);

    std::unique_ptr<WBUTTONMAP4> next_;
    std::unique_ptr<WBUTTONMAP4> previous_;
    PAGE_RECT rect_;
};
