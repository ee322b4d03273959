// GAME::PAZZLE_PROFILE_MANAGER: layout, the list's buttons, the name-entry dialog and drawing.
#include "game/shell/player_window.h"

#include <utility>

#include "engine/audio/sound.h"
#include "engine/frame/game.h"
#include "engine/resources/config.h"
#include "engine/resources/registry.h"
#include "engine/text/font.h"
#include "engine/text/strings.h"
#include "engine/ui/buttons.h"
#include "engine/ui/edit_dialog.h"
#include "engine/ui/list_box.h"
#include "engine/ui/shared_items.h"
#include "engine/ui/sprite.h"
#include "engine/ui/text_box.h"
#include "game/shell/player_name.h"

namespace GAME {

namespace {
constexpr int kButtonPressSound = 3;  // button_press of the registry's sound section
constexpr int kMainFont = 1;

void PlayButtonPress() {
    SoundPlay(g_sounds[kButtonPressSound]);
}
}  // namespace

PAZZLE_PROFILE_MANAGER::PAZZLE_PROFILE_MANAGER(WFONT* font, std::string root)
    : root_(std::move(root)),
      font_(font),
      window_(std::make_unique<WSPRITE>(g_resources.gui.window)),
      ok_(std::make_unique<WBUTTONMAP4>(g_resources.gui.ok_button)),
      cancel_(std::make_unique<WBUTTONMAP4>(g_resources.gui.cancel_button)),
      add_(std::make_unique<WBUTTONMAP4>(g_resources.gui.flat)),
      delete_(std::make_unique<WBUTTONMAP4>(g_resources.gui.flat)),
      list_(std::make_unique<WLISTBOX>()),
      back_(std::make_unique<WSPRITE>(g_resources.window_change_player.back)),
      dialog_(std::make_unique<WUN::WDIALOGEDIT>(g_resources.window_change_player.edit_box, font)) {
    Layout();
}

PAZZLE_PROFILE_MANAGER::~PAZZLE_PROFILE_MANAGER() = default;

void PAZZLE_PROFILE_MANAGER::Layout() {
    const WINT_POINT centre = WUN::ST_GAME::GetInstance()->Centre;
    const float cx = static_cast<float>(centre.x);
    const float cy = static_cast<float>(centre.y);
    window_->SetPosition(centre.x, centre.y);
    const float w = window_->QuadWidth();
    const float h = window_->QuadHeight();
    const int buttons_y = static_cast<int>(cy + h / 2.0f - 0.25f * ok_->QuadHeight());
    ok_->SetPosition(static_cast<int>(cx - ok_->QuadWidth() / 8.0f), buttons_y);
    cancel_->SetPosition(static_cast<int>(cx + cancel_->QuadWidth() / 8.0f), buttons_y);
    add_->SetPosition(static_cast<int>(cx + 0.28f * w), static_cast<int>(cy - 0.2f * h));
    delete_->SetPosition(static_cast<int>(cx + 0.28f * w), static_cast<int>(cy - 0.07f * h));
    back_->SetPosition(centre.x, static_cast<int>(cy - 0.35f * h));
    // The list follows the window image's own size, not the quad's; its height and its offset
    // from the top both come from the image width.
    const float tw = static_cast<float>(window_->GetWidth());
    const float th = static_cast<float>(window_->GetHeight());
    list_->SetPosition(cx - tw / 2.0f + 0.05f * tw, cy - th / 2.0f + 0.2f * tw);
    list_->SetSize(0.5f * tw, 0.5f * tw);
}

int PAZZLE_PROFILE_MANAGER::Update(int, float) {
    return list_active_ ? UpdateList() : UpdateDialog();
}

int PAZZLE_PROFILE_MANAGER::UpdateList() {
    list_->Update(0, 0.0f);
    if (ok_->Update(0, 0.0f) == 1) {
        PlayButtonPress();
        return kOk;
    }
    if (cancel_->Update(0, 0.0f) == 1) {
        PlayButtonPress();
        return kCancel;
    }
    if (add_->Update(0, 0.0f) == 1) {
        PlayButtonPress();
        list_active_ = false;
        dialog_->GetTextBox()->SetFocused(true);
        return kNothing;
    }
    if (delete_->Update(0, 0.0f) == 1) {
        PlayButtonPress();
        return kDelete;
    }
    return kNothing;
}

int PAZZLE_PROFILE_MANAGER::UpdateDialog() {
    const int answer = dialog_->Update(0, 0.0f);
    if (answer < 0) {
        list_active_ = true;
        return kNothing;
    }
    if (answer != 1) {
        return kNothing;
    }
    const std::string& name = dialog_->result_name;
    if (HasName(name) || !IsUsablePlayerName(root_, name)) {
        // Refused without a word: the dialog stays open with the name, ready to be changed.
        dialog_->GetTextBox()->SetText(name);
        return kNothing;
    }
    AddName(name);
    added_name_ = name;
    list_active_ = true;
    return kAdded;
}

int PAZZLE_PROFILE_MANAGER::Draw(int) {
    if (WSPRITE* overlay = g_shared_sprites.black_overlay) {
        overlay->Draw(0);
    }
    window_->Draw(0);
    back_->Draw(0);
    if (font_ != nullptr) {
        font_->align = 0;
        font_->SetColour(static_cast<uint32_t>(g_config.font_main_color));
        font_->DrawText(static_cast<int>(window_->pos.x),
                        static_cast<int>(window_->pos.y - 0.4f * window_->QuadHeight() + 35.0f),
                        g_texts.profiles_txt_header);
    }
    list_->Draw(0);
    ok_->Draw(0);
    cancel_->Draw(0);
    add_->Draw(0);
    DrawCaption(*add_, g_texts.profiles_btn_player_add);
    delete_->Draw(0);
    DrawCaption(*delete_, g_texts.profiles_btn_player_delete);
    if (!list_active_) {
        dialog_->Draw(0);
    }
    return 0;
}

void PAZZLE_PROFILE_MANAGER::DrawCaption(const WBUTTONMAP4& button, const char* caption) {
    WFONT* font = g_fonts[kMainFont];
    if (font == nullptr) {
        return;
    }
    font->align = 0;
    font->SetColour(static_cast<uint32_t>(g_config.font_main_color));
    font->DrawText(static_cast<int>(button.pos.x), static_cast<int>(button.pos.y), caption);
}

void PAZZLE_PROFILE_MANAGER::AddName(const std::string& name) {
    if (!HasName(name)) {
        list_->AddItem(font_, name);
    }
}

bool PAZZLE_PROFILE_MANAGER::HasName(const std::string& name) const {
    for (int i = 0; i < list_->GetCount(); ++i) {
        if (list_->GetItemText(i) == name) {
            return true;
        }
    }
    return false;
}

void PAZZLE_PROFILE_MANAGER::RemoveSelectedName() {
    list_->RemoveSelected();
}

std::string PAZZLE_PROFILE_MANAGER::SelectedName() const {
    return list_->GetSelectedText();
}

int PAZZLE_PROFILE_MANAGER::NameCount() const {
    return list_->GetCount();
}

}  // namespace GAME
