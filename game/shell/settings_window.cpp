// GAME::PUZZLE_SETTINGS: its own controls, the windows it opens, its answers and drawing.
#include "game/shell/settings_window.h"

#include "engine/frame/game.h"
#include "engine/resources/file_system.h"
#include "engine/resources/registry.h"
#include "engine/text/strings.h"
#include "engine/ui/buttons.h"
#include "game/shell/credits_window.h"
#include "game/shell/resolution_window.h"
#include "game/shell/window_parts.h"

namespace GAME {

namespace {

constexpr int kSnapBoxInset = 115;  // from the window's right edge
constexpr int kSnapBoxY = 46;       // below the window's centre
constexpr int kSnapLabelGap = 30;

}  // namespace

PUZZLE_SETTINGS::PUZZLE_SETTINGS(PUZZLE_PLAYER_PROFILE* settings, const SCREEN_LIMITS& limits)
    : SETTINGS_FORM(settings),
      limits_(limits),
      snap_(Record().pieces_fix),
      snap_box_(std::make_unique<WBUTTONCHK>(g_resources.gui.check_box)),
      resolution_button_(std::make_unique<WBUTTONMAP4>(g_resources.gui.flat)),
      credits_button_(std::make_unique<WBUTTONMAP4>(g_resources.gui.flat)) {
    snap_box_->SetChecked(snap_);
    Layout();
}

PUZZLE_SETTINGS::~PUZZLE_SETTINGS() = default;

void PUZZLE_SETTINGS::Layout() {
    LayoutForm();
    const int cx = static_cast<int>(pos.x);
    const int cy = static_cast<int>(pos.y);
    const int w = static_cast<int>(QuadWidth());
    const int h = static_cast<int>(QuadHeight());
    snap_box_->SetPosition(cx + w / 2 - kSnapBoxInset, cy + kSnapBoxY);
    const int buttons_y = static_cast<int>(cy + 0.25f * h);
    resolution_button_->SetPosition(cx - static_cast<int>(resolution_button_->QuadWidth()) / 8,
                                    buttons_y);
    credits_button_->SetPosition(cx + static_cast<int>(credits_button_->QuadWidth()) / 8,
                                 buttons_y);
    if (resolution_) {
        resolution_->Layout();
    }
    if (credits_) {
        credits_->Layout();
    }
}

int PUZZLE_SETTINGS::UpdateResolutionWindow() {
    const int answer = resolution_->Update(0, 0.0f);
    switch (answer) {
        case PUZZLE_RESOLUTION::kClose:
        case PUZZLE_RESOLUTION::kCancel:
            resolution_.reset();
            return kNothing;
        case PUZZLE_RESOLUTION::kFullScreenChanged:
        case PUZZLE_RESOLUTION::kApply:
            return answer;
        default:
            return kNothing;
    }
}

int PUZZLE_SETTINGS::Update(int flag, float) {
    if (flag == kRelayout) {
        Layout();
    }
    if (credits_) {
        if (credits_->Update(0, 0.0f) == 1) {
            credits_.reset();
        }
        return kNothing;
    }
    if (resolution_) {
        return UpdateResolutionWindow();
    }
    if (const int answer = UpdateSlidersAndCursor(); answer != kNothing) {
        return answer;
    }
    if (snap_box_->Update(0, 0.0f) == 1) {
        snap_ = snap_box_->IsChecked() != 0;
        return kSnap;
    }
    if (resolution_button_->Update(0, 0.0f) == 1) {
        PlayShellSound(kSoundButtonDisabled);
        resolution_ = MakeFromGuiPack<PUZZLE_RESOLUTION>(BigFont(), &Record(), limits_);
        return kNothing;
    }
    if (credits_button_->Update(0, 0.0f) == 1) {
        PlayShellSound(kSoundButtonDisabled);
        credits_ = MakeFromGuiPack<PUZZLE_AUTHORS>();
        return kNothing;
    }
    return UpdateOkCancel();
}

void PUZZLE_SETTINGS::WriteBack(PUZZLE_PLAYER_PROFILE& record) const {
    SETTINGS_FORM::WriteBack(record);
    record.pieces_fix = snap_;
}

int PUZZLE_SETTINGS::Draw(int) {
    if (credits_) {
        DrawScreenOverlay();
        return credits_->Draw(0);
    }
    if (resolution_) {
        return resolution_->Draw(0);
    }
    DrawForm(g_texts.options_txt_game_header);
    PrintText(MainFont(), kAlignMiddleRight, static_cast<int>(snap_box_->pos.x) - kSnapLabelGap,
              static_cast<int>(snap_box_->pos.y), g_texts.options_txt_pieces_fix);
    snap_box_->Draw(0);
    DrawFlatButton(*resolution_button_, g_texts.options_btn_resolution);
    DrawFlatButton(*credits_button_, g_texts.options_btn_credits);
    return 0;
}

void PUZZLE_SETTINGS::DrawFlatButton(WBUTTONMAP4& button, const char* caption) {
    button.Draw(0);
    PrintText(MainFont(), kAlignCentre, static_cast<int>(button.pos.x),
              static_cast<int>(button.pos.y), caption);
}

}  // namespace GAME
