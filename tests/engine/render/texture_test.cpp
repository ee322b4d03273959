// Textures: the default texture, creation, PNG and JPEG loads, the last image size, FillTexture.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <iterator>
#include <string>
#include <vector>

#include "engine/platform/png_writer.h"
#include "engine/render/render_device.h"
#include "tests/support/png_bytes.h"
#include "tests/support/scratch_folder.h"

namespace {

class TextureTest : public testing::Test {
  protected:
    // A 3 × 2 picture: top row red, green, blue; bottom row half-transparent white, black, grey.
    std::string WriteFixturePng() {
        const std::vector<uint32_t> texels = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF,
                                              0x80FFFFFF, 0xFF000000, 0xFF808080};
        std::string path = scratch_.Path("fixture.png");
        EXPECT_TRUE(platform::WritePng(path, texels.data(), 3, 2));
        return path;
    }

    // A 16 × 8 flat orange JPEG.
    std::string WriteFixtureJpeg() {
        SDL_Surface* surface =
            SDL_CreateRGBSurfaceWithFormat(0, 16, 8, 32, SDL_PIXELFORMAT_ARGB8888);
        SDL_FillRect(surface, nullptr, 0xFFFF8000);
        std::string path = scratch_.Path("fixture.jpg");
        EXPECT_EQ(IMG_SaveJPG(surface, path.c_str(), 95), 0);
        SDL_FreeSurface(surface);
        return path;
    }

    SCRATCH_FOLDER scratch_;
    WRENDER render_;
};

TEST_F(TextureTest, DefaultTextureIsWhiteEightByEightAndSurvivesRelease) {
    WTEXTURE* white = render_.GetDefaultTexture();
    ASSERT_NE(white, nullptr);
    EXPECT_EQ(render_.GetTextureWidth(white), 8);
    EXPECT_EQ(render_.GetTextureHeight(white), 8);
    EXPECT_EQ(render_.ReleaseTexture(white), -1);
    EXPECT_EQ(render_.GetDefaultTexture(), white);
    ASSERT_EQ(white->texels.size(), 64u);
    for (uint32_t texel : white->texels) {
        EXPECT_EQ(texel, 0xFFFFFFFFu);
    }
    EXPECT_EQ(render_.ReleaseTexture(nullptr), -1);
    EXPECT_EQ(render_.ReleaseTexture(render_.GetSceneTexture()), -1);
}

TEST_F(TextureTest, CreateSetsTheImageSizeAndRefusesImpossibleSizes) {
    WTEXTURE* t = render_.CreateTexture(5, 3);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(render_.GetImageWidth(), 5);
    EXPECT_EQ(render_.GetImageHeight(), 3);
    int w = 0, h = 0;
    render_.GetTextureSize(t, w, h);
    EXPECT_EQ(w, 5);
    EXPECT_EQ(h, 3);
    EXPECT_EQ(render_.ReleaseTexture(t), 0);
    EXPECT_EQ(render_.CreateTexture(0, 4), nullptr);
    EXPECT_EQ(render_.CreateTexture(4, -1), nullptr);
    EXPECT_EQ(render_.CreateTexture(WRENDER::kMaxTextureSize + 1, 1), nullptr);
    render_.GetTextureSize(nullptr, w, h);
    EXPECT_EQ(w, -1);
    EXPECT_EQ(h, -1);
}

TEST_F(TextureTest, PngFromFileAndMemoryKeepsTexelsInOrder) {
    std::string path = WriteFixturePng();
    const std::string bytes = scratch_.Read("fixture.png");
    WTEXTURE* from_file = render_.LoadTextureFile(path);
    WTEXTURE* from_memory = render_.LoadTextureFromMemory(bytes.data(), bytes.size());
    for (WTEXTURE* t : {from_file, from_memory}) {
        ASSERT_NE(t, render_.GetDefaultTexture());
        EXPECT_EQ(t->width, 3);
        EXPECT_EQ(t->height, 2);
        const std::vector<uint32_t> expected = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF,
                                                0x80FFFFFF, 0xFF000000, 0xFF808080};
        EXPECT_EQ(t->texels, expected);
    }
    EXPECT_EQ(render_.GetImageWidth(), 3);
    EXPECT_EQ(render_.GetImageHeight(), 2);
    render_.ReleaseTexture(from_file);
    render_.ReleaseTexture(from_memory);
}

TEST_F(TextureTest, JpegFromFileAndMemory) {
    std::string path = WriteFixtureJpeg();
    const std::string bytes = scratch_.Read("fixture.jpg");
    for (WTEXTURE* t : {render_.LoadTextureFile(path),
                        render_.LoadTextureFromMemory(bytes.data(), bytes.size())}) {
        ASSERT_NE(t, render_.GetDefaultTexture());
        EXPECT_EQ(t->width, 16);
        EXPECT_EQ(t->height, 8);
        uint32_t texel = t->texels[3 * 16 + 4];
        EXPECT_EQ(texel >> 24, 0xFFu);
        EXPECT_NEAR(int((texel >> 16) & 0xFF), 0xFF, 6);
        EXPECT_NEAR(int((texel >> 8) & 0xFF), 0x80, 6);
        EXPECT_NEAR(int(texel & 0xFF), 0x00, 6);
        render_.ReleaseTexture(t);
    }
    EXPECT_EQ(render_.GetImageWidth(), 16);
}

