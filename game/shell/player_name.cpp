// Player names: which names may become a player's folder, and the name "LC.pzl" holds.
#include "game/shell/player_name.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

// The per-user folder's own files; WriteStream writes each through "<name>.tmp" first.
constexpr std::string_view kReservedNames[] = {"LC.pzl", "game.xml", "LC.pzl.tmp", "game.xml.tmp"};

bool IsControlByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

}  // namespace

bool IsPlayerName(std::string_view name) {
    if (name.empty() || name.size() > kMaxPlayerNameBytes || name == "." || name == "..") {
        return false;
    }
    // NUL is a control byte too: it would cut the folder's path short.
    if (name.find('/') != std::string_view::npos ||
        std::any_of(name.begin(), name.end(), IsControlByte)) {
        return false;
    }
    return std::find(std::begin(kReservedNames), std::end(kReservedNames), name) ==
           std::end(kReservedNames);
}

bool IsUsablePlayerName(const std::string& root, const std::string& name) {
    if (!IsPlayerName(name)) {
        return false;
    }
    namespace fs = std::filesystem;
    std::error_code error;
    // The entry itself, not what a link points at.
    const fs::file_status status = fs::symlink_status(fs::path(root) / name, error);
    if (status.type() == fs::file_type::not_found) {
        return true;
    }
    return !error && status.type() == fs::file_type::directory;
}

std::string LastPlayerFromBytes(std::string_view bytes) {
    return IsPlayerName(bytes) ? std::string(bytes) : std::string();
}
