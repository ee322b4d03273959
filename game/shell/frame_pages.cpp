// FRAME_PAGES: slot layout, page-turn buttons and page drawing; see frame_pages.h.
#include "game/shell/frame_pages.h"

#include <algorithm>

#include "engine/render/render_device.h"
#include "engine/resources/config.h"
#include "engine/resources/file_system.h"
#include "engine/resources/registry.h"
#include "engine/ui/shared_items.h"

namespace {

constexpr int kColumns = 4;       // slots per row; two rows make a page
constexpr float kStagger = 0.1f;  // share of a cell by which neighbouring slots are offset
constexpr float kShadowOffset = 10.0f;

// The centre of the entry at index (every page uses the same eight slots), in logical pixels.
WST::VEC2 SlotCentre(int index, const PAGE_RECT& rect) {
    const int cw = (rect.x1 - rect.x0) / kColumns;
    const int ch = (rect.y1 - rect.y0) / 2;
    const int slot = index % FRAME_PAGES::kPerPage + 1;
    const bool top_row = slot <= kColumns;
    const int column = top_row ? slot : slot - kColumns;
    const float stagger_x = (slot % 2 == 1 ? kStagger : -kStagger) * static_cast<float>(cw);
    const float stagger_y = (top_row ? kStagger : -kStagger) * static_cast<float>(ch);
    const int row_bottom = rect.y0 + (top_row ? ch : 2 * ch);
    return {static_cast<float>(column * cw + rect.x0 - cw / 2) + stagger_x,
            static_cast<float>(row_bottom - ch / 2) + stagger_y +
                static_cast<float>(g_config.book.count_pixel_for_frames_offset)};
}

// A shared sprite sized like the entry plus the book's border allowance, tilted like it.
void DrawUnder(WSPRITE* sprite, const FRAME& entry, float x, float y) {
    if (sprite == nullptr) {
        return;
    }
    const int grow = g_config.book.count_pixel_for_frame;
    sprite->SetSize(static_cast<int>(entry.DrawnWidth()) + grow,
                    static_cast<int>(entry.DrawnHeight()) + grow);
    sprite->SetAnchor(WSPRITE::kAnchorCentre);
    sprite->DrawRotated(x, y, entry.rotation);
}

}  // namespace

PAGE_RECT PageRect(int width, int height) {
    const CONFIG::BOOK& book = g_config.book;
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    return {static_cast<int>(w * book.opt_size_ULX) + book.offset_from_page,
            static_cast<int>(h * book.opt_size_ULY) + 40,
            static_cast<int>(w * book.opt_size_DRX) - book.offset_from_page,
            static_cast<int>(h * book.opt_size_DRY) - 40};
}

FRAME_PAGES::FRAME_PAGES() {
    g_file_system.SelectPack(g_resources.packs.menu_pack);
    next_ = std::make_unique<WBUTTONMAP4>(g_resources.main_screen.next_page);
    previous_ = std::make_unique<WBUTTONMAP4>(g_resources.main_screen.prev_page);
    g_file_system.UnselectPack();
}

void FRAME_PAGES::Append(std::unique_ptr<FRAME> entry) {
    entries_.push_back(std::move(entry));
}

FRAME* FRAME_PAGES::SelectedEntry() {
    if (selected_ < 0 || selected_ >= EntryCount()) {
        return nullptr;
    }
    return entries_[static_cast<size_t>(selected_)].get();
}

int FRAME_PAGES::PageEnd() const {
    return std::min(PageBegin() + kPerPage, EntryCount());
}

void FRAME_PAGES::LayoutPage(int width, int height) {
    rect_ = PageRect(width, height);
    const int cw = (rect_.x1 - rect_.x0) / kColumns;
    const int longer_side =
        static_cast<int>(static_cast<float>(cw) * g_config.book.size_of_frames_in_percent);
    for (int i = 0; i < EntryCount(); ++i) {
        FRAME& entry = Entry(i);
        entry.pos = SlotCentre(i, rect_);
        entry.FitTo(longer_side, g_config.book.frames_extra_boundbox);
    }
    const int buttons_y = static_cast<int>(rect_.y1 * 0.93);
    next_->SetPosition(static_cast<int>(rect_.x1 * 0.78), buttons_y);
    previous_->SetPosition(static_cast<int>(rect_.x1 * 0.38), buttons_y);
}

void FRAME_PAGES::UpdatePageButtons() {
    if (EntryCount() < kPerPage) {
        next_->SetEnabled(false);
        previous_->SetEnabled(false);
        return;
    }
    previous_->SetEnabled(page_ > 0);
    next_->SetEnabled(page_ < (EntryCount() - 1) / kPerPage);
}

void FRAME_PAGES::TurnTo(int page) {
    page_ = page;
    selected_ = page * kPerPage;
    UpdatePageButtons();
}

void FRAME_PAGES::TurnPages() {
    if (next_->Update(0, 0.0f) == 1 && next_->IsEnabled()) {
        TurnTo(page_ + 1);
    }
    if (previous_->Update(0, 0.0f) == 1 && previous_->IsEnabled()) {
        TurnTo(page_ - 1);
    }
}

void FRAME_PAGES::DrawEntries() {
    WRENDER* device = next_->device;
    device->SetFiltering(true);
    for (int i = PageBegin(); i < PageEnd(); ++i) {
        FRAME& entry = Entry(i);
        if (i == selected_) {
            DrawUnder(g_shared_sprites.shadow, entry, entry.pos.x + kShadowOffset,
                      entry.pos.y + kShadowOffset);
        }
        DrawUnder(g_shared_sprites.white_plain, entry, entry.pos.x, entry.pos.y);
        entry.Draw(0);
        entry.label.Draw(entry.pos.x, entry.pos.y, entry.DrawnWidth(), entry.DrawnHeight());
    }
    next_->Draw(0);
    previous_->Draw(0);
    device->SetFiltering(false);
}
