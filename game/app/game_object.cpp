// Storage of the game object; see game_object.h.
#include "game/app/game_object.h"

GAME::PUZZLE* g_game = nullptr;
