// GAME::LIDER_BOARD: ranking, layout, scrolling and drawing.
#include "game/shell/leader_board.h"

#include <algorithm>

#include "engine/frame/game.h"
#include "engine/platform/virtual_keys.h"
#include "engine/resources/registry.h"
#include "engine/text/strings.h"
#include "engine/ui/buttons.h"
#include "engine/ui/sliders.h"
#include "game/shell/window_parts.h"

namespace GAME {
namespace {

constexpr int kRowGap = 5;       // pixels between row plates
constexpr int kMarkedRanks = 3;  // ranks drawn on the highlighted plate

}  // namespace

LIDER_BOARD::LIDER_BOARD(WFONT* font)
    : WSPRITE(g_resources.gui.window),
      font_(font),
      back_(std::make_unique<WSPRITE>(g_resources.window_liders.back)),
      table_(std::make_unique<WSPRITE>(g_resources.window_liders.table)),
      under_table_(std::make_unique<WSPRITE>(g_resources.window_liders.under_table)),
      slider_(std::make_unique<WVSLIDER_E>(g_resources.gui.slider, g_resources.gui.slider_minus,
                                           g_resources.gui.slider_plus)),
      ok_(std::make_unique<WBUTTONMAP4>(g_resources.gui.ok_button)) {
    slider_->SetMin(0);
    slider_->SetMax(0);
    Layout();
}

LIDER_BOARD::~LIDER_BOARD() = default;

void LIDER_BOARD::Layout() {
    const WINT_POINT centre = WUN::ST_GAME::GetInstance()->Centre;
    const float h = QuadHeight();
    SetPosition(centre.x, centre.y);
    back_->SetPosition(centre.x + 55, static_cast<int>(centre.y - 0.35f * h));
    table_->SetPosition(centre.x, static_cast<int>(back_->pos.y) + 100);
    slider_->SetTrackPosition(centre.x + table_->QuadWidth() / 1.8f, back_->pos.y + 80.0f);
    slider_->SetLength(kVisibleRows * table_->QuadHeight());
    ok_->SetPosition(centre.x, static_cast<int>(centre.y + h / 2.0f - 0.25f * ok_->QuadHeight()));
}

void LIDER_BOARD::AddEntry(const std::string& name, uint32_t score) {
    entries_.push_back({name, score});
    slider_->SetMax(static_cast<int>(entries_.size()) - kVisibleRows);
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const ENTRY& a, const ENTRY& b) { return a.score > b.score; });
}

int LIDER_BOARD::Update(int, float) {
    if (ok_->Update(0, 0.0f) == 1 || KeyPressed(VK_RETURN)) {
        PlayShellSound(kSoundButtonPress);
        return 1;
    }
    const int count = static_cast<int>(entries_.size());
    if (count > kVisibleRows) {
        slider_->Update(0, 0.0f);
        first_row_ = std::clamp(slider_->GetValueInt(), 0, count - kVisibleRows);
    }
    return 0;
}

int LIDER_BOARD::RowY(int k) const {
    return static_cast<int>(table_->pos.y) + k * (static_cast<int>(table_->QuadHeight()) + kRowGap);
}

int LIDER_BOARD::Draw(int) {
    DrawScreenOverlay();
    WSPRITE::Draw(0);
    back_->Draw(0);
    const int cx = static_cast<int>(pos.x);
    PrintText(BigFont(), kAlignCentre, cx, static_cast<int>(back_->pos.y) - 10,
              g_texts.leaderboard_txt_header);
    ok_->Draw(0);
    slider_->Draw(0);
    for (int k = 0; k < kVisibleRows; ++k) {
        if (k + first_row_ + 1 <= kMarkedRanks) {
            under_table_->DrawAt(static_cast<float>(cx), static_cast<float>(RowY(k)));
        }
        table_->DrawAt(static_cast<float>(cx), static_cast<float>(RowY(k)));
    }
    const int shown = std::min(static_cast<int>(entries_.size()) - first_row_, kVisibleRows);
    const int table_x = static_cast<int>(table_->pos.x);
    for (int k = 0; k < shown; ++k) {
        const int index = first_row_ + k;
        const ENTRY& entry = entries_[static_cast<size_t>(index)];
        PrintText(font_, kAlignCentre, table_x - 260, RowY(k), std::to_string(index + 1).c_str());
        PrintText(font_, kAlignCentre, table_x - 78, RowY(k), entry.name.c_str());
        PrintText(font_, kAlignCentre, table_x + 190, RowY(k), std::to_string(entry.score).c_str());
    }
    return 0;
}

}  // namespace GAME
