// MENU_SCREEN: loading, placing and drawing the menu's desk, furniture and buttons.
#include "game/shell/menu_screen.h"

#include <cmath>

#include "engine/frame/game.h"
#include "engine/resources/config.h"
#include "engine/resources/registry.h"
#include "engine/text/font.h"
#include "engine/text/strings.h"
#include "engine/ui/shared_items.h"

namespace GAME {

namespace {

constexpr int kMainFont = 1;
constexpr int kButtonOverSound = 1;
constexpr float kHalfTurn = 3.14159265f;

using WUN::Frame;

std::unique_ptr<BUTTONACT> MakeButton(const char* name, const char* hint,
                                      BUTTONACT::ActionWithArgument action, void* owner) {
    auto button = action != nullptr ? std::make_unique<BUTTONACT>(name, action, owner)
                                    : std::make_unique<BUTTONACT>(name, BUTTONACT::Action{});
    button->hint_text = hint != nullptr ? hint : "";
    button->hint_font = g_fonts[kMainFont];
    button->hint_fill = static_cast<uint32_t>(g_config.button_hint_color_back);
    button->hint_border = static_cast<uint32_t>(g_config.button_hint_color_border);
    button->SetHoverSound(g_sounds[kButtonOverSound]);
    return button;
}

// The pencils and the flash drive keep their size unless they would take more than half the
// screen's height; then both shrink alike, in whole percents.
float CornerScale(const WSPRITE& sprite, int height) {
    const int half = height / 2;
    if (sprite.GetHeight() <= half) {
        return 1.0f;
    }
    return std::trunc(100.0f * static_cast<float>(half) / static_cast<float>(sprite.GetHeight())) /
           100.0f;
}

}  // namespace

MENU_SCREEN::MENU_SCREEN(const ACTIONS& actions) {
    const auto& m = g_resources.main_screen;
    change_player_ = std::make_unique<WSPRITE>(g_resources.change_player);
    player_panel_ = std::make_unique<WBUTTON>(m.up_panel);
    menu_panel_ = std::make_unique<WSPRITE>(m.menu_panel);
    menu_panel_->InsetUV();
    const struct {
        MENU_BUTTON which;
        const char* name;
        const char* hint;
        BUTTONACT::ActionWithArgument action;
    } buttons[] = {
        {kButtonTrophy, m.button_trophy, g_texts.menu_hnt_achievements, nullptr},
        {kButtonTop, m.button_top, g_texts.menu_hnt_leaderboard, nullptr},
        {kButtonScore, m.button_compleat, g_texts.menu_hnt_score, nullptr},
        {kButtonPlay, m.button_play, g_texts.menu_hnt_play, actions.play},
        {kButtonCut, m.button_cut, g_texts.menu_hnt_change, actions.cut},
        {kButtonSettings, m.button_settings, g_texts.menu_hnt_options, nullptr},
        {kButtonExit, m.button_exit, g_texts.menu_hnt_exit, actions.exit},
    };
    for (const auto& b : buttons) {
        buttons_[b.which] = MakeButton(b.name, b.hint, b.action, actions.owner);
    }
    floor_ = std::make_unique<WSPRITE>(m.linoleum);
    border_ = std::make_unique<WSPRITE>(m.border);
    pencils_ = std::make_unique<WSPRITE>(m.pencils);
    pencils_->SetAnchor(WSPRITE::kAnchorBottomLeft);
    flash_drive_ = std::make_unique<WSPRITE>(m.USB_flash_drive);
    flash_drive_->SetAnchor(WSPRITE::kAnchorBottomRight);
}

MENU_SCREEN::~MENU_SCREEN() = default;

int MENU_SCREEN::PanelHeight() const {
    return static_cast<int>(menu_panel_->QuadHeight());
}

void MENU_SCREEN::Layout(int width, int height) {
    width_ = width;
    height_ = height;
    const WINT_POINT centre = Frame().Centre;

    floor_->SetSize(width, height);
    floor_->SetAnchor(WSPRITE::kAnchorCentre);
    floor_->FitUVToImage();
    floor_->SetPosition(centre.x, centre.y);

    // The strip is drawn centred on each screen edge, as long as the screen is wide.
    border_->SetSize(border_->GetWidth(), width);
    border_->SetAnchor(WSPRITE::kAnchorCentre);

    const int up_height = static_cast<int>(player_panel_->QuadHeight());
    player_panel_->SetPosition(width / 2, up_height / 2);
    change_player_->SetPosition(width / 2 + 360, up_height / 2 + 50);
    const int panel_height = PanelHeight();
    menu_panel_->SetPosition(width / 2, height - panel_height / 2);

    const int unit = static_cast<int>(0.8f * buttons_[kButtonPlay]->GetFrameWidth());
    const float offsets[kMenuButtonCount] = {-3.2f, -2.2f, -1.2f, 0.0f, 1.2f, 2.2f, 3.2f};
    const int y = height - panel_height / 2;
    for (int i = 0; i < kMenuButtonCount; ++i) {
        buttons_[i]->SetPosition(static_cast<int>(width / 2 + offsets[i] * unit), y);
    }

    const float scale = CornerScale(*pencils_, height);
    pencils_->SetScale(scale, scale);
    pencils_->SetPosition(0, height);
    flash_drive_->SetScale(scale, scale);
    flash_drive_->SetPosition(width, height);
}

bool MENU_SCREEN::PlayerPanelClicked() {
    return player_panel_->Update(0, 0.0f) == WBUTTON::kLeft;
}

int MENU_SCREEN::UpdateButtons() {
    int clicked = -1;
    for (int i = 0; i < kMenuButtonCount; ++i) {
        if (i == kButtonTrophy && !g_config.trofei_enable) {
            continue;
        }
        const bool click = buttons_[i]->Update(0, 0.0f) == 1;
        const bool own_action = i == kButtonPlay || i == kButtonCut || i == kButtonExit;
        if (click && !own_action && buttons_[i]->IsEnabled() && clicked < 0) {
            clicked = i;
        }
    }
    return clicked;
}

void MENU_SCREEN::DrawFloor() {
    floor_->Draw(0);
}

void MENU_SCREEN::DrawBorder() {
    border_->DrawRotated(0.0f, static_cast<float>(height_ / 2), 0.0f);
    border_->DrawRotated(static_cast<float>(width_), static_cast<float>(height_ / 2), 0.0f);
    border_->DrawRotated(static_cast<float>(width_ / 2), 0.0f, -kHalfTurn / 2);
    border_->DrawRotated(static_cast<float>(width_ / 2), static_cast<float>(height_),
                         -kHalfTurn / 2);
}

void MENU_SCREEN::DrawFurniture() {
    WRENDER& render = *Frame().GetRender();
    render.SetFiltering(true);
    pencils_->Draw(0);
    flash_drive_->Draw(0);
    render.SetFiltering(false);
    DrawBorder();
    menu_panel_->Draw(0);
    player_panel_->Draw(0);
    change_player_->Draw(0);
}

int MENU_SCREEN::GreetingY() const {
    const int up_height = static_cast<int>(player_panel_->QuadHeight());
    return static_cast<int>(static_cast<int>(up_height * 0.4f + 5) * 0.6f);
}

void MENU_SCREEN::DrawButtons() {
    for (int i = 0; i < kMenuButtonCount; ++i) {
        if (i != kButtonTrophy || g_config.trofei_enable) {
            buttons_[i]->Draw(0);
        }
    }
    for (int i = 0; i < kMenuButtonCount; ++i) {
        if (i != kButtonTrophy || g_config.trofei_enable) {
            buttons_[i]->DrawHint();
        }
    }
}

}  // namespace GAME
