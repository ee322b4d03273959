// The save and quit questions: layout, answers and drawing.
#include "game/board/questions.h"

#include "engine/audio/sound.h"
#include "engine/frame/game.h"
#include "engine/platform/virtual_keys.h"
#include "engine/resources/config.h"
#include "engine/resources/registry.h"
#include "engine/text/font.h"
#include "engine/text/strings.h"
#include "engine/ui/buttons.h"
#include "engine/ui/shared_items.h"

namespace GAME {

namespace {

constexpr int kButtonPressSound = 3;  // "button_press"
constexpr int kBigFont = 0;
constexpr int kTextAlignMiddleLeft = 7;

}  // namespace

QUESTION_WINDOW::QUESTION_WINDOW(const char* icon_name, const char* text)
    : WSPRITE(g_resources.gui.window_mini),
      icon_(new WSPRITE(icon_name)),
      ok_(new WBUTTONMAP4(g_resources.gui.ok_button)),
      cancel_(new WBUTTONMAP4(g_resources.gui.cancel_button)),
      text_(text) {
    Layout();
}

QUESTION_WINDOW::~QUESTION_WINDOW() {
    delete icon_;
    delete ok_;
    delete cancel_;
}

void QUESTION_WINDOW::Layout() {
    const WINT_POINT centre = WUN::ST_GAME::GetInstance()->Centre;
    const int w = static_cast<int>(QuadWidth());
    const int h = static_cast<int>(QuadHeight());
    SetPosition(centre.x, centre.y);
    icon_->SetPosition(centre.x - w / 4, centre.y);
    // A button's width is its image's, all four frames: an eighth of it either side of the
    // centre puts the two buttons side by side.
    ok_->SetPosition(centre.x - static_cast<int>(ok_->QuadWidth()) / 8,
                     centre.y + h / 2 - static_cast<int>(ok_->QuadHeight()) / 4);
    cancel_->SetPosition(centre.x + static_cast<int>(cancel_->QuadWidth()) / 8,
                         centre.y + h / 2 - static_cast<int>(cancel_->QuadHeight()) / 4);
}

int QUESTION_WINDOW::Update(int, float) {
    const bool ok = ok_->Update(0, 0.0f) == 1;
    const bool cancel = cancel_->Update(0, 0.0f) == 1;
    // Only a fresh press answers: the key that opened the question may still be held.
    const WINPUT& input = *WUN::ST_GAME::GetInstance()->GetInput();
    if (ok || input.KeyWentDown(VK_RETURN)) {
        SoundPlay(g_sounds[kButtonPressSound]);
        return 1;
    }
    if (cancel || input.KeyWentDown(VK_ESCAPE)) {
        SoundPlay(g_sounds[kButtonPressSound]);
        return -1;
    }
    return 0;
}

int QUESTION_WINDOW::Draw(int) {
    if (WSPRITE* overlay = g_shared_sprites.black_overlay) {
        overlay->Draw(0);
    }
    WSPRITE::Draw(0);
    icon_->Draw(0);
    if (WFONT* font = g_fonts[kBigFont]) {
        font->SetColour(static_cast<uint32_t>(g_config.font_main_color));
        font->align = kTextAlignMiddleLeft;
        font->DrawText(static_cast<int>(icon_->pos.x) + icon_->GetWidth() / 2,
                       static_cast<int>(pos.y), text_);
    }
    ok_->Draw(0);
    cancel_->Draw(0);
    return 0;
}

PUZZLE_SAVE_QUEST::PUZZLE_SAVE_QUEST()
    : QUESTION_WINDOW(g_resources.save_question, g_texts.game_dlg_save) {}

PUZZLE_QUIT_QUEST::PUZZLE_QUIT_QUEST()
    : QUESTION_WINDOW(g_resources.exit_question, g_texts.menu_dlg_exit_confirm) {}

}  // namespace GAME
