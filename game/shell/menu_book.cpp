// MENU_BOOK: the book's pages and tabs, their layout, clicks and labels.
#include "game/shell/menu_book.h"

#include <algorithm>
#include <string>
#include <utility>

#include "engine/frame/game.h"
#include "engine/resources/config.h"
#include "engine/resources/file_system.h"
#include "engine/resources/registry.h"
#include "engine/text/font.h"
#include "engine/text/strings.h"
#include "engine/ui/buttons.h"
#include "engine/ui/shared_items.h"
#include "engine/ui/tile_map_9.h"

namespace GAME {

namespace {

constexpr int kMainFont = 1;
constexpr int kButtonOverSound = 1;
constexpr int kTabLabelLift = 5;  // pixels the label stands above the tab's centre
constexpr int kTabInset = 100;    // pixels from the book's top to the first tab, and from its
                                  // bottom to the saves tab

std::unique_ptr<BUTTONACT> MakeTab() {
    auto tab = std::make_unique<BUTTONACT>(g_resources.gallery_button, BUTTONACT::Action{});
    tab->SetHoverSound(g_sounds[kButtonOverSound]);
    return tab;
}

}  // namespace

MENU_BOOK::MENU_BOOK(std::vector<std::string> category_labels)
    : labels_(std::move(category_labels)) {
    const auto& b = g_resources.book;
    const char* const left[9] = {b.b1_1, b.b2_1, b.b3_1, b.b1_2, b.b2_2,
                                 b.b3_2, b.b1_3, b.b2_3, b.b3_3};
    const char* const right[9] = {b.b3_1, b.b4_1, b.b5_1, b.b3_2, b.b4_2,
                                  b.b5_2, b.b3_3, b.b4_3, b.b5_3};
    left_page_ = std::make_unique<WTILE_MAP_9>(left);
    right_page_ = std::make_unique<WTILE_MAP_9>(right);
    // The spine is the right page's left column; the left page would draw it a second time.
    for (int code : {13, 23, 33}) {
        left_page_->RemovePiece(code);
    }
    for (size_t i = 0; i < labels_.size(); ++i) {
        tabs_.push_back(MakeTab());
    }
    Layout();
    SetCurrentPage(1);
}

MENU_BOOK::~MENU_BOOK() = default;

BOOK_AREA MENU_BOOK::AreaFor(int width, int height) {
    const auto& book = g_config.book;
    return {
        static_cast<int>(width * book.opt_size_ULX), static_cast<int>(height * book.opt_size_ULY),
        static_cast<int>(width * book.opt_size_DRX), static_cast<int>(height * book.opt_size_DRY)};
}

void MENU_BOOK::Layout() {
    WUN::ST_GAME& frame = *WUN::ST_GAME::GetInstance();
    const int w = frame.GetGameWidth();
    area_ = AreaFor(w, frame.GetGameHeight());
    const WINT_POINT centre = frame.Centre;
    const WSPRITE* spine_piece = left_page_->Piece(13);
    const int s = spine_piece != nullptr ? spine_piece->GetWidth() : 0;
    const int page_width = w / 2 - area_.left + s / 2;
    left_page_->SetSize(page_width, area_.Height());
    right_page_->SetSize(page_width, area_.Height());
    left_page_->SetPosition(w / 2 - area_.Width() / 4 + s / 4, centre.y);
    right_page_->SetPosition(centre.x + area_.Width() / 4 - s / 4 - 1, centre.y);
    PlaceTabs();
}

void MENU_BOOK::PlaceTabs() {
    const int count = static_cast<int>(tabs_.size()) + (saves_tab_ ? 1 : 0);
    if (count == 0) {
        return;
    }
    const BUTTONACT& model = saves_tab_ ? *saves_tab_ : *tabs_.front();
    // The whole strip's width, as the tab art is drawn for: it puts most of the tab left of the
    // book, where the thumbnails do not cover its label.
    const int tab_width = static_cast<int>(model.QuadWidth());
    const int tab_height = static_cast<int>(model.QuadHeight());
    int step = std::min(area_.Height() / count, tab_height);
    if (saves_tab_ && !tabs_.empty()) {
        // The saves tab stands near the bottom: the category tabs close up rather than run
        // into it (with five categories they would).
        step = std::min(step, (area_.Height() - 2 * kTabInset) / static_cast<int>(tabs_.size()));
    }
    const int x = area_.left - tab_width / 8 + g_config.book.offset_from_page + 47;
    for (size_t i = 0; i < tabs_.size(); ++i) {
        tabs_[i]->SetPosition(x, area_.top + static_cast<int>(i) * step + kTabInset);
    }
    if (saves_tab_) {
        saves_tab_->SetPosition(x, area_.bottom - kTabInset);
    }
}

int MENU_BOOK::Update() {
    for (size_t i = 0; i < tabs_.size(); ++i) {
        if (tabs_[i]->Update(0, 0.0f) == 1) {
            return static_cast<int>(i) + 1;
        }
    }
    if (saves_tab_ && saves_tab_->Update(0, 0.0f) == 1) {
        return CategoryCount() + 1;
    }
    return 0;
}

void MENU_BOOK::Draw() {
    left_page_->Draw(0);
    right_page_->Draw(0);
    for (const auto& tab : tabs_) {
        tab->Draw(0);
    }
    if (saves_tab_) {
        saves_tab_->Draw(0);
    }
}

void MENU_BOOK::DrawLabels() {
    WFONT* font = g_fonts[kMainFont];
    if (font == nullptr) {
        return;
    }
    for (size_t i = 0; i < tabs_.size(); ++i) {
        font->align = 0;
        font->DrawText(static_cast<int>(tabs_[i]->pos.x),
                       static_cast<int>(tabs_[i]->pos.y) - kTabLabelLift, labels_[i].c_str());
    }
    if (saves_tab_) {
        font->align = 0;
        font->DrawText(static_cast<int>(saves_tab_->pos.x),
                       static_cast<int>(saves_tab_->pos.y) - kTabLabelLift,
                       g_texts.menu_btn_saves_name);
    }
}

void MENU_BOOK::SetCurrentPage(int page) {
    current_page_ = page;
    for (size_t i = 0; i < tabs_.size(); ++i) {
        tabs_[i]->SetEnabled(static_cast<int>(i) + 1 != page);
    }
    if (saves_tab_) {
        saves_tab_->SetEnabled(page != CategoryCount() + 1);
    }
}

void MENU_BOOK::SetSavesTab(bool shown) {
    if (shown == HasSavesTab()) {
        return;
    }
    if (shown) {
        // The tab's image is in the book's pack, like the others'.
        g_file_system.SelectPack(g_resources.packs.book_pack);
        saves_tab_ = MakeTab();
        g_file_system.UnselectPack();
    } else {
        saves_tab_ = nullptr;
    }
    PlaceTabs();
    SetCurrentPage(current_page_);
}

const BUTTONACT* MENU_BOOK::Tab(int i) const {
    if (i >= 0 && i < CategoryCount()) {
        return tabs_[i].get();
    }
    return i == CategoryCount() ? saves_tab_.get() : nullptr;
}

}  // namespace GAME
