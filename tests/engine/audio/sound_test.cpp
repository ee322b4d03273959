// The sound player on the dummy audio driver, and without any audio device.
#include "engine/audio/sound.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "tests/engine/audio/sine_ogg.h"
#include "tests/support/scratch_folder.h"

namespace {

class SoundTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { setenv("SDL_AUDIODRIVER", "dummy", 1); }

    void SetUp() override {
        ogg_ = SineOgg();
        ASSERT_FALSE(ogg_.empty());
        system_ = std::make_unique<WSOUND_SYSTEM>();
        ASSERT_TRUE(system_->AudioReady());
    }

    std::unique_ptr<WSOUND> FromMemory() {
        return std::unique_ptr<WSOUND>(system_->LoadMemory(ogg_.data(), ogg_.size()));
    }

    std::string ogg_;
    std::unique_ptr<WSOUND_SYSTEM> system_;
};

TEST_F(SoundTest, LoadsOggFromFileAndMemory) {
    SCRATCH_FOLDER scratch;
    const std::string path = scratch.Write("tone.ogg", ogg_);
    std::unique_ptr<WSOUND> from_file(system_->LoadFile(path.c_str()));
    ASSERT_NE(from_file, nullptr);
    EXPECT_TRUE(from_file->HasChunk());
    EXPECT_EQ(system_->LastSound(), from_file.get());

    std::unique_ptr<WSOUND> from_memory = FromMemory();
    ASSERT_NE(from_memory, nullptr);
    EXPECT_TRUE(from_memory->HasChunk());
    EXPECT_EQ(system_->LastSound(), from_memory.get());
    EXPECT_EQ(from_memory->Channel(), -1);
    EXPECT_EQ(from_memory->Loops(), 0);
    EXPECT_EQ(from_memory->MixerVolume(), 128);
}

TEST_F(SoundTest, UndecodableDataGivesASilentSound) {
    SCRATCH_FOLDER scratch;
    const std::string truncated = ogg_.substr(0, ogg_.size() / 3);
    const std::string garbage(512, 'x');
    std::unique_ptr<WSOUND> sounds[] = {
        std::unique_ptr<WSOUND>(system_->LoadMemory(garbage.data(), garbage.size())),
        std::unique_ptr<WSOUND>(system_->LoadMemory(nullptr, 0)),
        std::unique_ptr<WSOUND>(system_->LoadFile(scratch.Path("missing.ogg").c_str())),
        std::unique_ptr<WSOUND>(system_->LoadFile(scratch.Write("cut.ogg", truncated).c_str())),
    };
    for (const auto& sound : sounds) {
        ASSERT_NE(sound, nullptr);
        if (sound->HasChunk()) {
            continue;  // the decoder may keep what it could read of a cut stream
        }
        EXPECT_EQ(sound->Play(0), 0);
        EXPECT_EQ(sound->Channel(), -1);
        EXPECT_EQ(sound->SetVolume(0.5f), 0);
        EXPECT_EQ(sound->MixerVolume(), 0);
        EXPECT_EQ(sound->Halt(), 0);
        EXPECT_EQ(sound->Pause(), 0);
        EXPECT_EQ(sound->Resume(), 0);
    }
    EXPECT_FALSE(sounds[0]->HasChunk());
    EXPECT_FALSE(sounds[1]->HasChunk());
    EXPECT_FALSE(sounds[2]->HasChunk());
}

TEST_F(SoundTest, AnOverlappedSoundRefusesSingleChannelPlay) {
    std::unique_ptr<WSOUND> sound = FromMemory();
    sound->SetOverlap(true);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(sound->Play(0), 0);
    }
    EXPECT_EQ(sound->Channel(), -1);  // overlapping plays are not remembered
    sound->SetOverlap(false);
    EXPECT_EQ(sound->Play(0), 1);
    EXPECT_EQ(sound->Play(0), 1);
}

TEST_F(SoundTest, SingleChannelPlayRemembersItsChannel) {
    std::unique_ptr<WSOUND> sound = FromMemory();
    EXPECT_EQ(sound->Halt(), 0);  // never played: channel -1, every channel
    EXPECT_EQ(sound->Channel(), -1);
    sound->SetLoop(true);
    EXPECT_EQ(sound->Loops(), -1);
    EXPECT_EQ(sound->Play(0), 0);
    EXPECT_GE(sound->Channel(), 0);
    EXPECT_EQ(sound->Pause(), 0);
    EXPECT_EQ(sound->Resume(), 0);
    EXPECT_EQ(sound->Halt(), 0);
    sound->SetLoop(false);
    EXPECT_EQ(sound->Loops(), 0);
}

TEST_F(SoundTest, VolumeIsTruncatedOntoTheMixerRange) {
    std::unique_ptr<WSOUND> sound = FromMemory();
    const struct {
        float volume;
        int mixer;
    } cases[] = {{1.0f, 128}, {0.5f, 64}, {0.999f, 127}, {0.0f, 0}, {0.0078f, 0}, {2.0f, 128}};
    for (const auto& c : cases) {
        EXPECT_EQ(sound->SetVolume(c.volume), 0);
        EXPECT_EQ(sound->MixerVolume(), c.mixer) << c.volume;
    }
}

TEST(SoundWithoutDevice, EveryLoadIsNullAndEveryCallAnswersZero) {
    setenv("SDL_AUDIODRIVER", "no_such_driver", 1);
    WSOUND_SYSTEM system;
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_FALSE(system.AudioReady());
    const std::string ogg = SineOgg();
    WSOUND* sound = system.LoadMemory(ogg.data(), ogg.size());
    EXPECT_EQ(sound, nullptr);
    EXPECT_EQ(system.LoadFile("anything.ogg"), nullptr);
    EXPECT_EQ(system.LastSound(), nullptr);
    EXPECT_EQ(SoundPlay(sound), 0);
    EXPECT_EQ(SoundHalt(sound), 0);
    EXPECT_EQ(SoundPause(sound), 0);
    EXPECT_EQ(SoundResume(sound), 0);
    EXPECT_EQ(SoundSetLoop(sound, true), 0);
    EXPECT_EQ(SoundSetOverlap(sound, true), 0);
    EXPECT_EQ(SoundSetVolume(sound, 1.0f), 0);
}

}  // namespace
