// One item by name through the game's loaders (the frame's LoadSound and the texture loader):
// from the current pack with the pack password, else from LooseFolder + "/" + name.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "engine/audio/sound.h"
#include "engine/frame/game.h"
#include "engine/platform/png_writer.h"
#include "engine/render/render_device.h"
#include "engine/render/texture.h"
#include "engine/resources/file_system.h"
#include "engine/resources/pack_password.h"
#include "engine/resources/pack_texture.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/silent_wav.h"
#include "tools/pack_builder/pack_writer.h"

namespace {

// The same files as a pack "packs/DATA/menu" and as the loose folder "DATA/menu":
// a 3 x 2 picture up_panel.png and a sound tone.wav.
class ItemLoadingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        game_ = WUN::ST_GAME::GetInstance();
        ASSERT_TRUE(game_->sound.AudioReady());
        const std::string tone = scratch_.Write("DATA/menu/tone.wav", SilentWav());
        const std::vector<uint32_t> texels(3 * 2, 0xFF336699);
        ASSERT_TRUE(
            platform::WritePng(scratch_.Path("DATA/menu/up_panel.png"), texels.data(), 3, 2));
        std::string error;
        ASSERT_EQ(WritePack(pack_,
                            {{"up_panel.png", scratch_.Path("DATA/menu/up_panel.png")},
                             {"tone.wav", tone}},
                            kPackPassword, error),
                  1)
            << error;
        saved_uses_packs_ = UsePacks;
        g_file_system.PackPassword = kPackPassword;
    }
    void TearDown() override {
        UsePacks = saved_uses_packs_;
        g_file_system.SetPack(nullptr);
        g_file_system.SetLooseFolder("");
        g_file_system.PackPassword.clear();
    }

    // The sound, or null; the pack must be closed and its member freed whatever happened.
    std::unique_ptr<WSOUND> Sound(const char* name) {
        std::unique_ptr<WSOUND> sound(game_->LoadSound(name));
        ExpectNothingOpen();
        return sound;
    }

    // The picture's size, or 0 x 0 for the default texture that a failed load gives.
    std::pair<int, int> PictureSize(const char* name) {
        WRENDER& device = *game_->GetRender();
        WTEXTURE* texture = LoadNamedTexture(device, name, false);
        ExpectNothingOpen();
        if (texture == device.GetDefaultTexture()) {
            return {0, 0};
        }
        const std::pair<int, int> size = {texture->width, texture->height};
        device.ReleaseTexture(texture);
        return size;
    }

    static void ExpectNothingOpen() {
        EXPECT_EQ(g_file_system.archive, nullptr);
        EXPECT_EQ(g_file_system.MemberData, nullptr);
    }

    SCRATCH_FOLDER scratch_;
    const std::string pack_ = scratch_.Path("packs/DATA/menu");
    WUN::ST_GAME* game_ = nullptr;
    bool saved_uses_packs_ = false;
};

using SIZE = std::pair<int, int>;

TEST_F(ItemLoadingTest, ItemsComeFromTheCurrentPack) {
    UsePacks = true;
    g_file_system.SelectPack(pack_.c_str());
    EXPECT_EQ(PictureSize("up_panel.png"), SIZE(3, 2));
    EXPECT_EQ(PictureSize("Up_panel.png"), SIZE(0, 0));
    const std::unique_ptr<WSOUND> sound = Sound("tone.wav");
    ASSERT_NE(sound, nullptr);
    EXPECT_TRUE(sound->HasChunk());
    EXPECT_EQ(sound->Play(0), 0);
    EXPECT_GE(sound->Channel(), 0);
    sound->Halt();
    g_file_system.UnselectPack();
    EXPECT_EQ(g_file_system.CurrentPack, nullptr);
}

TEST_F(ItemLoadingTest, PackFailuresGiveNoSoundAndTheDefaultTexture) {
    const std::string missing_pack = scratch_.Path("packs/DATA/none");
    const struct {
        const char* label;
        const char* pack;
        const char* sound;
        const char* picture;
        const char* password;
    } cases[] = {
        {"missing member", pack_.c_str(), "Tone.wav", "up_panel.jpg", kPackPassword},
        {"wrong password", pack_.c_str(), "tone.wav", "up_panel.png", "MosaicKeyQuartz!"},
        {"missing pack", missing_pack.c_str(), "tone.wav", "up_panel.png", kPackPassword},
        {"no name", pack_.c_str(), nullptr, nullptr, kPackPassword},
    };
    for (const auto& c : cases) {
        g_file_system.SetPack(c.pack);
        g_file_system.PackPassword = c.password;
        EXPECT_EQ(Sound(c.sound), nullptr) << c.label;
        EXPECT_EQ(PictureSize(c.picture), SIZE(0, 0)) << c.label;
    }
}

TEST_F(ItemLoadingTest, WithoutPacksTheSelectedPackNamesALooseFolder) {
    WORKING_FOLDER working(scratch_.Root());
    UsePacks = false;
    g_file_system.SelectPack("DATA/menu");
    EXPECT_EQ(g_file_system.CurrentPack, nullptr);
    EXPECT_EQ(PictureSize("up_panel.png"), SIZE(3, 2));  // DATA/menu/up_panel.png
    EXPECT_EQ(PictureSize("Up_panel.png"), SIZE(0, 0));
    const std::unique_ptr<WSOUND> sound = Sound("tone.wav");
    ASSERT_NE(sound, nullptr);
    EXPECT_TRUE(sound->HasChunk());
    const std::unique_ptr<WSOUND> missing = Sound("none.wav");
    ASSERT_NE(missing, nullptr);  // like a file that does not decode: a sound that stays silent
    EXPECT_FALSE(missing->HasChunk());
}

TEST_F(ItemLoadingTest, AnEmptyLooseFolderStillPutsASlashBeforeTheName) {
    // With no folder the name is read from "/" + name: a name relative to the file system's
    // root reaches the scratch files.
    const std::string from_root = scratch_.Path("DATA/menu").substr(1);
    g_file_system.SetPack(nullptr);
    g_file_system.SetLooseFolder("");
    EXPECT_EQ(PictureSize((from_root + "/up_panel.png").c_str()), SIZE(3, 2));
    const std::unique_ptr<WSOUND> sound = Sound((from_root + "/tone.wav").c_str());
    ASSERT_NE(sound, nullptr);
    EXPECT_TRUE(sound->HasChunk());
}

}  // namespace
