// Where a game in progress is saved, and the reading of a ".pzl" file that refuses what cannot be
// restored: no document, or a picture that is not one of the game's own.
#pragma once

#include <optional>
#include <string>

#include "game/board/saved_puzzle.h"

namespace GAME {

// The first free name prefix + n + ".pzl", n = 1, 2, ... A new save never takes the place of
// another game, however many there are; empty only when every name up to a large bound is taken.
std::string FreeSaveName(const std::string& prefix);

// The picture is a member of one of the game's own packs (the registry's): the pack by its exact
// path, the picture by a plain member name (no folder, nothing leading out of the pack).
bool IsGamePicture(const std::string& pack, const std::string& picture);

// A game of one of the player's own pictures: no pack, the picture is a file.
inline bool IsOwnPictureSave(const SAVED_PUZZLE& saved) {
    return saved.ImgPkAdr.empty();
}

// The own picture's file is still the one the game was cut from: an own picture of
// pictures_folder (OwnPictureStamp) with the saved size and modification time.
bool OwnPictureUnchanged(const SAVED_PUZZLE& saved, const std::string& pictures_folder);

// The document saved at path, as ParseSavedPuzzle reads it; nullopt when it is not a plain file
// of a sensible size or does not parse.
std::optional<SAVED_PUZZLE> ParseSaveFile(const std::string& path);

// The game saved at path, parsed but not yet brought into range (the board does that when it
// knows its grid). nullopt, leaving the file alone, when it is not a plain file of a sensible
// size, does not parse, names a picture outside the game's packs or one that does not load, or
// names an own picture whose file changed or is gone (OwnPictureUnchanged, in the Pictures
// folder); an own picture is decoded only by the board.
std::optional<SAVED_PUZZLE> ReadSaveFile(const std::string& path);

}  // namespace GAME
