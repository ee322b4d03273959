// Player names: which names may become a player's folder, and the name "LC.pzl" holds.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The longest folder name the file system takes, in bytes.
constexpr size_t kMaxPlayerNameBytes = 255;

// True when the name can be a folder of its own right inside the per-user folder: not empty,
// not "." or "..", at most kMaxPlayerNameBytes bytes, without "/", NUL or other control bytes,
// and not a file the game keeps there itself ("LC.pzl", "game.xml" and their temporaries).
bool IsPlayerName(std::string_view name);

// IsPlayerName, and the name's entry in root is either missing or a real folder: a link (which
// would lead out of root) or a file is refused.
bool IsUsablePlayerName(const std::string& root, const std::string& name);

// The player named by the bytes of "LC.pzl", or empty when they make no player name. A function
// of the bytes alone, so that any content can be fed to it.
std::string LastPlayerFromBytes(std::string_view bytes);
