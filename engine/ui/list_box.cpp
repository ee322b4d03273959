// WLISTBOX: rows, selection, scrolling and removal.
#include "engine/ui/list_box.h"

#include <algorithm>

#include "engine/frame/game.h"
#include "engine/frame/input.h"
#include "engine/resources/config.h"
#include "engine/resources/registry.h"
#include "engine/text/font.h"
#include "engine/ui/sliders.h"
#include "engine/ui/sprite.h"

WLISTBOX::WLISTBOX()
    : background_(new WSPRITE(g_resources.window_change_player.list_back)),
      highlight_(new WSPRITE(g_resources.window_change_player.item)),
      scroll_bar_(new WVSLIDER_E(g_resources.gui.slider, g_resources.gui.slider_minus,
                                 g_resources.gui.slider_plus)),
      input_(WUN::ST_GAME::GetInstance()->GetInput()) {
    pos = {100.0f, 100.0f};
    scale = {100.0f, 100.0f};
    row_pitch_ = highlight_->GetHeight();
    background_->SetAnchor(WSPRITE::kAnchorTopLeft);
    scroll_bar_->SetMax(0);
    scroll_bar_->SetMin(0);
    Layout();
}

WLISTBOX::~WLISTBOX() {
    delete background_;
    delete highlight_;
    delete scroll_bar_;
}

void WLISTBOX::Layout() {
    background_->SetPosition(static_cast<int>(pos.x), static_cast<int>(pos.y));
    background_->SetSize(static_cast<int>(scale.x), static_cast<int>(scale.y));
    const float bar_width = static_cast<float>(scroll_bar_->GetWidth());
    const float bar_height = static_cast<float>(scroll_bar_->GetHeight());
    scroll_bar_->SetTrackPosition(
        static_cast<float>(static_cast<int>(bar_width / 2.0f + scale.x + pos.x)),
        static_cast<float>(static_cast<int>(bar_height / 8.0f + pos.y)));
    // The bar runs down the box's right side, as long as the box is high.
    scroll_bar_->SetLength(scale.y);
}

void WLISTBOX::SetPosition(float x, float y) {
    pos = {x, y};
    Layout();
}

void WLISTBOX::SetSize(float width, float height) {
    scale = {width, height};
    Layout();
}

int WLISTBOX::VisibleRows() const {
    const int row = static_cast<int>(highlight_->QuadHeight());
    return row > 0 ? static_cast<int>(background_->QuadHeight()) / row : 0;
}

void WLISTBOX::Select(int index) {
    for (ENTRY& entry : entries_) {
        entry.selected = false;
    }
    entries_[index].selected = true;
    selected_ = index;
}

void WLISTBOX::AddItem(WFONT* font, const std::string& text) {
    entries_.push_back({font, text, false});
    Select(GetCount() - 1);
}

int WLISTBOX::RemoveSelected() {
    if (entries_.empty()) {
        return 1;
    }
    entries_.erase(entries_.begin() + selected_);
    if (selected_ != 0) {
        --selected_;
    }
    const int scrolled = scroll_bar_->GetValueInt();
    if (scrolled != static_cast<int>(scroll_bar_->GetMin())) {
        scroll_bar_->SetValue(scrolled - 1);
    }
    if (!entries_.empty()) {
        Select(selected_);
    }
    return 0;
}

std::string WLISTBOX::GetSelectedText() const {
    return entries_.empty() ? std::string() : entries_[selected_].text;
}

int WLISTBOX::Update(int, float) {
    const int count = GetCount();
    const int rows = VisibleRows();
    if (count > rows) {
        scroll_bar_->Update(0, 0.0f);
        scroll_bar_->SetMax(count - rows);
        first_row_ = scroll_bar_->GetValueInt();
    } else {
        first_row_ = 0;
    }
    if (input_->GetLeft() == 0) {
        return 0;
    }
    const int shown = std::min(count, rows);
    for (int i = 0; i < shown; ++i) {
        const int top = static_cast<int>(static_cast<float>(row_pitch_ * i) + pos.y);
        if (input_->InRect(static_cast<int>(pos.x), top, highlight_->GetWidth(), row_pitch_)) {
            const int index = count - (i + first_row_) - 1;
            if (index >= 0) {
                Select(index);
            }
        }
    }
    return 0;
}

int WLISTBOX::Draw(int) {
    background_->Draw(0);
    scroll_bar_->Draw(0);
    const int count = GetCount();
    const int rows = VisibleRows();
    for (int i = 0; i < rows; ++i) {
        const int index = count - (i + first_row_) - 1;
        if (index < 0) {
            break;
        }
        ENTRY& entry = entries_[index];
        if (entry.font == nullptr) {
            return 1;
        }
        const float row_y = static_cast<float>(row_pitch_ * i) + pos.y;
        if (entry.selected) {
            highlight_->DrawAt(static_cast<float>(highlight_x_) + pos.x,
                               static_cast<float>(highlight_y_) + row_y);
        }
        const uint32_t colour = entry.font->GetColour();
        const int text_y = static_cast<int>(static_cast<float>(text_y_) + row_y);
        entry.font->SetColour(static_cast<uint32_t>(g_config.font_main_color));
        entry.font->align = 7;
        entry.font->Printf(static_cast<int>(static_cast<float>(number_x_) + pos.x), text_y, "%i",
                           i + first_row_ + 1);
        entry.font->align = 7;
        entry.font->DrawText(static_cast<int>(static_cast<float>(name_x_) + pos.x), text_y,
                             entry.text.c_str());
        entry.font->SetColour(colour);
    }
    if (!entries_.empty() && entries_.front().font != nullptr) {
        entries_.front().font->SetColour(0xFFFFFFFF);
    }
    return 0;
}
