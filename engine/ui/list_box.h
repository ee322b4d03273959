// WLISTBOX: the list of player names, newest at the top, one entry selected, with a scroll bar.
#pragma once

#include <string>
#include <vector>

#include "engine/ui/object_tree.h"

class WFONT;
class WINPUT;
class WSPRITE;
class WVSLIDER_E;

// The box's top-left corner is pos, its width and height are scale.x and scale.y (logical
// pixels). Change them with SetPosition and SetSize so that the background and the scroll bar
// follow. Its images are read from the currently selected pack.
class WLISTBOX : public WST::STO {
  public:
    WLISTBOX();
    ~WLISTBOX() override;
    WLISTBOX(const WLISTBOX&) = delete;
    WLISTBOX& operator=(const WLISTBOX&) = delete;

    // Scrolls, and selects the row under a pressed left button. Returns 0.
    int Update(int flag, float step) override;
    // Background, scroll bar, then the visible rows: number and name. Returns 0, or 1 when it
    // meets an entry without a font.
    int Draw(int flag) override;
    int Query(int) override { return 1; }

    void SetPosition(float x, float y);
    void SetSize(float width, float height);

    // Appends the entry and selects it.
    void AddItem(WFONT* font, const std::string& text);
    // Removes the selected entry and selects its older neighbour (or the new oldest). Returns 1
    // when the list was empty, else 0.
    int RemoveSelected();
    // Empty when the list is empty.
    std::string GetSelectedText() const;
    int GetSelectedIndex() const { return selected_; }
    int GetCount() const { return static_cast<int>(entries_.size()); }
    const std::string& GetItemText(int index) const { return entries_[index].text; }
    int GetFirstRow() const { return first_row_; }
    WVSLIDER_E* GetScrollBar() const { return scroll_bar_; }

  private:
    struct ENTRY {
        WFONT* font;  // not owned
        std::string text;
        bool selected;
    };

    void Layout();
    void Select(int index);
    int VisibleRows() const;

    int first_row_ = 0;  // entries scrolled past, from the scroll bar
    int selected_ = 0;
    int name_x_ = 100;  // offsets from the box's corner, logical pixels
    int number_x_ = 45;
    int text_y_ = 40;
    int highlight_y_ = 35;
    int highlight_x_ = 210;
    int row_pitch_;  // the highlight image's height
    WSPRITE* background_;
    WSPRITE* highlight_;
    WVSLIDER_E* scroll_bar_;
    WINPUT* input_;
    std::vector<ENTRY> entries_;  // oldest first; drawn newest first
};
