// The game folder the program runs in, found from the program's own location.
#include "game/app/game_folder.h"

#include <filesystem>
#include <system_error>

namespace {

namespace fs = std::filesystem;

constexpr char kInstalledFolder[] = "../share/puzzle-desk";

bool HoldsGame(const fs::path& folder) {
    std::error_code error;
    return fs::is_directory(folder / "DATA", error);
}

}  // namespace

std::string GameFolderFor(const std::string& executable_path) {
    const fs::path own_folder = fs::path(executable_path).parent_path();
    if (own_folder.empty()) {
        return {};
    }
    if (HoldsGame(own_folder)) {
        return own_folder.string();
    }
    const fs::path installed = (own_folder / kInstalledFolder).lexically_normal();
    return HoldsGame(installed) ? installed.string() : std::string();
}

void EnterGameFolder() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (error) {
        return;
    }
    const std::string folder = GameFolderFor(executable.string());
    if (!folder.empty()) {
        fs::current_path(folder, error);
    }
}
