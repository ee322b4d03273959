// GameLoad: the body of the loading thread that Init starts.
#pragma once

// Runs the loading sequence behind the loading screen, under LoadLock, then ends the loading
// phase: from the next iteration on the main loop runs the game.
void GameLoad();
