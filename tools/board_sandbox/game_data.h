// Loads what the board draws and plays from a built game folder: tables, fonts and sounds.
#pragma once

#include <string>

// Makes folder the working folder and loads the tables, the four fonts and the sounds from its
// packs. Without a usable folder the built-in tables are used and fonts and sounds stay null.
// Returns whether the folder was used.
bool LoadGameData(const std::string& folder);
