// A per-user folder of one test and profiles working in it, with a frame that stands still.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/text/strings.h"
#include "game/records/player_settings.h"
#include "game/shell/profile.h"
#include "tests/engine/ui/ui_fixture.h"
#include "tests/support/scratch_folder.h"

// A 1024 x 768 window on a 1920 x 1080 desktop; configuration writes go nowhere.
class FIXED_FRAME : public FRAME_SCREEN_LINK {
  public:
    FRAME_SCREEN Read() override { return {1024, 768, 1024 * 768, 1920, 1080, false}; }
    void WriteConfiguration(int, int, bool) override {}
};

class ProfileTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        g_texts.profiles_txt_default_name = "Player";
    }

    std::unique_ptr<PROFILE> MakeProfile(WFONT* font = nullptr) {
        return std::make_unique<PROFILE>(font, users.Root(), frame);
    }
    std::string LastPlayer() const { return users.Read("LC.pzl"); }
    // A real folder, not a link to one.
    bool IsFolder(const std::string& relative) const {
        return std::filesystem::is_directory(std::filesystem::symlink_status(users.Path(relative)));
    }
    bool Exists(const std::string& relative) const {
        return std::filesystem::exists(std::filesystem::symlink_status(users.Path(relative)));
    }
    // A player folder whose "set.bin" holds the score.
    void MakePlayer(const std::string& name, uint32_t score) {
        PUZZLE_PLAYER_PROFILE settings;
        settings.jigsaw_master = score;
        uint8_t bytes[PUZZLE_PLAYER_PROFILE::kFileSize];
        settings.Encode(bytes);
        users.Write(name + "/set.bin", std::string(bytes, bytes + sizeof bytes));
    }
    void Link(const std::string& target, const std::string& relative) const {
        std::filesystem::create_symlink(target, users.Path(relative));
    }

    SCRATCH_FOLDER users;  // the per-user folder
    FIXED_FRAME frame;
};
