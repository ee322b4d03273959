// Picture tiers: the pack a logical screen takes its pictures from, and which saved packs are
// cut for a larger screen than the current one.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "engine/render/render_device.h"
#include "engine/resources/registry.h"
#include "game/board/picture_tier.h"

namespace GAME {
namespace {

class PictureTierTest : public ::testing::Test {
  protected:
    void SetUp() override { UseBuiltInResources(); }
};

TEST_F(PictureTierTest, TheLargestTierWhoseScreenFitsIsChosen) {
    const struct {
        int width, height;
        const char* pack;
    } cases[] = {
        {800, 600, "DATA/low"},  // below every tier
        {1024, 768, "DATA/low"},  {1366, 768, "DATA/low"},
        {1440, 900, "DATA/mid"},  {1920, 900, "DATA/mid"},  // wide enough for hi, not tall enough
        {1680, 1050, "DATA/mid"}, {1920, 1080, "DATA/hi"},
        {2560, 1440, "DATA/hi"},   // above every tier
        {1080, 1920, "DATA/low"},  // a portrait screen is as wide as the low tier only
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(PictureTierFor(c.width, c.height).pack, c.pack)
            << c.width << " x " << c.height;
    }
}

// At one texel per pixel a tier's largest picture must lie inside the play area (the screen less
// 50 pixels all round) of the smallest screen that chooses it, and nothing larger is ever loaded.
TEST_F(PictureTierTest, EachTiersPicturesFitThePlayAreaOfItsSmallestScreen) {
    for (const auto& [width, height] : {std::pair{1024, 768}, {1440, 900}, {1920, 1080}}) {
        const PICTURE_TIER tier = PictureTierFor(width, height);
        SCOPED_TRACE(tier.pack);
        EXPECT_STREQ(PictureTierFor(tier.screen_width, tier.screen_height).pack, tier.pack);
        EXPECT_LE(tier.max_width, tier.screen_width - 100);
        EXPECT_LE(tier.max_height, tier.screen_height - 100);
        EXPECT_LE(tier.max_width, WRENDER::kMaxPictureWidth);
        EXPECT_LE(tier.max_height, WRENDER::kMaxPictureHeight);
    }
    const PICTURE_TIER hi = PictureTierFor(1920, 1080);
    EXPECT_EQ(hi.max_width, WRENDER::kMaxPictureWidth);
    EXPECT_EQ(hi.max_height, WRENDER::kMaxPictureHeight);
}

TEST_F(PictureTierTest, OnlyAPackOfALargerTierOutgrowsTheScreen) {
    const struct {
        const char* pack;
        int width, height;
        bool outgrows;
    } cases[] = {
        {"DATA/hi", 1024, 768, true},   {"DATA/mid", 1024, 768, true},
        {"DATA/hi", 1440, 900, true},   {"DATA/mid", 1440, 900, false},
        {"DATA/low", 1024, 768, false}, {"DATA/low", 800, 600, false},
        {"DATA/hi", 1920, 1080, false}, {"DATA/mid", 2560, 1440, false},
        {"", 1024, 768, false},  // a picture outside any pack
        {"DATA/pre", 1024, 768, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PackOutgrowsScreen(c.pack, c.width, c.height), c.outgrows)
            << "'" << c.pack << "' on " << c.width << " x " << c.height;
    }
}

}  // namespace
}  // namespace GAME
