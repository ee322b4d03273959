// GAME::SCORE_BOARD: rows, the thumbnail cache, layout, scrolling and drawing.
#include "game/shell/score_board.h"

#include <algorithm>

#include "engine/frame/game.h"
#include "engine/platform/virtual_keys.h"
#include "engine/resources/file_system.h"
#include "engine/resources/pack_texture.h"
#include "engine/resources/registry.h"
#include "engine/text/strings.h"
#include "engine/ui/buttons.h"
#include "engine/ui/sliders.h"
#include "game/shell/thumbnail_worker.h"
#include "game/shell/window_parts.h"

namespace GAME {
namespace {

constexpr float kScrollLength = 420.0f;  // pixels
constexpr int kRowStep = 140;            // pixels between rows

}  // namespace

SCORE_BOARD::SCORE_BOARD(WFONT* font)
    : WSPRITE(g_resources.gui.window),
      font_(font),
      background_(std::make_unique<WSPRITE>(g_resources.window_scores)),
      slider_(std::make_unique<WVSLIDER_E>(g_resources.gui.slider, g_resources.gui.slider_minus,
                                           g_resources.gui.slider_plus)),
      ok_(std::make_unique<WBUTTONMAP4>(g_resources.gui.ok_button)) {
    slider_->SetLength(kScrollLength);
    slider_->SetMin(0);
    slider_->SetMax(0);
    Layout();
}

SCORE_BOARD::~SCORE_BOARD() {
    rows_.clear();
    for (const auto& [face, texture] : thumbnails_) {
        device->ReleaseTexture(texture);
    }
}

void SCORE_BOARD::Layout() {
    const WINT_POINT centre = WUN::ST_GAME::GetInstance()->Centre;
    const float h = QuadHeight();
    SetPosition(centre.x, centre.y);
    background_->SetPosition(centre.x + 264, static_cast<int>(centre.y - 0.3f * h));
    slider_->SetTrackPosition(static_cast<float>(centre.x + 320), background_->pos.y + 40.0f);
    ok_->SetPosition(centre.x, static_cast<int>(centre.y + h / 2.0f - 0.25f * ok_->QuadHeight()));
}

void SCORE_BOARD::AddRow(const RESULT_RECORD& results, const std::string& face) {
    WTEXTURE*& thumbnail = thumbnails_[face];
    if (thumbnail == nullptr && IsCachedThumbnail(face)) {
        // An own picture's, from the thumbnail cache.
        thumbnail = LoadNamedTexture(*device, face.c_str(), true);
    } else if (thumbnail == nullptr) {
        g_file_system.SelectPack(g_resources.packs.pre_pack);
        thumbnail = LoadNamedTexture(*device, face.c_str(), false);
        g_file_system.UnselectPack();
    }
    rows_.push_back(std::make_unique<ITEM_SCORE>(thumbnail, results, font_, RowCount() + 1));
    slider_->SetMax(RowCount() - kVisibleRows);
}

int SCORE_BOARD::Update(int, float) {
    if (ok_->Update(0, 0.0f) == 1 || KeyPressed(VK_RETURN)) {
        PlayShellSound(kSoundButtonPress);
        return 1;
    }
    if (RowCount() > kVisibleRows) {
        slider_->Update(0, 0.0f);
        first_row_ = std::clamp(slider_->GetValueInt(), 0, RowCount() - kVisibleRows);
    }
    return 0;
}

int SCORE_BOARD::RowY(int k) const {
    return static_cast<int>(background_->pos.y + 80.0f + static_cast<float>(kRowStep * k));
}

int SCORE_BOARD::Draw(int) {
    DrawScreenOverlay();
    WSPRITE::Draw(0);
    background_->Draw(0);
    PrintText(BigFont(), kAlignCentre, static_cast<int>(pos.x),
              static_cast<int>(background_->pos.y) - 30, g_texts.score_txt_header);
    ok_->Draw(0);
    slider_->Draw(0);
    const int shown = std::min(RowCount() - first_row_, kVisibleRows);
    for (int k = 0; k < shown; ++k) {
        rows_[static_cast<size_t>(first_row_ + k)]->DrawRow(static_cast<int>(pos.x), RowY(k));
    }
    return 0;
}

}  // namespace GAME
