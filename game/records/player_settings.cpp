// PUZZLE_PLAYER_PROFILE: a player's 76-byte settings record, stored as "set.bin".
#include "game/records/player_settings.h"

#include <algorithm>
#include <bit>
#include <iterator>
#include <vector>

#include "engine/frame/game.h"
#include "engine/platform/regular_file.h"
#include "engine/resources/file_system.h"

namespace {

using Bytes = uint8_t[PUZZLE_PLAYER_PROFILE::kFileSize];

void PutU32(Bytes& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t GetU32(const Bytes& bytes, size_t at) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= static_cast<uint32_t>(bytes[at + i]) << (8 * i);
    return value;
}

int32_t GetI32(const Bytes& bytes, size_t at) {
    return static_cast<int32_t>(GetU32(bytes, at));
}

// A text-mode writer put 0x0D before every 0x0A, so such a file is longer than the record.
// Only then are those bytes dropped: a plain record may itself hold 0x0D 0x0A.
std::vector<uint8_t> RecordBytesOf(const std::vector<uint8_t>& file) {
    if (file.size() <= PUZZLE_PLAYER_PROFILE::kFileSize) {
        return file;
    }
    std::vector<uint8_t> record;
    for (size_t i = 0; i < file.size() && record.size() < PUZZLE_PLAYER_PROFILE::kFileSize; ++i) {
        if (file[i] == 0x0D && i + 1 < file.size() && file[i + 1] == 0x0A) {
            continue;
        }
        record.push_back(file[i]);
    }
    return record;
}

int32_t ScreenModeOf(const FRAME_SCREEN& screen) {
    return screen.pixel_count == screen.desktop_width * screen.desktop_height ? 0
                                                                              : screen.pixel_count;
}

bool WriteRecord(const PUZZLE_PLAYER_PROFILE& settings, const std::string& player_folder) {
    Bytes bytes;
    settings.Encode(bytes);
    return WFILE_SYSTEM::WriteStream(SettingsPath(player_folder), bytes, sizeof bytes) == 0;
}

void SetDefaults(PUZZLE_PLAYER_PROFILE& settings, const FRAME_SCREEN& screen) {
    settings = PUZZLE_PLAYER_PROFILE{};
    settings.screen_mode = ScreenModeOf(screen);
    settings.full_screen = screen.full_screen;
    settings.game_cursor = true;
    settings.help_pages = true;
    settings.music_volume = 0.3f;
    settings.sound_volume = 0.3f;
    settings.background = -1;
}

class APPLICATION_FRAME_LINK : public FRAME_SCREEN_LINK {
  public:
    FRAME_SCREEN Read() override {
        const WUN::ST_GAME* game = WUN::ST_GAME::GetInstance();
        return {game->GetConfiguredWidth(), game->GetConfiguredHeight(),
                game->GetPixelCount(),      game->GetDesktopWidth(),
                game->GetDesktopHeight(),   game->GetFullScreenWanted()};
    }
    void WriteConfiguration(int width, int height, bool full_screen) override {
        WUN::ST_GAME::GetInstance()->SaveGameXml(width, height, full_screen, false);
    }
};

}  // namespace

FRAME_SCREEN_LINK& DefaultFrameScreenLink() {
    static APPLICATION_FRAME_LINK link;
    return link;
}

void PUZZLE_PLAYER_PROFILE::Encode(uint8_t (&bytes)[kFileSize]) const {
    std::fill(std::begin(bytes), std::end(bytes), 0);
    PutU32(bytes, kScreenModeAt, static_cast<uint32_t>(screen_mode));
    bytes[kFullScreenAt] = full_screen ? 1 : 0;
    bytes[kPiecesFixAt] = pieces_fix ? 1 : 0;
    PutU32(bytes, kBackgroundAt, static_cast<uint32_t>(background));
    std::copy(std::begin(trophy_levels), std::end(trophy_levels), bytes + kTrophyLevelsAt);
    PutU32(bytes, kMusicVolumeAt, std::bit_cast<uint32_t>(music_volume));
    PutU32(bytes, kSoundVolumeAt, std::bit_cast<uint32_t>(sound_volume));
    bytes[kGameCursorAt] = game_cursor ? 1 : 0;
    bytes[kHelpPagesAt] = help_pages ? 1 : 0;
    PutU32(bytes, kMeditationAt, static_cast<uint32_t>(meditation));
    PutU32(bytes, kInconstancyAt, static_cast<uint32_t>(inconstancy));
    PutU32(bytes, kJigsawMasterAt, jigsaw_master);
    PutU32(bytes, kCollectorAt, collector);
    PutU32(bytes, kReservedCountersAt, static_cast<uint32_t>(reserved_counters[0]));
    PutU32(bytes, kReservedCountersAt + 4, static_cast<uint32_t>(reserved_counters[1]));
}

