// PUZZLE_CATEGORY: selection, page turning and the page counter; see puzzle_category.h.
#include "game/shell/puzzle_category.h"

#include "engine/audio/sound.h"
#include "engine/text/font.h"
#include "engine/ui/shared_items.h"

namespace {

constexpr int kMainFont = 1;         // g_fonts entry of the registry's "font"
constexpr int kSelectionSound = 19;  // g_sounds entry of "puzzle_selection"
constexpr int kFontAlignCentre = 0;

}  // namespace

PUZZLE_CATEGORY::PUZZLE_CATEGORY(int name_index_in_file) : name_index(name_index_in_file) {}

int PUZZLE_CATEGORY::Update() {
    if (entries_.empty()) {
        return 0;
    }
    for (int i = PageBegin(); i < PageEnd(); ++i) {
        const int pressed = Entry(i).Update(0, 0.0f);
        if (pressed == WBUTTON::kDoubleClick) {
            selected_ = i;
            return kPlay;
        }
        if (pressed == WBUTTON::kLeft || pressed == WBUTTON::kRight) {
            selected_ = i;
            SoundPlay(g_sounds[kSelectionSound]);
            return i;
        }
    }
    TurnPages();
    return 0;
}

void PUZZLE_CATEGORY::Draw() {
    if (entries_.empty()) {
        return;
    }
    DrawEntries();
    WFONT* font = g_fonts[kMainFont];
    if (PageCount() > 1 && font != nullptr) {
        font->align = kFontAlignCentre;
        font->Printf(CounterX(), CounterY(), "%i/%i", page_ + 1, PageCount());
    }
}

int PUZZLE_CATEGORY::CounterX() const {
    return static_cast<int>(Rect().x1 * 0.565);
}

int PUZZLE_CATEGORY::CounterY() const {
    return Rect().y1 - 32;
}
