// The shipped picture tiers: every catalogue entry is cut for each tier, under the same member
// name, at the size its shape has in that tier, and no larger than the tier allows.
#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <string>
#include <vector>

#include "engine/render/image_info.h"
#include "engine/resources/registry.h"
#include "game/board/picture_tier.h"
#include "tests/data/game_folder.h"

namespace {

struct SHAPE_SIZES {
    const char* shape;
    int low_w, low_h, mid_w, mid_h, hi_w, hi_h;
};

// Each tier scales the low size by the growth of the play area's height.
constexpr SHAPE_SIZES kShapes[] = {
    {"4:3", 800, 600, 960, 720, 1176, 882},
    {"16:9", 896, 504, 1072, 603, 1312, 738},
    {"3:4", 480, 640, 576, 768, 705, 940},
};

class PictureTiersDataTest : public RegistryFolderTest {};

TEST_F(PictureTiersDataTest, EveryEntryIsCutForEachTierAtItsShapesSize) {
    pugi::xml_document pzls;
    ASSERT_TRUE(pzls.load_file("pzls.xml"));
    const GAME::PICTURE_TIER tiers[3] = {GAME::PictureTierFor(1024, 768),
                                         GAME::PictureTierFor(1440, 900),
                                         GAME::PictureTierFor(1920, 1080)};
    std::vector<unsigned char> bytes;
    int entries = 0;
    for (pugi::xpath_node found : pzls.select_nodes("/catalogue/category/picture")) {
        const std::string name = found.node().attribute("adrFm").as_string();
        SCOPED_TRACE(name);
        ++entries;
        int size[3][2] = {};
        for (int t = 0; t < 3; ++t) {
            ASSERT_TRUE(ReadGameMember(tiers[t].pack, name, bytes)) << tiers[t].pack;
            ASSERT_TRUE(ReadImageInfo(bytes.data(), bytes.size(), size[t][0], size[t][1]));
            EXPECT_LE(size[t][0], tiers[t].max_width) << tiers[t].pack;
            EXPECT_LE(size[t][1], tiers[t].max_height) << tiers[t].pack;
        }
        const SHAPE_SIZES* shape = nullptr;
        for (const SHAPE_SIZES& s : kShapes) {
            if (s.low_w == size[0][0] && s.low_h == size[0][1])
                shape = &s;
        }
        ASSERT_NE(shape, nullptr) << "a low picture of " << size[0][0] << " x " << size[0][1];
        EXPECT_EQ(size[1][0], shape->mid_w) << shape->shape;
        EXPECT_EQ(size[1][1], shape->mid_h) << shape->shape;
        EXPECT_EQ(size[2][0], shape->hi_w) << shape->shape;
        EXPECT_EQ(size[2][1], shape->hi_h) << shape->shape;
    }
    EXPECT_GT(entries, 0);
}

}  // namespace
