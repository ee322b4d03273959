// The shipped catalogue: every pzls.xml entry has its picture in the low pack and its thumbnail
// in the pre pack, in the same proportions, small enough for the smallest screen.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <iterator>
#include <memory>
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

// How a picture's pieces look on their own, measured over the cells of a cols x rows grid.
// A flat cell's brightness hardly varies (a standard deviation under 8 of 255); a blurred cell has
// almost no edges (neighbouring pixels differ by under 3 of 255 on average, across and down).
// Either kind becomes pieces that look alike and can only be placed by trial: skies and plain walls
// are flat, the soft backgrounds of close-up photographs are blurred without being flat.
struct PieceDetail {
    double flat_share = 0;
    double blurred_share = 0;
};

double Luma(uint32_t c) {
    return 0.3 * ((c >> 16) & 0xFF) + 0.59 * ((c >> 8) & 0xFF) + 0.11 * (c & 0xFF);
}

PieceDetail MeasureDetail(const WTEXTURE& picture, int cols, int rows) {
    auto luma_at = [&](int x, int y) {
        return Luma(picture.texels[static_cast<size_t>(y) * picture.width + x]);
    };
    int flat = 0, blurred = 0;
    for (int gy = 0; gy < rows; ++gy) {
        for (int gx = 0; gx < cols; ++gx) {
            double sum = 0, square = 0, edges = 0;
            int n = 0;
            for (int y = gy * picture.height / rows; y < (gy + 1) * picture.height / rows; ++y) {
                for (int x = gx * picture.width / cols; x < (gx + 1) * picture.width / cols; ++x) {
                    const double luma = luma_at(x, y);
                    sum += luma;
                    square += luma * luma;
                    if (x + 1 < picture.width)
                        edges += std::abs(luma_at(x + 1, y) - luma);
                    if (y + 1 < picture.height)
                        edges += std::abs(luma_at(x, y + 1) - luma);
                    ++n;
                }
            }
            const double mean = sum / n;
            if (square / n - mean * mean < 8.0 * 8.0)
                ++flat;
            if (edges / n < 3.0)
                ++blurred;
        }
    }
    const double cells = cols * rows;
    return {flat / cells, blurred / cells};
}

// A grey picture of 8 x 6 cells of 20 x 15 texels whose brightness is given per texel.
template <typename Brightness>
std::shared_ptr<WTEXTURE> GreyPicture(Brightness brightness) {
    auto picture = std::make_shared<WTEXTURE>();
    picture->width = 160;
    picture->height = 90;
    for (int y = 0; y < picture->height; ++y) {
        for (int x = 0; x < picture->width; ++x) {
            const uint32_t v = static_cast<uint32_t>(brightness(x, y)) & 0xFF;
            picture->texels.push_back(0xFF000000u | v << 16 | v << 8 | v);
        }
    }
    return picture;
}

// A soft gradient varies too much inside a cell to be flat, yet has no edges a player can match:
// only the blur measure tells it from real detail.
TEST(PieceDetailTest, TellsPlainBlurredAndDetailedPictures) {
    struct Case {
        const char* name;
        std::shared_ptr<WTEXTURE> picture;
        double flat_share;
        double blurred_share;
    };
    const Case cases[] = {
        {"one grey", GreyPicture([](int, int) { return 128; }), 1.0, 1.0},
        {"soft gradient", GreyPicture([](int x, int) { return x * 255 / 160; }), 0.0, 1.0},
        {"fine stripes", GreyPicture([](int x, int) { return x / 2 % 2 * 255; }), 0.0, 0.0},
        {"sharp left half",
         GreyPicture([](int x, int y) { return x < 80 ? (x + y) % 2 * 200 : 90; }), 0.5, 0.5},
    };
    for (const Case& c : cases) {
        const PieceDetail detail = MeasureDetail(*c.picture, 8, 6);
        EXPECT_DOUBLE_EQ(detail.flat_share, c.flat_share) << c.name;
        EXPECT_DOUBLE_EQ(detail.blurred_share, c.blurred_share) << c.name;
    }
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
            const PieceDetail detail = MeasureDetail(*picture, 8, 6);
            EXPECT_LE(detail.flat_share, 0.34)
                << full << ": " << detail.flat_share * 100 << "% of its pieces are plain";
            EXPECT_LE(detail.blurred_share, 0.5)
                << full << ": " << detail.blurred_share * 100 << "% of its pieces are blurred";
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
