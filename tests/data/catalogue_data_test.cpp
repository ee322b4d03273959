// The shipped catalogue: every pzls.xml entry has its picture in the low pack and its thumbnail
// in the pre pack, in the same proportions, small enough for the smallest screen.
#include <gtest/gtest.h>

#include <iterator>
#include <pugixml.hpp>
#include <set>
#include <string>
#include <vector>

#include "engine/frame/game.h"
#include "engine/render/image_info.h"
#include "engine/render/render_device.h"
#include "engine/resources/registry.h"
#include "game/shell/catalogue_reader.h"
#include "tests/data/game_folder.h"

namespace {

// The play area of the smallest screen mode (1024 x 768 less a 50-pixel margin all round):
// a finished puzzle lies at the picture's own size and must fit inside it.
constexpr int kPlayWidth = 1024 - 100;
constexpr int kPlayHeight = 768 - 100;

class CatalogueDataTest : public RegistryFolderTest {
  protected:
    void SetUp() override {
        RegistryFolderTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(pzls_.load_file("pzls.xml"));
    }
    pugi::xml_document pzls_;
};

// The share of cells of a cols x rows grid over the picture whose brightness hardly varies (a
// standard deviation under 8 of 255): such cells become pieces that look alike and can only be
// placed by trial. Blurred backgrounds of close-up photographs score high.
double FlatShare(const WTEXTURE& picture, int cols, int rows) {
    int flat = 0;
    for (int gy = 0; gy < rows; ++gy) {
        for (int gx = 0; gx < cols; ++gx) {
            double sum = 0, square = 0;
            int n = 0;
            for (int y = gy * picture.height / rows; y < (gy + 1) * picture.height / rows; ++y) {
                for (int x = gx * picture.width / cols; x < (gx + 1) * picture.width / cols; ++x) {
                    uint32_t c = picture.texels[static_cast<size_t>(y) * picture.width + x];
                    double luma =
                        0.3 * ((c >> 16) & 0xFF) + 0.59 * ((c >> 8) & 0xFF) + 0.11 * (c & 0xFF);
                    sum += luma;
                    square += luma * luma;
                    ++n;
                }
            }
            double mean = sum / n;
            if (square / n - mean * mean < 8.0 * 8.0)
                ++flat;
        }
    }
    return static_cast<double>(flat) / (cols * rows);
}

TEST_F(CatalogueDataTest, EveryEntryHasItsPictureAndThumbnail) {
    int entries = 0, categories = 0;
    std::set<std::string> pictures;
    std::vector<unsigned char> bytes;
    for (pugi::xml_node category : pzls_.document_element().children()) {
        ++categories;
        int in_category = 0;
        for (pugi::xml_node entry : category.children()) {
            ++entries;
            ++in_category;
            const std::string full = entry.attribute("adrFm").as_string();
            const std::string thumb = entry.attribute("adrSm").as_string();
            SCOPED_TRACE(full);
            EXPECT_TRUE(pictures.insert(full).second) << "listed twice";
            EXPECT_GT(entry.attribute("amount").as_int(), 0);

            int fw = 0, fh = 0, tw = 0, th = 0;
            ASSERT_TRUE(ReadGameMember(g_resources.packs.low_pack, full, bytes));
            ASSERT_TRUE(ReadImageInfo(bytes.data(), bytes.size(), fw, fh));
            ASSERT_TRUE(ReadGameMember(g_resources.packs.pre_pack, thumb, bytes));
            ASSERT_TRUE(ReadImageInfo(bytes.data(), bytes.size(), tw, th));
            EXPECT_LE(fw, kPlayWidth);
            EXPECT_LE(fh, kPlayHeight);
            EXPECT_LT(tw, fw);
            // The grid is computed from the thumbnail and cut from the picture.
            EXPECT_NEAR(static_cast<double>(tw) / th, static_cast<double>(fw) / fh, 0.01);
        }
        EXPECT_GT(in_category, 0) << "category " << categories << " is empty";
    }
    EXPECT_GE(categories, 5);
    EXPECT_GE(entries, 30);
}

TEST_F(CatalogueDataTest, PicturesHaveDetailAcrossTheirPieces) {
    WRENDER* render = WUN::ST_GAME::GetInstance()->GetRender();
    std::vector<unsigned char> bytes;
    for (pugi::xml_node category : pzls_.document_element().children()) {
        for (pugi::xml_node entry : category.children()) {
            const std::string full = entry.attribute("adrFm").as_string();
            ASSERT_TRUE(ReadGameMember(g_resources.packs.low_pack, full, bytes)) << full;
            WTEXTURE* picture = render->LoadTextureFromMemory(bytes.data(), bytes.size());
            ASSERT_NE(picture, render->GetDefaultTexture()) << full;
            const double flat = FlatShare(*picture, 8, 6);
            EXPECT_LE(flat, 0.34) << full << ": " << flat * 100 << "% of its pieces are plain";
            render->ReleaseTexture(picture);
        }
    }
}

// The shell's reader drops entries whose picture or thumbnail is missing: none of the shipped
// ones may be, and each picture must decode (a game never starts on the default texture).
TEST_F(CatalogueDataTest, TheShellKeepsEveryEntryAndEachPictureLoads) {
    const auto categories = LoadFramesList(kCatalogueFile, 1024, 768);
    WTEXTURE* default_texture = WUN::ST_GAME::GetInstance()->GetRender()->GetDefaultTexture();
    size_t index = 0;
    for (pugi::xml_node category : pzls_.document_element().children()) {
        ASSERT_LT(index, categories.size());
        PUZZLE_CATEGORY& read = *categories[index];
        EXPECT_EQ(read.name_index, static_cast<int>(index));
        EXPECT_NE(read.NextButton().GetTexture(), default_texture);
        EXPECT_NE(read.PreviousButton().GetTexture(), default_texture);
        const auto entries = std::distance(category.children().begin(), category.children().end());
        ASSERT_EQ(read.EntryCount(), entries);
        for (int i = 0; i < read.EntryCount(); ++i) {
            EXPECT_TRUE(read.Entry(i).PictureLoads()) << read.Entry(i).picture;
        }
        ++index;
    }
    EXPECT_EQ(categories.size(), index);
}

}  // namespace
