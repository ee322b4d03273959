// MENU_BOOK: the catalogue book on the menu: two nine-slice pages sharing the spine, one tab per
// category at the left edge and a tab for the saved games while there are any.
#pragma once

#include <memory>
#include <string>
#include <vector>

class BUTTONACT;

namespace GAME {

class WTILE_MAP_9;

struct BOOK_AREA {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

class MENU_BOOK {
  public:
    // Reads the page images from the current pack ("book_pack"); one tab per category label.
    explicit MENU_BOOK(std::vector<std::string> category_labels);
    ~MENU_BOOK();
    MENU_BOOK(const MENU_BOOK&) = delete;
    MENU_BOOK& operator=(const MENU_BOOK&) = delete;

    // The book area of a width x height screen, from the configured fractions.
    static BOOK_AREA AreaFor(int width, int height);
    // Pages and tabs for the current screen size.
    void Layout();
    // The page whose tab was clicked this frame (1-based; the saves tab is category count + 1),
    // or 0.
    int Update();
    // The two pages and the tabs.
    void Draw();
    // The tab labels, centred on their tabs; drawn after the page's thumbnails.
    void DrawLabels();

    // Shows tab page (1-based) as the current one: it is drawn pressed, every other tab enabled.
    void SetCurrentPage(int page);
    void SetSavesTab(bool shown);
    bool HasSavesTab() const { return saves_tab_ != nullptr; }
    int CategoryCount() const { return static_cast<int>(tabs_.size()); }
    const BOOK_AREA& Area() const { return area_; }
    // Tab i (0-based; the saves tab is the category count), null when missing.
    const BUTTONACT* Tab(int i) const;

  private:
    void PlaceTabs();

    std::unique_ptr<WTILE_MAP_9> left_page_;
    std::unique_ptr<WTILE_MAP_9> right_page_;
    std::vector<std::unique_ptr<BUTTONACT>> tabs_;
    std::vector<std::string> labels_;
    std::unique_ptr<BUTTONACT> saves_tab_;
    BOOK_AREA area_;
    int current_page_ = 1;
};

}  // namespace GAME
