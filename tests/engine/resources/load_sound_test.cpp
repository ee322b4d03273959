// The frame's LoadSound: a sound from an encrypted pack member or from the loose folder.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "engine/audio/sound.h"
#include "engine/frame/file_system.h"
#include "engine/frame/game.h"
#include "engine/resources/pack_password.h"
#include "tests/engine/resources/scratch_folder.h"
#include "tools/pack_builder/pack_writer.h"

namespace {

void PutLe(std::string& bytes, uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

// A tenth of a second of 16-bit mono silence at 22050 Hz as a WAV file image: the mixer decodes
// it like any sound file, which is all the loader needs.
std::string SilentWav() {
    const uint32_t data_size = 2205 * 2;
    std::string wav = "RIFF";
    PutLe(wav, 36 + data_size, 4);
    wav += "WAVEfmt ";
    PutLe(wav, 16, 4);
    PutLe(wav, 1, 2);          // PCM
    PutLe(wav, 1, 2);          // mono
    PutLe(wav, 22050, 4);      // frames per second
    PutLe(wav, 22050 * 2, 4);  // bytes per second
    PutLe(wav, 2, 2);          // bytes per frame
    PutLe(wav, 16, 2);         // bits per sample
    wav += "data";
    PutLe(wav, data_size, 4);
    return wav + std::string(data_size, '\0');
}

class LoadSoundTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        game_ = WUN::ST_GAME::GetInstance();
        ASSERT_TRUE(game_->sound.AudioReady());
        const std::string tone = scratch_.Write("DATA/music/tone.wav", SilentWav());
        std::string error;
        ASSERT_EQ(WritePack(pack_, {{"tone.wav", tone}}, kPackPassword, error), 1) << error;
        g_file_system.PackPassword = kPackPassword;
    }
    void TearDown() override {
        g_file_system.SetPack(nullptr);
        g_file_system.SetLooseFolder("");
        g_file_system.PackPassword.clear();
    }

    // The sound, or null; the pack must be closed and its member freed whatever happened.
    std::unique_ptr<WSOUND> Load(const char* name) {
        std::unique_ptr<WSOUND> sound(game_->LoadSound(name));
        EXPECT_EQ(g_file_system.archive, nullptr);
        EXPECT_EQ(g_file_system.MemberData, nullptr);
        return sound;
    }

    SCRATCH_FOLDER scratch_;
    const std::string pack_ = scratch_.Path("packs/DATA/music");
    WUN::ST_GAME* game_ = nullptr;
};

TEST_F(LoadSoundTest, ReadsTheMemberFromTheCurrentPack) {
    g_file_system.SetPack(pack_.c_str());
    const std::unique_ptr<WSOUND> sound = Load("tone.wav");
    ASSERT_NE(sound, nullptr);
    EXPECT_TRUE(sound->HasChunk());
    EXPECT_EQ(sound->Play(0), 0);
    EXPECT_GE(sound->Channel(), 0);
    sound->Halt();
}

TEST_F(LoadSoundTest, PackFailuresGiveNoSound) {
    const std::string missing_pack = scratch_.Path("packs/DATA/none");
    const struct {
        const char* label;
        const char* pack;
        const char* name;
        const char* password;
    } cases[] = {
        {"missing member", pack_.c_str(), "Tone.wav", kPackPassword},
        {"wrong password", pack_.c_str(), "tone.wav", "MosaicKeyQuartz!"},
        {"missing pack", missing_pack.c_str(), "tone.wav", kPackPassword},
        {"no name", pack_.c_str(), nullptr, kPackPassword},
    };
    for (const auto& c : cases) {
        g_file_system.SetPack(c.pack);
        g_file_system.PackPassword = c.password;
        EXPECT_EQ(Load(c.name), nullptr) << c.label;
    }
}

TEST_F(LoadSoundTest, WithoutAPackReadsTheLooseFile) {
    g_file_system.SetLooseFolder(scratch_.Path("DATA/music").c_str());
    const std::unique_ptr<WSOUND> sound = Load("tone.wav");
    ASSERT_NE(sound, nullptr);
    EXPECT_TRUE(sound->HasChunk());
    const std::unique_ptr<WSOUND> missing = Load("none.wav");
    ASSERT_NE(missing, nullptr);  // like a file that does not decode: a sound that stays silent
    EXPECT_FALSE(missing->HasChunk());
}

}  // namespace
