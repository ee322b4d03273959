// LoadTextureFromPack: images read from a zip pack, and every pack failure gives the default.
#include <gtest/gtest.h>
#include <minizip/zip.h>

#include <string>
#include <vector>

#include "engine/platform/png_writer.h"
#include "engine/render/render_device.h"
#include "engine/resources/pack_texture.h"
#include "tests/support/scratch_folder.h"

namespace {

class TexturePackTest : public testing::Test {
  protected:
    void SetUp() override {
        const std::vector<uint32_t> texels(6 * 4, 0xFF00FF00);
        ASSERT_TRUE(platform::WritePng(scratch_.Path("tile.png"), texels.data(), 6, 4));
        const std::string png = scratch_.Read("tile.png");
        pack_ = scratch_.Path("menu");
        WritePack(pack_, {{"pics/tile.png", {png.begin(), png.end()}}, {"notes.txt", {'h', 'i'}}});
    }

    // An unencrypted zip, which the pack reader accepts with any password.
    static void WritePack(const std::string& path,
                          const std::vector<std::pair<std::string, std::vector<char>>>& members) {
        zipFile zip = zipOpen(path.c_str(), APPEND_STATUS_CREATE);
        ASSERT_NE(zip, nullptr);
        for (const auto& [name, data] : members) {
            zip_fileinfo info{};
            ASSERT_EQ(zipOpenNewFileInZip(zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                          Z_DEFLATED, Z_DEFAULT_COMPRESSION),
                      ZIP_OK);
            ASSERT_EQ(zipWriteInFileInZip(zip, data.data(), unsigned(data.size())), ZIP_OK);
            ASSERT_EQ(zipCloseFileInZip(zip), ZIP_OK);
        }
        ASSERT_EQ(zipClose(zip, nullptr), ZIP_OK);
    }

    SCRATCH_FOLDER scratch_;
    std::string pack_;
    WRENDER render_;
};

TEST_F(TexturePackTest, LoadsAMemberByItsExactName) {
    WTEXTURE* t = LoadTextureFromPack(render_, pack_.c_str(), "pics/tile.png", "");
    ASSERT_NE(t, render_.GetDefaultTexture());
    EXPECT_EQ(t->width, 6);
    EXPECT_EQ(t->height, 4);
    EXPECT_EQ(t->texels[0], 0xFF00FF00u);
    EXPECT_EQ(render_.GetImageWidth(), 6);
    EXPECT_EQ(render_.GetImageHeight(), 4);
    render_.ReleaseTexture(t);
}

TEST_F(TexturePackTest, FailuresGiveTheDefaultAndKeepTheLastImageSize) {
    render_.ReleaseTexture(render_.CreateTexture(9, 2));
    const std::string missing_pack = scratch_.Path("absent");
    struct {
        const char* pack;
        const char* name;
    } cases[] = {{missing_pack.c_str(), "pics/tile.png"},
                 {pack_.c_str(), "tile.png"},
                 {pack_.c_str(), "PICS/TILE.PNG"},
                 {pack_.c_str(), "notes.txt"},
                 {nullptr, "pics/tile.png"}};
    for (const auto& c : cases) {
        EXPECT_EQ(LoadTextureFromPack(render_, c.pack, c.name, ""), render_.GetDefaultTexture())
            << c.name;
        EXPECT_EQ(render_.GetImageWidth(), 9) << c.name;
        EXPECT_EQ(render_.GetImageHeight(), 2) << c.name;
    }
    // The pack is closed again after every failure: the next load works.
    WTEXTURE* t = LoadTextureFromPack(render_, pack_.c_str(), "pics/tile.png", "");
    EXPECT_NE(t, render_.GetDefaultTexture());
    render_.ReleaseTexture(t);
}

}  // namespace
