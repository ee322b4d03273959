// PUZZLE_PLAYER_PROFILE: a player's 76-byte settings record, stored as "set.bin".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The file is the record's exact little-endian layout, reserved gaps included (written as 0).
struct PUZZLE_PLAYER_PROFILE {
    static constexpr size_t kFileSize = 76;
    static constexpr const char* kFileName = "set.bin";

    // Byte offsets of the fields in the file.
    enum Offset : size_t {
        kScreenModeAt = 0,
        kFullScreenAt = 4,
        kPiecesFixAt = 5,
        kBackgroundAt = 8,
        kTrophyLevelsAt = 12,
        kMusicVolumeAt = 20,
        kSoundVolumeAt = 24,
        kGameCursorAt = 48,
        kHelpPagesAt = 49,
        kMeditationAt = 52,
        kInconstancyAt = 56,
        kJigsawMasterAt = 60,
        kCollectorAt = 64,
        kReservedCountersAt = 68,
    };

    // Trophy levels by index, in file order.
    enum Trophy {
        kCollector,
        kJigsawMaster,
        kEndurence,
        kMeditation,
        kInconstancy,
        kSage,
        kLord,
        kTrophyCount
    };

    // Screen modes as pixel counts; 0 is the desktop size, any other value the frame's own.
    static constexpr int32_t kMode1024x768 = 786432;
    static constexpr int32_t kMode1440x900 = 1296000;
    static constexpr int32_t kMode1920x1080 = 2073600;

    int32_t screen_mode = 0;
    bool full_screen = false;
    bool pieces_fix = false;                   // snap placed pieces home
    int32_t background = 0;                    // board background, ARGB
    uint8_t trophy_levels[kTrophyCount] = {};  // 0 = not earned
    float music_volume = 0.0f;                 // 0..1
    float sound_volume = 0.0f;                 // 0..1
    bool game_cursor = false;                  // the game draws its own cursor
    bool help_pages = false;                   // help pages (and the board's tutorial step) on
    int32_t meditation = 0;                    // whole seconds played to completion
    int32_t inconstancy = 0;                   // puzzles completed
    uint32_t jigsaw_master = 0;                // total score of completed puzzles
    uint32_t collector = 0;                    // total pieces
    int32_t reserved_counters[2] = {};

    void Encode(uint8_t (&bytes)[kFileSize]) const;
    void Decode(const uint8_t (&bytes)[kFileSize]);
};

// The application frame's screen state the record follows.
struct FRAME_SCREEN {
    int configured_width = 0;
    int configured_height = 0;
    int pixel_count = 0;  // configured width x height
    int desktop_width = 0;
    int desktop_height = 0;
    bool full_screen = false;  // the configured full-screen flag
};

// Where the record reads the frame and writes its configuration ("game.xml"). The default
// goes to the application frame; tests install their own.
class FRAME_SCREEN_LINK {
  public:
    virtual ~FRAME_SCREEN_LINK() = default;
    virtual FRAME_SCREEN Read() = 0;
    virtual void WriteConfiguration(int width, int height, bool full_screen) = 0;
};
FRAME_SCREEN_LINK& DefaultFrameScreenLink();

// Reads "set.bin" of player_folder into settings: a file shorter than the record leaves the tail
// zero, and a file written in text mode (0x0D before every 0x0A) is read as its record. A missing
// file is replaced by the defaults (ResetSettings). The screen mode and the full-screen flag then
// come from the frame: its configuration decides the video mode at start-up.
void LoadSettings(PUZZLE_PLAYER_PROFILE& settings, const std::string& player_folder,
                  FRAME_SCREEN_LINK& frame = DefaultFrameScreenLink());
// The defaults, written to "set.bin" and to the frame's configuration.
void ResetSettings(PUZZLE_PLAYER_PROFILE& settings, const std::string& player_folder,
                   FRAME_SCREEN_LINK& frame = DefaultFrameScreenLink());
// Writes "set.bin" (through a temporary file, so no torn record is ever left) and passes the
// screen mode to the frame's configuration. 1 on success, -1 when the file could not be written.
int SaveSettings(PUZZLE_PLAYER_PROFILE& settings, const std::string& player_folder,
                 FRAME_SCREEN_LINK& frame = DefaultFrameScreenLink());

// The record's path in a player folder ("/" is added when the folder lacks it).
std::string SettingsPath(const std::string& player_folder);
