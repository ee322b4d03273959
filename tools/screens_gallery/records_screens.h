// The screenshots of what the game keeps: the win dialog with 0, 3 and 7 new trophies, the
// saved-games page, the trophy panel, the score board and the leader board.
#pragma once

#include <functional>

class GAME_DRIVER;

// Starts from the menu with no game running and leaves the menu as it found it; shot writes the
// named screenshot of the current frame.
void ShootRecordScreens(GAME_DRIVER& driver, const std::function<void(const char*)>& shot);
