// SETTINGS_FORM: the shared controls, their copies, layout and drawing.
#include "game/shell/settings_form.h"

#include <cmath>

#include "engine/frame/game.h"
#include "engine/platform/virtual_keys.h"
#include "engine/resources/registry.h"
#include "engine/text/strings.h"
#include "engine/ui/buttons.h"
#include "engine/ui/sliders.h"
#include "game/shell/window_parts.h"

namespace GAME {

namespace {

constexpr float kSliderShare = 0.35f;  // of the window's width
constexpr float kLabelX = -0.4f;       // of the window's width, from its centre
constexpr int kControlsX = -50;        // from the window's centre
constexpr int kCursorBoxY = 46;

// A volume of 0..1 on a 0..100 slider, rounded to the nearest step so that 0.29 shows as 29.
std::unique_ptr<WUN::WSLIDER_E> MakeVolumeSlider(float volume) {
    const auto& gui = g_resources.gui;
    auto slider = std::make_unique<WUN::WSLIDER_E>(gui.slider, gui.slider_minus, gui.slider_plus);
    slider->SetRange(0, 100);
    slider->SetValue(static_cast<int>(std::lround(volume * 100.0f)));
    return slider;
}

}  // namespace

SETTINGS_FORM::SETTINGS_FORM(PUZZLE_PLAYER_PROFILE* settings)
    : WSPRITE(g_resources.gui.window),
      settings_(settings != nullptr ? settings : &detached_),
      music_(settings_->music_volume),
      sound_(settings_->sound_volume),
      cursor_(settings_->game_cursor),
      music_slider_(MakeVolumeSlider(music_)),
      sound_slider_(MakeVolumeSlider(sound_)),
      cursor_box_(std::make_unique<WBUTTONCHK>(g_resources.gui.check_box)),
      ok_(std::make_unique<WBUTTONMAP4>(g_resources.gui.ok_button)),
      cancel_(std::make_unique<WBUTTONMAP4>(g_resources.gui.cancel_button)),
      gear_(std::make_unique<WSPRITE>(g_resources.window_settings.gear)),
      piano_(std::make_unique<WSPRITE>(g_resources.window_settings.fortepiano)),
      violin_(std::make_unique<WSPRITE>(g_resources.window_settings.violin)) {
    cursor_box_->SetChecked(cursor_);
}

SETTINGS_FORM::~SETTINGS_FORM() = default;

int SETTINGS_FORM::UpdateSlidersAndCursor() {
    if (music_slider_->Update(0, 0.0f) == 1) {
        music_ = music_slider_->GetValue() / 100.0f;
        return kMusic;
    }
    if (sound_slider_->Update(0, 0.0f) == 1) {
        sound_ = sound_slider_->GetValue() / 100.0f;
        PlayShellSound(kSoundPuzzleSelection);
        return kSound;
    }
    if (cursor_box_->Update(0, 0.0f) == 1) {
        cursor_ = cursor_box_->IsChecked() != 0;
        return kCursor;
    }
    return kNothing;
}

int SETTINGS_FORM::UpdateOkCancel() {
    if (ok_->Update(0, 0.0f) == 1 || KeyPressed(VK_RETURN)) {
        WriteBack(*settings_);
        return kOk;
    }
    if (cancel_->Update(0, 0.0f) == 1 || KeyPressed(VK_ESCAPE)) {
        return kCancel;
    }
    return kNothing;
}

void SETTINGS_FORM::WriteBack(PUZZLE_PLAYER_PROFILE& record) const {
    record.game_cursor = cursor_;
    record.music_volume = music_;
    record.sound_volume = sound_;
}

void SETTINGS_FORM::LayoutForm() {
    const WINT_POINT centre = WUN::ST_GAME::GetInstance()->Centre;
    const int cx = centre.x;
    const int cy = centre.y;
    const float w = QuadWidth();
    const float h = QuadHeight();
    SetPosition(cx, cy);
    for (WUN::WSLIDER_E* slider : {music_slider_.get(), sound_slider_.get()}) {
        slider->SetLength(kSliderShare * w);
    }
    music_slider_->SetTrackPosition(cx + kControlsX, cy - 0.2f * h);
    sound_slider_->SetTrackPosition(cx + kControlsX, cy - 0.05f * h);
    cursor_box_->SetPosition(cx + kControlsX, cy + kCursorBoxY);
    PlaceOkCancel(*ok_, *cancel_, cx, cy + static_cast<int>(h) / 2);
    gear_->SetPosition(static_cast<int>(cx - 0.36f * w), static_cast<int>(cy - 0.34f * h));
    piano_->SetPosition(static_cast<int>(cx + 0.33f * w), static_cast<int>(cy - 0.34f * h));
    violin_->SetPosition(static_cast<int>(cx + 0.4f * w), static_cast<int>(cy - 0.1f * h));
}

void SETTINGS_FORM::DrawForm(const char* header) {
    DrawScreenOverlay();
    WSPRITE::Draw(0);
    gear_->Draw(0);
    piano_->Draw(0);
    violin_->Draw(0);
    const int cx = static_cast<int>(pos.x);
    const int label_x = static_cast<int>(cx + kLabelX * QuadWidth());
    PrintText(BigFont(), kAlignCentre, cx, static_cast<int>(pos.y - 0.4f * QuadHeight()), header);
    PrintText(BigFont(), kAlignMiddleLeft, label_x, static_cast<int>(music_slider_->GetTrackY()),
              g_texts.options_txt_music);
    PrintText(BigFont(), kAlignMiddleLeft, label_x, static_cast<int>(sound_slider_->GetTrackY()),
              g_texts.options_txt_sound);
    PrintText(BigFont(), kAlignMiddleLeft, label_x, static_cast<int>(cursor_box_->pos.y),
              g_texts.options_txt_cursor);
    music_slider_->Draw(0);
    sound_slider_->Draw(0);
    cursor_box_->Draw(0);
    ok_->Draw(0);
    cancel_->Draw(0);
}

}  // namespace GAME
