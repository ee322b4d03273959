// Finding the user's home, cache and Pictures folders; see user_folders.h.
#include "engine/platform/user_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

namespace platform {

namespace {

// An XDG variable that holds an absolute path, else empty: a relative one is invalid.
std::string AbsoluteVariable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] == '/' ? value : "";
}

std::string ConfigHome() {
    const std::string xdg = AbsoluteVariable("XDG_CONFIG_HOME");
    const std::string home = HomeFolder();
    return !xdg.empty() ? xdg : home.empty() ? "" : home + "/.config";
}

// The value of XDG_PICTURES_DIR in user-dirs.dirs: a shell assignment of a double-quoted
// "$HOME/..." or absolute path. Empty when the file or the line is missing or unusable.
std::string PicturesFromUserDirs(const std::string& home) {
    const std::string config = ConfigHome();
    if (config.empty()) {
        return "";
    }
    std::ifstream file(config + "/user-dirs.dirs");
    const std::string key = "XDG_PICTURES_DIR=\"";
    std::string line;
    for (int lines = 0; lines < 1000 && std::getline(file, line); ++lines) {
        if (line.compare(0, key.size(), key) != 0 || line.back() != '"') {
            continue;
        }
        std::string value = line.substr(key.size(), line.size() - key.size() - 1);
        if (value.compare(0, 5, "$HOME") == 0) {
            value = home + value.substr(5);
        }
        return !value.empty() && value[0] == '/' ? value : "";
    }
    return "";
}

std::string WithoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

}  // namespace

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
        return WithoutTrailingSlash(home);
    }
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr) {
        return WithoutTrailingSlash(entry->pw_dir);
    }
    return "";
}

std::string CacheHome() {
    const std::string xdg = AbsoluteVariable("XDG_CACHE_HOME");
    const std::string home = HomeFolder();
    return !xdg.empty() ? xdg : home.empty() ? "" : home + "/.cache";
}

std::string PicturesFolder() {
    if (const std::string xdg = AbsoluteVariable("XDG_PICTURES_DIR"); !xdg.empty()) {
        return WithoutTrailingSlash(xdg);
    }
    const std::string home = HomeFolder();
    if (home.empty()) {
        return "";
    }
    const std::string configured = PicturesFromUserDirs(home);
    return WithoutTrailingSlash(configured.empty() ? home + "/Pictures" : configured);
}

}  // namespace platform