// Missing, empty, truncated and hostile files all give the default texture and keep the last
// image size of the previous good load.
TEST_F(TextureTest, BadImagesGiveTheDefaultAndKeepTheLastImageSize) {
    WTEXTURE* good = render_.CreateTexture(7, 5);
    WriteFixturePng();
    const std::string png = scratch_.Read("fixture.png");
    const std::string truncated = png.substr(0, png.size() / 2);
    std::string huge = png;  // a header claiming 100000 × 100000
    const unsigned char claim[8] = {0x00, 0x01, 0x86, 0xA0, 0x00, 0x01, 0x86, 0xA0};
    std::copy(std::begin(claim), std::end(claim), huge.begin() + 16);
    const std::string text = "not a picture";

    EXPECT_EQ(render_.LoadTextureFile(scratch_.Path("missing.png")), render_.GetDefaultTexture());
    EXPECT_EQ(render_.LoadTextureFile(scratch_.Root()), render_.GetDefaultTexture());
    // A named pipe with no writer: opening it must not wait for one.
    ASSERT_EQ(::mkfifo(scratch_.Path("pipe.png").c_str(), 0600), 0);
    EXPECT_EQ(render_.LoadTextureFile(scratch_.Path("pipe.png")), render_.GetDefaultTexture());
    EXPECT_EQ(render_.LoadTextureFromMemory(nullptr, 0), render_.GetDefaultTexture());
    EXPECT_EQ(render_.LoadTextureFromMemory(text.data(), text.size()), render_.GetDefaultTexture());
    EXPECT_EQ(render_.LoadTextureFromMemory(truncated.data(), truncated.size()),
              render_.GetDefaultTexture());
    EXPECT_EQ(render_.LoadTextureFromMemory(huge.data(), huge.size()), render_.GetDefaultTexture());
    EXPECT_EQ(render_.GetImageWidth(), 7);
    EXPECT_EQ(render_.GetImageHeight(), 5);
    render_.ReleaseTexture(good);
}

// A picture larger than the largest picture tier is scaled down to fit it as it is decoded, so
// a huge photo costs what a catalogue one does: 8192 x 8192 in one colour is 255 KB of PNG.
TEST_F(TextureTest, PicturesLargerThanTheLargestScreenModeComeFittedIntoIt) {
    const std::string png = png_bytes::SolidPng(8192, 8192, 0xFF336699);
    WTEXTURE* t = render_.LoadTextureFromMemory(png.data(), png.size());
    ASSERT_NE(t, render_.GetDefaultTexture());
    EXPECT_EQ(t->width, WRENDER::kMaxPictureHeight);
    EXPECT_EQ(t->height, WRENDER::kMaxPictureHeight);
    EXPECT_EQ(render_.GetImageWidth(), WRENDER::kMaxPictureHeight);
    EXPECT_EQ(t->texels, std::vector<uint32_t>(t->texels.size(), 0xFF336699));
    render_.ReleaseTexture(t);
}

TEST_F(TextureTest, LockGivesTheTexelsAndSetsTheImageSize) {
    WTEXTURE* t = render_.CreateTexture(4, 2);
    WTEXTURE* later = render_.CreateTexture(1, 1);
    uint32_t* texels = render_.LockTexture(t);
    ASSERT_NE(texels, nullptr);
    EXPECT_EQ(render_.GetImageWidth(), 4);
    EXPECT_EQ(render_.GetImageHeight(), 2);
    texels[1 * 4 + 3] = 0x12345678;
    render_.UnlockTexture(t);
    EXPECT_EQ(t->texels[7], 0x12345678u);
    EXPECT_TRUE(t->dirty);
    EXPECT_EQ(render_.LockTexture(render_.GetSceneTexture()), nullptr);
    EXPECT_EQ(render_.LockTexture(nullptr), nullptr);
    render_.ReleaseTexture(t);
    render_.ReleaseTexture(later);
}

// Without a device nothing is uploaded, so a texture over held texels keeps them even when
// nothing would read them after an upload: tests and tools still see every texel.
TEST_F(TextureTest, TextureOverHeldTexelsLocksFillsAndKeepsThemWithoutADevice) {
    std::vector<uint32_t> held(6, 0xFF102030);
    WTEXTURE* t = render_.CreateTextureOver(3, 2, held.data());
    ASSERT_NE(t, nullptr);
    t->drop_after_upload = true;
    EXPECT_TRUE(t->texels.empty());
    EXPECT_EQ(render_.LockTexture(t), held.data());
    EXPECT_EQ(render_.GetImageWidth(), 3);
    render_.UnlockTexture(t);
    FillTexture(0xFF405060, t);
    EXPECT_EQ(held, std::vector<uint32_t>(6, 0xFF405060));
    EXPECT_EQ(render_.LockTexture(t), held.data());
    render_.ReleaseTexture(t);
    // The holder's texels outlive the texture: releasing it leaves them alone.
    EXPECT_EQ(held, std::vector<uint32_t>(6, 0xFF405060));

    EXPECT_EQ(render_.CreateTextureOver(3, 2, nullptr), nullptr);
    EXPECT_EQ(render_.CreateTextureOver(0, 2, held.data()), nullptr);
}

TEST_F(TextureTest, FillTextureWritesEveryTexel) {
    WTEXTURE* t = render_.CreateTexture(3, 5);
    FillTexture(0xBBFFFFFF, t);
    EXPECT_EQ(t->texels, std::vector<uint32_t>(15, 0xBBFFFFFF));
    FillTexture(0x88000000, nullptr);  // ignored
    render_.ReleaseTexture(t);
}

}  // namespace
