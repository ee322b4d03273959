// The settings record: its byte layout, defaults, tolerant reading and the frame's part in it.
#include "game/records/player_settings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

class FAKE_FRAME : public FRAME_SCREEN_LINK {
  public:
    FRAME_SCREEN Read() override { return screen; }
    void WriteConfiguration(int width, int height, bool full_screen) override {
        written = {width, height, full_screen};
        ++writes;
    }
    struct CONFIG {
        int width = 0;
        int height = 0;
        bool full_screen = false;
        bool operator==(const CONFIG&) const = default;
    };
    // A 1024x768 window on a 1920x1080 desktop.
    FRAME_SCREEN screen{1024, 768, 1024 * 768, 1920, 1080, false};
    CONFIG written;
    int writes = 0;
};

class PlayerProfileTest : public ::testing::Test {
  protected:
    const std::string& Folder() const { return scratch_.Root(); }
    std::vector<uint8_t> FileBytes() const {
        const std::string bytes = scratch_.Read("set.bin");
        return {bytes.begin(), bytes.end()};
    }
    void WriteFile(const std::vector<uint8_t>& bytes) const {
        scratch_.Write("set.bin", {bytes.begin(), bytes.end()});
    }

    SCRATCH_FOLDER scratch_;
    FAKE_FRAME frame_;
};

