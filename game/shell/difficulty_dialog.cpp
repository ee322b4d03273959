// DIFFICULTY_DIALOG: its controls, their layout under the preview, answers and drawing.
#include "game/shell/difficulty_dialog.h"

#include <string>

#include "engine/frame/game.h"
#include "engine/platform/virtual_keys.h"
#include "engine/resources/registry.h"
#include "engine/text/strings.h"
#include "engine/ui/buttons.h"
#include "engine/ui/sliders.h"
#include "engine/ui/sprite.h"
#include "game/shell/text_fill.h"
#include "game/shell/window_parts.h"

namespace GAME {

namespace {

// The panel shows the top third of the window image.
constexpr float kPanelShare = 0.333f;
constexpr int kCaptionGap = 8;

std::unique_ptr<WUN::WSLIDER_E> MakeSlider(int min, int max) {
    const auto& gui = g_resources.gui;
    auto slider = std::make_unique<WUN::WSLIDER_E>(gui.slider, gui.slider_minus, gui.slider_plus);
    slider->SetRange(min, max);
    return slider;
}

}  // namespace

DIFFICULTY_DIALOG::DIFFICULTY_DIALOG()
    : backdrop_(std::make_unique<WSPRITE>(g_resources.gui.window)),
      panel_(std::make_unique<WSPRITE>(g_resources.gui.window)),
      pieces_(MakeSlider(kMinPieces, kMaxPieces)),
      deformation_(MakeSlider(0, 100)),
      rotation_box_(std::make_unique<WBUTTONCHK>(g_resources.change_puzzle_screen)),
      ok_(std::make_unique<WBUTTONMAP4>(g_resources.gui.ok_button)),
      cancel_(std::make_unique<WBUTTONMAP4>(g_resources.gui.cancel_button)),
      rotation_caption_(std::make_unique<WSPRITE>(g_resources.rotation_text)) {
    panel_->SetSize(panel_->GetWidth(), static_cast<int>(panel_->GetHeight() * kPanelShare));
    panel_->SetUV(0.0f, 0.0f, 1.0f, kPanelShare);
    panel_->SetAnchor(WSPRITE::kAnchorCentre);
    backdrop_->SetAnchor(WSPRITE::kAnchorCentre);
    rotation_caption_->SetAnchor(WSPRITE::kAnchorMiddleLeft);
    deformation_->SetValue(kStartDeformation);
    Layout();
}

DIFFICULTY_DIALOG::~DIFFICULTY_DIALOG() = default;

int DIFFICULTY_DIALOG::Pieces() const {
    return pieces_->GetValueInt();
}

int DIFFICULTY_DIALOG::Deformation() const {
    return deformation_->GetValueInt();
}

bool DIFFICULTY_DIALOG::Rotation() const {
    return rotation_box_->IsChecked() != 0;
}

int DIFFICULTY_DIALOG::PanelHeight() const {
    return static_cast<int>(panel_->QuadHeight());
}

void DIFFICULTY_DIALOG::Layout() {
    const WUN::ST_GAME& frame = *WUN::ST_GAME::GetInstance();
    const int w = frame.GetGameWidth();
    const int h = frame.GetGameHeight();
    backdrop_->SetSize(w, h);
    backdrop_->SetAnchor(WSPRITE::kAnchorCentre);
    backdrop_->SetPosition(w / 2, h / 2);

    const float pw = panel_->QuadWidth();
    const float ph = panel_->QuadHeight();
    panel_->SetPosition(w / 2, h - static_cast<int>(ph) / 2);
    const float yc = h - ph * 0.5f + 30.0f;

    // Two rows: the deformation slider beside the rotation box, the pieces slider beside OK and
    // Cancel; each slider's label stands in the room above it.
    const float slider_h = static_cast<float>(pieces_->GetHeight());
    const float upper_row = yc - slider_h;
    const float slider_x = w / 2 - pw * 0.4f;
    for (WUN::WSLIDER_E* slider : {pieces_.get(), deformation_.get()}) {
        slider->SetLength(pw * 0.45f);
    }
    deformation_->SetTrackPosition(slider_x, upper_row);
    pieces_->SetTrackPosition(slider_x, yc + 1.4f * slider_h);

    const int box_x = static_cast<int>(w / 2 + pw / 8 + 30);
    rotation_box_->SetPosition(box_x, static_cast<int>(upper_row));
    rotation_caption_->SetPosition(box_x + rotation_box_->GetHeight() / 2 + kCaptionGap,
                                   static_cast<int>(upper_row));

    // OK and Cancel side by side, meeting a quarter panel right of the centre.
    const int pair_x = static_cast<int>(w / 2 + pw / 4 + 50);
    const int buttons_y = static_cast<int>(yc + 30);
    ok_->SetPosition(pair_x - ok_->GetFrameWidth() / 2, buttons_y);
    cancel_->SetPosition(pair_x + cancel_->GetFrameWidth() / 2, buttons_y);
}

int DIFFICULTY_DIALOG::Update() {
    backdrop_->Update(0, 0.0f);
    panel_->Update(0, 0.0f);
    if (ok_->Update(0, 0.0f) == 1 || KeyPressed(VK_RETURN)) {
        return kAccept;
    }
    if (cancel_->Update(0, 0.0f) == 1 || KeyPressed(VK_ESCAPE)) {
        PlayShellSound(kSoundButtonPress);
        return kCancel;
    }
    // Every control sees this frame's input, whichever of them changed first.
    const bool pieces = pieces_->Update(0, 0.0f) == 1;
    const bool deformation = deformation_->Update(0, 0.0f) == 1;
    const bool rotation = rotation_box_->Update(0, 0.0f) == 1;
    return pieces || deformation || rotation ? kChanged : kNothing;
}

void DIFFICULTY_DIALOG::Draw(int deformation_percent, int piece_count) {
    panel_->Draw(0);
    rotation_caption_->Draw(0);
    const std::string rotation =
        std::string(g_texts.difficulty_txt_rotation) + ": " +
        (Rotation() ? g_texts.difficulty_txt_ok : g_texts.difficulty_txt_cancel);
    const WSPRITE& caption = *rotation_caption_;
    PrintText(MainFont(), kAlignMiddleLeft,
              static_cast<int>(caption.pos.x + caption.QuadWidth()) + kCaptionGap,
              static_cast<int>(caption.pos.y), rotation.c_str());
    ok_->Draw(0);
    cancel_->Draw(0);
    const struct {
        WUN::WSLIDER_E* slider;
        const char* format;
        int value;
    } sliders[] = {{pieces_.get(), g_texts.difficulty_txt_pieces, piece_count},
                   {deformation_.get(), g_texts.difficulty_txt_deformation, deformation_percent}};
    for (const auto& s : sliders) {
        s.slider->Draw(0);
        const std::string label = FillText(s.format, "id", std::to_string(s.value));
        PrintText(MainFont(), kAlignMiddleLeft, static_cast<int>(s.slider->GetTrackX() + 20),
                  static_cast<int>(s.slider->GetTrackY() - 1.5f * s.slider->GetHeight()),
                  label.c_str());
    }
    rotation_box_->Draw(0);
}

}  // namespace GAME
