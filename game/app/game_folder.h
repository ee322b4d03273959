// The game folder the program runs in, found from the program's own location.
#pragma once

#include <string>

// The folder holding the game (its DATA packs) for the program at executable_path: the program's
// own folder (the build tree), else share/puzzle-desk beside the bin/ folder it was installed
// to. Empty when neither holds the game.
std::string GameFolderFor(const std::string& executable_path);

// Makes the running program's game folder the working folder, so the game runs from any current
// folder. Nothing changes when the program's location is unknown or holds no game: the working
// folder then stands in, as it did before installs existed.
void EnterGameFolder();
