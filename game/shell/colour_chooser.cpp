// COLOUR_CHOOSER: swatches, plates, the shadow of the chosen one, and the clicks.
#include "game/shell/colour_chooser.h"

#include "engine/resources/config.h"
#include "engine/resources/file_system.h"
#include "engine/resources/registry.h"
#include "engine/ui/buttons.h"

namespace GAME {

namespace {
constexpr int kPlateWidth = 51;
constexpr int kPlateHeight = 55;
}  // namespace

uint32_t COLOUR_CHOOSER::Colour(int i) {
    const int colours[kSwatchCount] = {g_config.color_background_0, g_config.color_background_1,
                                       g_config.color_background_2, g_config.color_background_3};
    return static_cast<uint32_t>(colours[i]);
}

COLOUR_CHOOSER::COLOUR_CHOOSER(uint32_t colour) {
    g_file_system.SelectPack(g_resources.packs.menu_pack);
    for (int i = 0; i < kSwatchCount; ++i) {
        swatches_[i] = std::make_unique<WBUTTON>(g_resources.main_screen.white_plain);
        swatches_[i]->SetButtonSize(kSwatchSize, kSwatchSize);
        swatches_[i]->SetAnchor(WSPRITE::kAnchorCentre);
        swatches_[i]->SetColour(Colour(i));
        if (Colour(i) == colour && chosen_ < 0) {
            chosen_ = i;
        }
    }
    shadow_ = std::make_unique<WSPRITE>(g_resources.main_screen.shadow);
    g_file_system.SelectPack(g_resources.packs.gui_pack);
    plate_ = std::make_unique<WSPRITE>(g_resources.choice_color_back);
    g_file_system.UnselectPack();
    shadow_->SetSize(kSwatchSize, kSwatchSize);
    shadow_->SetAnchor(WSPRITE::kAnchorCentre);
    plate_->SetSize(kPlateWidth, kPlateHeight);
    plate_->SetAnchor(WSPRITE::kAnchorCentre);
}

COLOUR_CHOOSER::~COLOUR_CHOOSER() = default;

void COLOUR_CHOOSER::SetPosition(int x, int y) {
    for (int i = 0; i < kSwatchCount; ++i) {
        swatches_[i]->SetPosition(x + kSwatchStep * i, y);
    }
}

int COLOUR_CHOOSER::Update() {
    for (int i = 0; i < kSwatchCount; ++i) {
        if (swatches_[i]->Update(0, 0.0f) == WBUTTON::kLeft) {
            chosen_ = i;
            return i;
        }
    }
    return -1;
}

void COLOUR_CHOOSER::Draw() {
    if (chosen_ >= 0) {
        const WBUTTON& chosen = *swatches_[chosen_];
        shadow_->DrawAt(chosen.pos.x + kSwatchSize / 10, chosen.pos.y + kSwatchSize / 10);
    }
    for (const auto& swatch : swatches_) {
        swatch->Draw(0);
        plate_->SetColour(swatch->GetColour());
        plate_->DrawAt(swatch->pos.x, swatch->pos.y);
    }
}

}  // namespace GAME
