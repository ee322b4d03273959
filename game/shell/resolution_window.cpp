// GAME::PUZZLE_RESOLUTION: the offered choices, the record's changes, the confirmation and drawing.
#include "game/shell/resolution_window.h"

#include <iterator>

#include "engine/frame/game.h"
#include "engine/platform/virtual_keys.h"
#include "engine/resources/registry.h"
#include "engine/text/strings.h"
#include "engine/ui/buttons.h"
#include "game/shell/resolution_confirm.h"
#include "game/shell/window_parts.h"

namespace GAME {

namespace {

constexpr int kSystemMode = 0;
constexpr int kChoiceX = 100;  // from the window's centre
constexpr int kFullScreenX = -250;
constexpr int kBottomRowY = 90;
constexpr int kCaptionGap = 10;

// In the order of kScreenModeSizes.
struct SIZE_CHOICE {
    const char* TEXTS::*caption;
    int y_offset;
};
constexpr SIZE_CHOICE kSizeChoices[] = {
    {&TEXTS::resolution_txt_xga, 20},
    {&TEXTS::resolution_txt_wxga, -50},
    {&TEXTS::resolution_txt_fullhd, -120},
};
static_assert(std::size(kSizeChoices) == std::size(kScreenModeSizes));

std::unique_ptr<WBUTTONCHK> MakeBox() {
    return std::make_unique<WBUTTONCHK>(g_resources.gui.check_box);
}

}  // namespace

PUZZLE_RESOLUTION::PUZZLE_RESOLUTION(WFONT* font, PUZZLE_PLAYER_PROFILE* settings,
                                     const SCREEN_LIMITS& limits)
    : WSPRITE(g_resources.gui.window),
      font_(font),
      settings_(settings != nullptr ? settings : &detached_),
      saved_mode_(settings_->screen_mode),
      saved_full_screen_(settings_->full_screen),
      picture_(std::make_unique<WSPRITE>(g_resources.window_change_resolution)),
      full_screen_(MakeBox()),
      ok_(std::make_unique<WBUTTONMAP4>(g_resources.gui.ok_button)),
      cancel_(std::make_unique<WBUTTONMAP4>(g_resources.gui.cancel_button)) {
    for (size_t i = 0; i < std::size(kScreenModeSizes); ++i) {
        const SCREEN_MODE_SIZE& size = kScreenModeSizes[i];
        if (limits.FitsFullScreen(size.width, size.height)) {
            choices_.push_back({size.screen_mode, kSizeChoices[i].y_offset,
                                limits.ShowsOnlyFullScreen(size.screen_mode),
                                g_texts.*kSizeChoices[i].caption, MakeBox()});
        }
    }
    const std::string system = std::string(g_texts.resolution_txt_system) + "\n(" +
                               std::to_string(limits.desktop_width) + "x" +
                               std::to_string(limits.desktop_height) + ")";
    choices_.push_back({kSystemMode, kBottomRowY, true, system, MakeBox()});
    TickFromRecord();
    Layout();
}

PUZZLE_RESOLUTION::~PUZZLE_RESOLUTION() = default;

WBUTTONCHK* PUZZLE_RESOLUTION::Choice(int screen_mode) const {
    for (const CHOICE& choice : choices_) {
        if (choice.screen_mode == screen_mode) {
            return choice.box.get();
        }
    }
    return nullptr;
}

void PUZZLE_RESOLUTION::Layout() {
    const WINT_POINT centre = WUN::ST_GAME::GetInstance()->Centre;
    const int cx = centre.x;
    const int cy = centre.y;
    SetPosition(cx, cy);
    picture_->SetPosition(cx - 140, cy - 70);
    full_screen_->SetPosition(cx + kFullScreenX, cy + kBottomRowY);
    for (CHOICE& choice : choices_) {
        choice.box->SetPosition(cx + kChoiceX, cy + choice.y_offset);
    }
    PlaceOkCancel(*ok_, *cancel_, cx, cy + static_cast<int>(QuadHeight()) / 2);
    if (confirmation_) {
        confirmation_->Layout();
    }
}

void PUZZLE_RESOLUTION::TickFromRecord() {
    WBUTTONCHK* ticked = Choice(settings_->screen_mode);
    if (ticked == nullptr) {
        ticked = Choice(kSystemMode);
    }
    for (CHOICE& choice : choices_) {
        choice.box->SetChecked(choice.box.get() == ticked);
    }
    full_screen_->SetChecked(settings_->full_screen);
}

bool PUZZLE_RESOLUTION::FullScreenLocked() const {
    for (const CHOICE& choice : choices_) {
        if (choice.box->IsChecked() != 0) {
            return choice.full_screen_only;
        }
    }
    return false;
}

void PUZZLE_RESOLUTION::Choose(const CHOICE& chosen) {
    for (CHOICE& choice : choices_) {
        choice.box->SetChecked(&choice == &chosen);
    }
    settings_->screen_mode = chosen.screen_mode;
    if (chosen.full_screen_only) {
        full_screen_->SetChecked(true);
        settings_->full_screen = true;
    }
}

void PUZZLE_RESOLUTION::RestoreSaved() {
    settings_->screen_mode = saved_mode_;
    settings_->full_screen = saved_full_screen_;
}

int PUZZLE_RESOLUTION::UpdateConfirmation() {
    switch (confirmation_->Update(0, 0.0f)) {
        case APPLY_RESOLUTION::kRollBack:
            RestoreSaved();
            confirmation_.reset();
            TickFromRecord();
            return kApply;
        case APPLY_RESOLUTION::kKeep:
            confirmation_.reset();
            return kCancel;
        default:
            return kNothing;
    }
}

int PUZZLE_RESOLUTION::Update(int, float) {
    if (confirmation_) {
        return UpdateConfirmation();
    }
    for (const CHOICE& choice : choices_) {
        if (choice.box->Update(0, 0.0f) == 1) {
            Choose(choice);
            break;
        }
    }
    if (full_screen_->Update(0, 0.0f) == 1) {
        if (FullScreenLocked()) {
            full_screen_->SetChecked(true);
        } else {
            settings_->full_screen = full_screen_->IsChecked() != 0;
            return kFullScreenChanged;
        }
    }
    if (ok_->Update(0, 0.0f) == 1 || KeyPressed(VK_RETURN)) {
        PlayShellSound(kSoundButtonPress);
        if (settings_->screen_mode == saved_mode_ && settings_->full_screen == saved_full_screen_) {
            return kClose;
        }
        confirmation_ = MakeFromGuiPack<APPLY_RESOLUTION>();
        return kApply;
    }
    if (cancel_->Update(0, 0.0f) == 1 || KeyPressed(VK_ESCAPE)) {
        PlayShellSound(kSoundButtonPress);
        RestoreSaved();
        return kCancel;
    }
    return kNothing;
}

int PUZZLE_RESOLUTION::Draw(int) {
    DrawScreenOverlay();
    WSPRITE::Draw(0);
    picture_->Draw(0);
    PrintText(font_, kAlignCentre, static_cast<int>(pos.x),
              static_cast<int>(pos.y - 0.4f * QuadHeight()), g_texts.resolution_txt_header);
    const int caption_offset = full_screen_->GetWidth() / 4 + kCaptionGap;
    for (const CHOICE& choice : choices_) {
        choice.box->Draw(0);
        PrintText(MainFont(), kAlignMiddleLeft,
                  static_cast<int>(choice.box->pos.x) + caption_offset,
                  static_cast<int>(choice.box->pos.y), choice.caption.c_str());
    }
    full_screen_->Draw(0);
    PrintText(MainFont(), kAlignMiddleLeft, static_cast<int>(full_screen_->pos.x) + caption_offset,
              static_cast<int>(full_screen_->pos.y), g_texts.resolution_txt_fullscreen);
    ok_->Draw(0);
    cancel_->Draw(0);
    if (confirmation_) {
        confirmation_->Draw(0);
    }
    return 0;
}

}  // namespace GAME
