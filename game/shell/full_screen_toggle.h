// F11 and Alt+Enter: the keys that switch between a window and full screen, and the change of
// the player's record they make.
#pragma once

#include "game/records/player_settings.h"
#include "game/shell/screen_limits.h"

class WINPUT;

namespace GAME {

// True when F11, or Enter with Alt held, went down this iteration. The press is taken, so no
// one else sees it: Alt+Enter is never also an Enter.
bool TakeFullScreenKeys(WINPUT& input);

// Switches the record between a window and full screen under the resolution window's rules: a
// mode that shows only full screen (System among them) gives way to the largest mode that fits
// as a window. False when nothing could change: no offered mode fits as a window.
bool ToggleFullScreen(PUZZLE_PLAYER_PROFILE& settings, const SCREEN_LIMITS& limits);

}  // namespace GAME