void PUZZLE_PLAYER_PROFILE::Decode(const uint8_t (&bytes)[kFileSize]) {
    screen_mode = GetI32(bytes, kScreenModeAt);
    full_screen = bytes[kFullScreenAt] != 0;
    pieces_fix = bytes[kPiecesFixAt] != 0;
    background = GetI32(bytes, kBackgroundAt);
    std::copy(bytes + kTrophyLevelsAt, bytes + kTrophyLevelsAt + kTrophyCount, trophy_levels);
    music_volume = std::bit_cast<float>(GetU32(bytes, kMusicVolumeAt));
    sound_volume = std::bit_cast<float>(GetU32(bytes, kSoundVolumeAt));
    game_cursor = bytes[kGameCursorAt] != 0;
    help_pages = bytes[kHelpPagesAt] != 0;
    meditation = GetI32(bytes, kMeditationAt);
    inconstancy = GetI32(bytes, kInconstancyAt);
    jigsaw_master = GetU32(bytes, kJigsawMasterAt);
    collector = GetU32(bytes, kCollectorAt);
    reserved_counters[0] = GetI32(bytes, kReservedCountersAt);
    reserved_counters[1] = GetI32(bytes, kReservedCountersAt + 4);
}

std::string SettingsPath(const std::string& player_folder) {
    if (player_folder.empty() || player_folder.back() == '/') {
        return player_folder + PUZZLE_PLAYER_PROFILE::kFileName;
    }
    return player_folder + "/" + PUZZLE_PLAYER_PROFILE::kFileName;
}

void LoadSettings(PUZZLE_PLAYER_PROFILE& settings, const std::string& player_folder,
                  FRAME_SCREEN_LINK& frame) {
    settings = PUZZLE_PLAYER_PROFILE{};
    const std::string path = SettingsPath(player_folder);
    if (WFILE_SYSTEM::FileExists(path) == 0) {
        ResetSettings(settings, player_folder, frame);
    } else {
        std::string file;
        if (!platform::ReadRegularFile(path, platform::kMaxRecordFileBytes, file)) {
            // Present but unreadable, or no plain file of a record's size: play with the
            // defaults and leave the file alone.
            SetDefaults(settings, frame.Read());
        } else {
            // A text-mode record is at most twice as long; anything beyond is not part of it.
            file.resize(std::min(file.size(), 2 * PUZZLE_PLAYER_PROFILE::kFileSize));
            const std::vector<uint8_t> record =
                RecordBytesOf(std::vector<uint8_t>(file.begin(), file.end()));
            Bytes bytes = {};
            std::copy(record.begin(), record.end(), bytes);
            settings.Decode(bytes);
        }
    }
    const FRAME_SCREEN screen = frame.Read();
    settings.screen_mode = ScreenModeOf(screen);
    settings.full_screen = screen.full_screen;
}

void ResetSettings(PUZZLE_PLAYER_PROFILE& settings, const std::string& player_folder,
                   FRAME_SCREEN_LINK& frame) {
    const FRAME_SCREEN screen = frame.Read();
    SetDefaults(settings, screen);
    WriteRecord(settings, player_folder);
    frame.WriteConfiguration(screen.configured_width, screen.configured_height,
                             settings.full_screen);
}

int SaveSettings(PUZZLE_PLAYER_PROFILE& settings, const std::string& player_folder,
                 FRAME_SCREEN_LINK& frame) {
    const bool written = WriteRecord(settings, player_folder);
    const FRAME_SCREEN screen = frame.Read();
    int width = screen.configured_width;
    int height = screen.configured_height;
    switch (settings.screen_mode) {
        case PUZZLE_PLAYER_PROFILE::kMode1024x768:
            width = 1024;
            height = 768;
            break;
        case PUZZLE_PLAYER_PROFILE::kMode1440x900:
            width = 1440;
            height = 900;
            break;
        case PUZZLE_PLAYER_PROFILE::kMode1920x1080:
            width = 1920;
            height = 1080;
            break;
        case 0:
            width = screen.desktop_width;
            height = screen.desktop_height;
            settings.full_screen = true;
            break;
        default:
            settings.full_screen = screen.full_screen;
            break;
    }
    frame.WriteConfiguration(width, height, settings.full_screen);
    return written ? 1 : -1;
}
