// The user's own folders as the XDG conventions name them: home, cache and Pictures.
#pragma once

#include <string>

namespace platform {

// $HOME, else the password database's entry, without a trailing "/"; empty when neither is
// known.
std::string HomeFolder();

// $XDG_CACHE_HOME when it is an absolute path, else ~/.cache; empty without a home folder.
std::string CacheHome();

// The Pictures folder: $XDG_PICTURES_DIR, else the XDG_PICTURES_DIR line of user-dirs.dirs in
// the config home, else ~/Pictures. Without a trailing "/"; empty without a home folder.
std::string PicturesFolder();

}  // namespace platform
