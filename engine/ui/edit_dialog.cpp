// WUN::WDIALOGEDIT: layout, accepting and cancelling a typed name.
#include "engine/ui/edit_dialog.h"

#include "engine/audio/sound.h"
#include "engine/frame/game.h"
#include "engine/frame/input.h"
#include "engine/platform/virtual_keys.h"
#include "engine/resources/config.h"
#include "engine/resources/registry.h"
#include "engine/text/font.h"
#include "engine/text/strings.h"
#include "engine/ui/buttons.h"
#include "engine/ui/shared_items.h"
#include "engine/ui/text_box.h"

namespace WUN {

namespace {
constexpr int kTextBoxWidth = 400;
constexpr int kButtonPressSound = 3;  // button_press of the registry's sound section
constexpr int kBigFont = 0;
constexpr int kMainFont = 1;
}  // namespace

WDIALOGEDIT::WDIALOGEDIT(const char* text_box_image, WFONT* font)
    : WSPRITE(g_resources.gui.window_mini),
      ok_(new WBUTTONMAP4(g_resources.gui.ok_button)),
      cancel_(new WBUTTONMAP4(g_resources.gui.cancel_button)),
      text_box_(new WTEXTBOX(text_box_image, font)) {
    text_box_->SetWidth(kTextBoxWidth);
    Layout();
}

WDIALOGEDIT::~WDIALOGEDIT() {
    delete ok_;
    delete cancel_;
    delete text_box_;
}

void WDIALOGEDIT::SetPosition(int x, int y) {
    WSPRITE::SetPosition(x, y);
    Layout();
}

void WDIALOGEDIT::Layout() {
    const float h = QuadHeight();
    const int buttons_y = static_cast<int>(pos.y + h / 2.0f - 40.0f + 20.0f);
    ok_->SetPosition(static_cast<int>(pos.x - ok_->QuadWidth() / 8.0f), buttons_y);
    cancel_->SetPosition(static_cast<int>(pos.x + cancel_->QuadWidth() / 8.0f), buttons_y);
    text_box_->SetPosition(pos.x - text_box_->GetWidth() / 2.0f,
                           pos.y - text_box_->GetHeight() / 2.0f + 50.0f);
}

int WDIALOGEDIT::Update(int, float) {
    text_box_->Update(0, 0.0f);
    const WINPUT* input = WUN::ST_GAME::GetInstance()->GetInput();
    if (ok_->Update(0, 0.0f) == 1 || input->KeyWentDown(VK_RETURN)) {
        SoundPlay(g_sounds[kButtonPressSound]);
        result_name = text_box_->GetText();
        if (result_name.empty()) {
            return -1;
        }
        text_box_->Clear();
        return 1;
    }
    if (cancel_->Update(0, 0.0f) == 1 || input->KeyWentDown(VK_ESCAPE)) {
        SoundPlay(g_sounds[kButtonPressSound]);
        text_box_->Clear();
        return -1;
    }
    return 0;
}

int WDIALOGEDIT::Draw(int flag) {
    // Centred before the window is drawn, so that not even the first frame shows it elsewhere.
    const WINT_POINT centre = WUN::ST_GAME::GetInstance()->Centre;
    SetPosition(centre.x, centre.y);
    WSPRITE::Draw(flag);
    const float h = QuadHeight();
    const int x = static_cast<int>(pos.x);
    if (WFONT* header = g_fonts[kBigFont]) {
        header->align = 0;
        header->SetColour(static_cast<uint32_t>(g_config.font_main_color));
        header->DrawText(x, static_cast<int>(pos.y - h * 0.33f + 50.0f),
                         g_texts.profiles_dlg_enter_header);
    }
    if (WFONT* prompt = g_fonts[kMainFont]) {
        prompt->align = 0;
        prompt->DrawText(x, static_cast<int>(pos.y - h * 0.12f + 50.0f),
                         g_texts.profiles_dlg_enter);
    }
    ok_->Draw(0);
    cancel_->Draw(0);
    text_box_->Draw(0);
    return 0;
}

}  // namespace WUN
