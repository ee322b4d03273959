// PLAY_PANEL: the button row, its wave, the answers and the tooltips.
#include "game/board/play_panel.h"

#include <array>
#include <cmath>

#include "engine/frame/game.h"
#include "engine/platform/virtual_keys.h"
#include "engine/resources/config.h"
#include "engine/resources/registry.h"
#include "engine/text/strings.h"
#include "engine/ui/buttons.h"
#include "engine/ui/shared_items.h"

namespace {

constexpr int kMainFont = 1;  // g_fonts entry of "font"
constexpr uint32_t kHintShadow = 0x88000000u;
constexpr float kPanelTopV = 0.05f;  // the image's top margin is left out

// The wave: within this many button widths of the pointer a button swells from its resting
// scale, rises and pushes its row neighbours aside.
constexpr float kWaveReach = 0.7f;
constexpr float kWaveSwell = 1.4f;
constexpr float kWaveRise = 45.0f;
constexpr float kWavePush = 20.0f;

struct BUTTON_LOOK {
    const char* texture;
    const char* tooltip;
};

// The row, left to right: fly frame, ghost image, magnifier, border filter, hint, sort,
// settings, exit.
std::array<BUTTON_LOOK, PLAY_PANEL::kButtonCount> RowLooks() {
    const auto& names = g_resources.play_panel;
    return {{
        {names.image, g_texts.game_hnt_image},
        {names.frame, g_texts.game_hnt_ghost},
        {names.magnifer, g_texts.game_hnt_loupe},
        {names.border, g_texts.game_hnt_border},
        {names.hint, g_texts.game_hnt_hint},
        {names.sort, g_texts.game_hnt_sort},
        {names.settings, g_texts.game_hnt_options},
        {names.exit, g_texts.game_hnt_exit},
    }};
}
// The row's offsets from the panel's centre.
constexpr float kRowOffset[PLAY_PANEL::kButtonCount] = {-340.0f, -255.0f, -170.0f, -85.0f,
                                                        0.0f,    85.0f,   212.5f,  306.0f};
// Row index of each answer 1..8 (index 0 unused).
constexpr int kRowOf[PLAY_PANEL::kButtonCount + 1] = {-1, 1, 7, 3, 4, 0, 5, 2, 6};
// The order in which the buttons are swelled and asked, by answer.
constexpr int kUpdateOrder[PLAY_PANEL::kButtonCount] = {
    PLAY_PANEL::kOptions, PLAY_PANEL::kMagnifier,    PLAY_PANEL::kSort, PLAY_PANEL::kFlyFrame,
    PLAY_PANEL::kHint,    PLAY_PANEL::kBorderFilter, PLAY_PANEL::kExit, PLAY_PANEL::kGhostImage};
// Sort and settings stand further apart and do not push each other.
constexpr int kSortRow = 5;

WINPUT& Input() {
    return *WUN::ST_GAME::GetInstance()->GetInput();
}

}  // namespace

PLAY_PANEL::PLAY_PANEL(const char* name) : WSPRITE(name) {
    SetUV(0.0f, kPanelTopV, 1.0f, 1.0f);
    const std::array<BUTTON_LOOK, kButtonCount> looks = RowLooks();
    for (int i = 0; i < kButtonCount; ++i) {
        auto button =
            std::make_unique<BUTTONACT>(looks[i].texture, static_cast<BUTTONACT::Action>(nullptr));
        button->hint_text = looks[i].tooltip != nullptr ? looks[i].tooltip : "";
        button->hint_font = g_fonts[kMainFont];
        button->hint_fill = static_cast<uint32_t>(g_config.button_hint_color_back);
        button->hint_border = static_cast<uint32_t>(g_config.button_hint_color_border);
        button->hint_shadow = kHintShadow;
        buttons_[i] = std::move(button);
    }
}

PLAY_PANEL::~PLAY_PANEL() = default;

BUTTONACT& PLAY_PANEL::ButtonOf(int answer) const {
    return *buttons_[kRowOf[answer]];
}

const BUTTONACT& PLAY_PANEL::Button(int answer) const {
    return ButtonOf(answer);
}

void PLAY_PANEL::SetPressed(int answer) {
    // The fourth frame shows a tool that is on; a button showing it still reports clicks.
    ButtonOf(answer).SetEnabled(false);
}

void PLAY_PANEL::Release(int answer) {
    ButtonOf(answer).SetEnabled(true);
}

void PLAY_PANEL::Wave(int i, int x, int y) {
    BUTTONACT& button = *buttons_[i];
    const float d =
        std::hypot(static_cast<float>(x) - button.pos.x, static_cast<float>(y) - button.pos.y) /
        static_cast<float>(button.GetHitWidth());
    if (d >= kWaveReach) {
        button.SetUniformScale(kWaveReach);
        return;
    }
    const float strength = kWaveReach - d;
    button.SetUniformScale(kWaveSwell - d);
    button.pos.y -= kWaveRise * strength;
    if (i > 0 && i - 1 != kSortRow) {
        buttons_[i - 1]->pos.x -= kWavePush * strength;
    }
    if (i + 1 < kButtonCount && i != kSortRow) {
        buttons_[i + 1]->pos.x += kWavePush * strength;
    }
}

int PLAY_PANEL::Update(int, float) {
    // The row at rest, laid out even while inactive so that it is drawn in place.
    for (int i = 0; i < kButtonCount; ++i) {
        buttons_[i]->pos = {pos.x + kRowOffset[i], pos.y};
        buttons_[i]->SetUniformScale(kWaveReach);
    }
    if (!active_) {
        return kNothing;
    }
    WINPUT& input = Input();
    // A fresh press only: the key that answered a question must not ask again.
    if (input.KeyWentDown(VK_ESCAPE)) {
        return kExit;
    }
    int x = 0;
    int y = 0;
    input.GetPosition(x, y);
    for (int answer : kUpdateOrder) {
        const int i = kRowOf[answer];
        Wave(i, x, y);
        BUTTONACT& button = *buttons_[i];
        if (button.Update(0, 0.0f) == 1) {
            return answer;
        }
        // Whatever the button's look: a press that the board never saw released would leave
        // it a rubber band that blocks the fly frame and the right button.
        if (button.IsHeldDown()) {
            return kButtonHeld;
        }
    }
    return kNothing;
}

int PLAY_PANEL::Draw(int) {
    device->SetFiltering(true);
    WSPRITE::Draw(0);
    for (const auto& button : buttons_) {
        button->Draw(0);
    }
    return 0;
}

void PLAY_PANEL::DrawHints() {
    for (const auto& button : buttons_) {
        button->DrawHint();
    }
}
