// PROFILE: the current player and settings, "LC.pzl", the player folders, the player window.
#include "game/shell/profile.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "engine/frame/game.h"
#include "engine/platform/regular_file.h"
#include "engine/resources/config.h"
#include "engine/resources/file_system.h"
#include "engine/resources/registry.h"
#include "engine/text/font.h"
#include "engine/text/strings.h"
#include "game/shell/player_name.h"
#include "game/shell/player_window.h"
#include "game/shell/text_fill.h"

namespace fs = std::filesystem;

namespace {

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

// Only a plain file of the game's own is read: not a link, nor a pipe or a device. A file longer
// than a name may be is no name, and reads as none.
std::string ReadLastPlayerBytes(const std::string& path) {
    std::error_code error;
    std::string bytes;
    if (!fs::is_regular_file(fs::symlink_status(path, error)) ||
        !platform::ReadRegularFile(path, kMaxPlayerNameBytes, bytes)) {
        return {};
    }
    return bytes;
}

// Reads a record without following the frame and without writing anything.
class DETACHED_FRAME : public FRAME_SCREEN_LINK {
  public:
    FRAME_SCREEN Read() override { return {}; }
    void WriteConfiguration(int, int, bool) override {}
};

}  // namespace

PROFILE::PROFILE(WFONT* font)
    : PROFILE(font, WUN::ST_GAME::GetInstance()->UserFolder(), DefaultFrameScreenLink()) {}

PROFILE::PROFILE(WFONT* font, std::string root, FRAME_SCREEN_LINK& frame)
    : root_(WithSlash(std::move(root))), font_(font), frame_(frame), name_(DefaultName()) {
    std::error_code ignored;
    fs::create_directories(root_, ignored);
    const std::string last = LastPlayerFromBytes(ReadLastPlayerBytes(root_ + kLastPlayerFile));
    if (IsUsablePlayerName(root_, last)) {
        name_ = last;
    } else {
        first_run_ =
            WFILE_SYSTEM::FileExists(root_ + kLastPlayerFile) == 0 && PlayerNames().empty();
        WriteLastPlayer();
    }
    CreatePlayerFolder(name_);
    LoadSettings();
}

PROFILE::~PROFILE() = default;

std::string PROFILE::DefaultName() const {
    const char* localised = g_texts.profiles_txt_default_name;
    if (localised != nullptr && IsUsablePlayerName(root_, localised)) {
        return localised;
    }
    return kFallbackName;
}

std::string PROFILE::PlayerFolder(const std::string& name) const {
    return EntryPath(name) + "/";
}

void PROFILE::LoadSettings() {
    if (IsUsablePlayerName(root_, name_)) {
        ::LoadSettings(settings_, PlayerFolder(), frame_);
    }
}

int PROFILE::SaveSettings() {
    if (!IsUsablePlayerName(root_, name_)) {
        return -1;
    }
    return ::SaveSettings(settings_, PlayerFolder(), frame_);
}

void PROFILE::WriteLastPlayer() {
    WFILE_SYSTEM::WriteStream(root_ + kLastPlayerFile, name_.data(), name_.size());
}

void PROFILE::CreatePlayerFolder(const std::string& name) {
    if (IsUsablePlayerName(root_, name)) {
        WFILE_SYSTEM::CreateFolder(EntryPath(name));
    }
}

int PROFILE::SwitchTo(const std::string& name) {
    if (!IsUsablePlayerName(root_, name)) {
        return -1;
    }
    name_ = name;
    WriteLastPlayer();
    CreatePlayerFolder(name_);
    LoadSettings();
    return 1;
}

int PROFILE::DeletePlayer(const std::string& name) {
    // A missing entry passes IsUsablePlayerName but is no folder to delete.
    if (!IsUsablePlayerName(root_, name) || WFILE_SYSTEM::FileExists(EntryPath(name)) != 2) {
        return -1;
    }
    WFILE_SYSTEM::RemoveFolder(EntryPath(name));
    return WFILE_SYSTEM::FileExists(EntryPath(name)) == 0 ? 1 : -1;
}

std::vector<std::string> PROFILE::PlayerNames() const {
    std::vector<std::string> names;
    for (const std::string& entry : WFILE_SYSTEM::FindFiles(root_, "*", 1)) {
        if (IsUsablePlayerName(root_, entry)) {
            names.push_back(entry);
        }
    }
    return names;
}

std::optional<uint32_t> PROFILE::ScoreOf(const std::string& name) const {
    if (name == name_) {
        return settings_.jigsaw_master;
    }
    if (!IsUsablePlayerName(root_, name) ||
        WFILE_SYSTEM::FileExists(SettingsPath(PlayerFolder(name))) != 1) {
        return std::nullopt;
    }
    PUZZLE_PLAYER_PROFILE record;
    DETACHED_FRAME detached;
    ::LoadSettings(record, PlayerFolder(name), detached);
    return record.jigsaw_master;
}

void PROFILE::OpenWindow() {
    if (window_) {
        return;
    }
    g_file_system.SelectPack(g_resources.packs.gui_pack);
    window_ = std::make_unique<GAME::PAZZLE_PROFILE_MANAGER>(font_, root_);
    g_file_system.UnselectPack();
    for (const std::string& name : PlayerNames()) {
        if (name != name_) {
            window_->AddName(name);
        }
    }
    // Last, so that it shows on top and OK keeps the current player.
    window_->AddName(name_);
}

int PROFILE::UpdateWindow() {
    if (!window_) {
        return kNoWindow;
    }
    switch (window_->Update(0, 0.0f)) {
        case GAME::PAZZLE_PROFILE_MANAGER::kOk:
            SwitchTo(window_->SelectedName());
            window_.reset();
            return kPlayerChanged;
        case GAME::PAZZLE_PROFILE_MANAGER::kCancel:
            window_.reset();
            return kNoWindow;
        case GAME::PAZZLE_PROFILE_MANAGER::kAdded:
            CreatePlayerFolder(window_->AddedName());
            return kWindowOpen;
        case GAME::PAZZLE_PROFILE_MANAGER::kDelete:
            DeleteSelectedPlayer();
            return kPlayerChanged;
        default:
            return kWindowOpen;
    }
}

void PROFILE::DeleteSelectedPlayer() {
    DeletePlayer(window_->SelectedName());
    window_->RemoveSelectedName();
    if (window_->NameCount() == 0) {
        window_->AddName(DefaultName());
    }
    SwitchTo(window_->SelectedName());
}

void PROFILE::DrawWindow() {
    if (window_) {
        window_->Draw(0);
    }
}

void PROFILE::LayoutWindow() {
    if (window_) {
        window_->Layout();
    }
}

void PROFILE::DrawGreeting(int x, int y) {
    if (font_ == nullptr) {
        return;
    }
    font_->align = 0;
    font_->SetColour(static_cast<uint32_t>(g_config.font_main_color));
    font_->DrawText(x, y, GAME::FillText(g_texts.menu_btn_hello, "s", name_).c_str());
}