uint32_t U32At(const uint8_t* b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

TEST(PlayerProfileLayout, EveryFieldSitsAtItsOffset) {
    PUZZLE_PLAYER_PROFILE s;
    s.screen_mode = 0x01020304;
    s.full_screen = true;
    s.pieces_fix = true;
    s.background = static_cast<int32_t>(0xFF112233u);
    for (int i = 0; i < PUZZLE_PLAYER_PROFILE::kTrophyCount; ++i)
        s.trophy_levels[i] = 10 + i;
    s.music_volume = 0.25f;
    s.sound_volume = 0.75f;
    s.game_cursor = true;
    s.help_pages = true;
    s.meditation = 0x11111111;
    s.inconstancy = 0x22222222;
    s.jigsaw_master = 0x33333333;
    s.collector = 0x44444444;
    uint8_t b[PUZZLE_PLAYER_PROFILE::kFileSize];
    s.Encode(b);

    float music = 0, sound = 0;
    const uint32_t music_bits = U32At(b, 20), sound_bits = U32At(b, 24);
    std::memcpy(&music, &music_bits, 4);
    std::memcpy(&sound, &sound_bits, 4);
    EXPECT_EQ(U32At(b, 0), 0x01020304u);
    EXPECT_EQ(b[4], 1);
    EXPECT_EQ(b[5], 1);
    EXPECT_EQ(U32At(b, 8), 0xFF112233u);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(b[12 + i], 10 + i);
    EXPECT_EQ(music, 0.25f);
    EXPECT_EQ(sound, 0.75f);
    EXPECT_EQ(b[48], 1);
    EXPECT_EQ(b[49], 1);
    EXPECT_EQ(U32At(b, 52), 0x11111111u);
    EXPECT_EQ(U32At(b, 56), 0x22222222u);
    EXPECT_EQ(U32At(b, 60), 0x33333333u);
    EXPECT_EQ(U32At(b, 64), 0x44444444u);
    // Reserved gaps and counters stay zero.
    for (size_t at : {6u, 7u, 19u, 50u, 51u})
        EXPECT_EQ(b[at], 0) << at;
    for (size_t at = 28; at < 48; ++at)
        EXPECT_EQ(b[at], 0) << at;
    for (size_t at = 68; at < 76; ++at)
        EXPECT_EQ(b[at], 0) << at;

    PUZZLE_PLAYER_PROFILE back;
    back.Decode(b);
    uint8_t again[PUZZLE_PLAYER_PROFILE::kFileSize];
    back.Encode(again);
    EXPECT_EQ(std::memcmp(b, again, sizeof b), 0);
}

TEST_F(PlayerProfileTest, AMissingFileGetsTheDefaultsWrittenAtOnce) {
    PUZZLE_PLAYER_PROFILE s;
    LoadSettings(s, Folder(), frame_);
    EXPECT_EQ(s.screen_mode, 1024 * 768);  // the window is not the desktop size
    EXPECT_FALSE(s.full_screen);
    EXPECT_FALSE(s.pieces_fix);
    EXPECT_EQ(s.background, -1);
    EXPECT_TRUE(s.game_cursor);
    EXPECT_TRUE(s.help_pages);
    EXPECT_EQ(s.music_volume, 0.3f);
    EXPECT_EQ(s.sound_volume, 0.3f);
    EXPECT_EQ(s.collector, 0u);
    EXPECT_EQ(FileBytes().size(), PUZZLE_PLAYER_PROFILE::kFileSize);
    EXPECT_EQ(frame_.written, (FAKE_FRAME::CONFIG{1024, 768, false}));
    EXPECT_FALSE(fs::exists(scratch_.Path("set.bin.tmp")));

    // A frame as large as the desktop is stored as mode 0.
    frame_.screen = {1920, 1080, 1920 * 1080, 1920, 1080, true};
    fs::remove(scratch_.Path("set.bin"));
    LoadSettings(s, Folder(), frame_);
    EXPECT_EQ(s.screen_mode, 0);
    EXPECT_TRUE(s.full_screen);
}

TEST_F(PlayerProfileTest, AShortFileLeavesTheTailZero) {
    WriteFile({0x00, 0x00, 0x00, 0x00, 0x01, 0x01, 0x00, 0x00, 0x33, 0x22, 0x11, 0xFF, 7});
    PUZZLE_PLAYER_PROFILE s;
    LoadSettings(s, Folder(), frame_);
    EXPECT_TRUE(s.pieces_fix);
    EXPECT_EQ(static_cast<uint32_t>(s.background), 0xFF112233u);
    EXPECT_EQ(s.trophy_levels[0], 7);
    EXPECT_EQ(s.trophy_levels[1], 0);
    EXPECT_EQ(s.music_volume, 0.0f);
    EXPECT_FALSE(s.game_cursor);
    EXPECT_EQ(s.collector, 0u);
    EXPECT_EQ(FileBytes().size(), 13u);  // reading never rewrites the file
    EXPECT_EQ(frame_.writes, 0);
}

TEST_F(PlayerProfileTest, ATextModeFileReadsAsItsRecord) {
    PUZZLE_PLAYER_PROFILE original;
    original.jigsaw_master = 0x0A0D0A0Au;  // bytes that a text-mode writer expands
    original.collector = 0x0D0D0A0Du;
    original.background = 0x0A;
    original.game_cursor = true;
    original.music_volume = 0.5f;
    uint8_t plain[PUZZLE_PLAYER_PROFILE::kFileSize];
    original.Encode(plain);
    std::vector<uint8_t> text_mode;
    for (uint8_t b : plain) {
        if (b == 0x0A)
            text_mode.push_back(0x0D);
        text_mode.push_back(b);
    }
    ASSERT_GT(text_mode.size(), PUZZLE_PLAYER_PROFILE::kFileSize);
    WriteFile(text_mode);
    PUZZLE_PLAYER_PROFILE s;
    LoadSettings(s, Folder(), frame_);
    EXPECT_EQ(s.jigsaw_master, original.jigsaw_master);
    EXPECT_EQ(s.collector, original.collector);
    EXPECT_EQ(s.background, 0x0A);
    EXPECT_TRUE(s.game_cursor);
    EXPECT_EQ(s.music_volume, 0.5f);

    // A plain 76-byte record with a 0x0D 0x0A pair of its own is read unchanged.
    WriteFile(std::vector<uint8_t>(plain, plain + sizeof plain));
    LoadSettings(s, Folder(), frame_);
    EXPECT_EQ(s.collector, original.collector);
}

TEST_F(PlayerProfileTest, TheFramesConfigurationWinsTheScreenModeAtLoad) {
    PUZZLE_PLAYER_PROFILE chosen;
    chosen.screen_mode = PUZZLE_PLAYER_PROFILE::kMode1440x900;
    chosen.full_screen = true;
    chosen.sound_volume = 0.9f;
    uint8_t bytes[PUZZLE_PLAYER_PROFILE::kFileSize];
    chosen.Encode(bytes);
    WriteFile(std::vector<uint8_t>(bytes, bytes + sizeof bytes));

    PUZZLE_PLAYER_PROFILE s;
    LoadSettings(s, Folder(), frame_);
    EXPECT_EQ(s.screen_mode, PUZZLE_PLAYER_PROFILE::kMode1024x768);
    EXPECT_FALSE(s.full_screen);
    EXPECT_EQ(s.sound_volume, 0.9f);
}

TEST_F(PlayerProfileTest, SavePassesTheScreenModeToTheFrame) {
    struct CASE {
        int32_t mode;
        bool flag;
        FAKE_FRAME::CONFIG expected;
        bool flag_after;
    };
    const CASE cases[] = {
        {PUZZLE_PLAYER_PROFILE::kMode1024x768, false, {1024, 768, false}, false},
        {PUZZLE_PLAYER_PROFILE::kMode1440x900, true, {1440, 900, true}, true},
        {PUZZLE_PLAYER_PROFILE::kMode1920x1080, false, {1920, 1080, false}, false},
        {0, false, {1920, 1080, true}, true},      // the desktop is always full screen
        {12345, true, {1024, 768, false}, false},  // unknown: the frame's own size and flag
    };
    for (const CASE& c : cases) {
        PUZZLE_PLAYER_PROFILE s;
        s.screen_mode = c.mode;
        s.full_screen = c.flag;
        s.collector = 99;
        EXPECT_EQ(SaveSettings(s, Folder(), frame_), 1);
        EXPECT_EQ(frame_.written, c.expected) << c.mode;
        EXPECT_EQ(s.full_screen, c.flag_after) << c.mode;
        // The file keeps the flag as it was before the save adjusted it.
        const std::vector<uint8_t> file = FileBytes();
        ASSERT_EQ(file.size(), PUZZLE_PLAYER_PROFILE::kFileSize);
        EXPECT_EQ(file[4], c.flag ? 1 : 0) << c.mode;
        EXPECT_EQ(file[64], 99);
    }
    EXPECT_FALSE(fs::exists(scratch_.Path("set.bin.tmp")));
}

TEST_F(PlayerProfileTest, ASaveIntoAMissingFolderFailsCleanly) {
    PUZZLE_PLAYER_PROFILE s;
    EXPECT_EQ(SaveSettings(s, scratch_.Path("nobody"), frame_), -1);
    EXPECT_FALSE(fs::exists(scratch_.Path("nobody")));
}

}  // namespace
