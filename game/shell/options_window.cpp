// GAME::PUZZLE_OPTIONS_GAME: the colour chooser beside the shared form, answers and drawing.
#include "game/shell/options_window.h"

#include "engine/text/strings.h"
#include "engine/ui/buttons.h"
#include "game/shell/colour_chooser.h"
#include "game/shell/window_parts.h"

namespace GAME {

namespace {
constexpr int kChooserX = -100;  // the first swatch, from the window's centre
constexpr int kLabelGap = 20;
}  // namespace

PUZZLE_OPTIONS_GAME::PUZZLE_OPTIONS_GAME(PUZZLE_PLAYER_PROFILE* settings)
    : SETTINGS_FORM(settings),
      background_(static_cast<uint32_t>(Record().background)),
      chooser_(std::make_unique<COLOUR_CHOOSER>(background_)) {
    Layout();
}

PUZZLE_OPTIONS_GAME::~PUZZLE_OPTIONS_GAME() = default;

void PUZZLE_OPTIONS_GAME::Layout() {
    LayoutForm();
    chooser_->SetPosition(static_cast<int>(pos.x) + kChooserX,
                          static_cast<int>(pos.y + 0.25f * QuadHeight()));
}

int PUZZLE_OPTIONS_GAME::Update(int, float) {
    if (const int swatch = chooser_->Update(); swatch >= 0) {
        background_ = COLOUR_CHOOSER::Colour(swatch);
        return kBackground;
    }
    if (const int answer = UpdateSlidersAndCursor(); answer != kNothing) {
        return answer;
    }
    return UpdateOkCancel();
}

void PUZZLE_OPTIONS_GAME::WriteBack(PUZZLE_PLAYER_PROFILE& record) const {
    SETTINGS_FORM::WriteBack(record);
    record.background = static_cast<int32_t>(background_);
}

int PUZZLE_OPTIONS_GAME::Draw(int) {
    DrawForm(g_texts.options_txt_level_header);
    const WBUTTON& first = chooser_->Swatch(0);
    PrintText(BigFont(), kAlignMiddleRight,
              static_cast<int>(first.pos.x) - COLOUR_CHOOSER::kSwatchSize / 2 - kLabelGap,
              static_cast<int>(first.pos.y), g_texts.options_txt_background);
    chooser_->Draw();
    return 0;
}

}  // namespace GAME
