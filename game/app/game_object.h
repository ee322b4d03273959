// g_game: the one game object, made by the loading thread as loading's last step.
#pragma once

namespace GAME {
class PUZZLE;
}

// Null until loading is over; lives until the process ends.
extern GAME::PUZZLE* g_game;
