// APPLY_RESOLUTION: the countdown, its answers and drawing.
#include "game/shell/resolution_confirm.h"

#include <string>

#include "engine/frame/game.h"
#include "engine/resources/config.h"
#include "engine/resources/registry.h"
#include "engine/text/font.h"
#include "engine/text/strings.h"
#include "engine/ui/buttons.h"
#include "game/shell/window_parts.h"

namespace GAME {

namespace {
using WUN::Frame;
}  // namespace

APPLY_RESOLUTION::APPLY_RESOLUTION()
    : WSPRITE(g_resources.gui.window_mini),
      ok_(std::make_unique<WBUTTONMAP4>(g_resources.gui.ok_button)),
      cancel_(std::make_unique<WBUTTONMAP4>(g_resources.gui.cancel_button)),
      countdown_(g_config.time_for_reset_video_mode) {
    Frame().SetPauseWhenInactive(false);
    Layout();
}

APPLY_RESOLUTION::~APPLY_RESOLUTION() {
    Frame().SetPauseWhenInactive(true);
}

void APPLY_RESOLUTION::Layout() {
    const WINT_POINT centre = Frame().Centre;
    SetPosition(centre.x, centre.y);
    PlaceOkCancel(*ok_, *cancel_, centre.x, centre.y + static_cast<int>(QuadHeight()) / 2);
}

int APPLY_RESOLUTION::Update(int, float) {
    countdown_ -= Frame().GetFrameTime();
    if (countdown_ <= 0.0f) {
        return kRollBack;
    }
    if (ok_->Update(0, 0.0f) == 1) {
        return kKeep;
    }
    return cancel_->Update(0, 0.0f) == 1 ? kRollBack : kNothing;
}

int APPLY_RESOLUTION::Draw(int) {
    WSPRITE::Draw(0);
    const int x = static_cast<int>(pos.x);
    const int y = static_cast<int>(pos.y);
    PrintText(MainFont(), kAlignCentre, x, y, g_texts.resolution_dlg_select);
    if (WFONT* font = MainFont()) {
        const int seconds = static_cast<int>(countdown_ + 0.5f);
        PrintText(font, kAlignCentre, x, y + static_cast<int>(1.2f * font->Size()),
                  std::to_string(seconds).c_str());
    }
    ok_->Draw(0);
    cancel_->Draw(0);
    return 0;
}

}  // namespace GAME
