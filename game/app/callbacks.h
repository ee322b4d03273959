// The five per-frame and focus callbacks that the frame calls on the main thread.
#pragma once

// Every iteration of the play phase: the particle slots, the game, then the cursor. Returns 0.
int GameUpdate();
// Into the scene target: the game.
void GameDrawScene();
// Onto the back buffer after the scene: the game's overlay, then the cursor over everything.
void GameDrawOverlay();
// The window lost or got back the focus: the two music tracks pause or resume.
void GamePause();
void GameResume();
