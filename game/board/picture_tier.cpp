// Picture tiers: the sizes every catalogue picture is cut at, and which one a screen shows.
#include "game/board/picture_tier.h"

#include <array>

#include "engine/render/render_device.h"
#include "engine/resources/registry.h"

namespace GAME {
namespace {

struct TIER_SIZES {
    // The registry's field for the pack: its path is read only once the registry is loaded.
    const char* RESOURCES::PACKS::*pack;
    int screen_width, screen_height;
    int max_width, max_height;
};

// From the smallest up. The largest picture of each tier is the widest shape's width (16:9) by
// the tallest shape's height (3:4); the data build cuts the shapes at these sizes. The largest
// tier is the render device's cap on loaded pictures, so nothing bigger is ever cut.
constexpr std::array<TIER_SIZES, 3> kTiers = {{
    {&RESOURCES::PACKS::low_pack, 1024, 768, 896, 640},
    {&RESOURCES::PACKS::mid_pack, 1440, 900, 1072, 768},
    {&RESOURCES::PACKS::hi_pack, 1920, 1080, WRENDER::kMaxPictureWidth, WRENDER::kMaxPictureHeight},
}};

int TierIndexFor(int logical_width, int logical_height) {
    int index = 0;
    for (int i = 0; i < static_cast<int>(kTiers.size()); ++i) {
        if (logical_width >= kTiers[i].screen_width && logical_height >= kTiers[i].screen_height) {
            index = i;
        }
    }
    return index;
}

PICTURE_TIER Tier(int index) {
    const TIER_SIZES& t = kTiers[index];
    return {g_resources.packs.*t.pack, t.screen_width, t.screen_height, t.max_width, t.max_height};
}

}  // namespace

PICTURE_TIER PictureTierFor(int logical_width, int logical_height) {
    return Tier(TierIndexFor(logical_width, logical_height));
}

bool PackOutgrowsScreen(const std::string& pack, int logical_width, int logical_height) {
    const int screen_tier = TierIndexFor(logical_width, logical_height);
    for (int i = screen_tier + 1; i < static_cast<int>(kTiers.size()); ++i) {
        const char* larger = g_resources.packs.*kTiers[i].pack;
        if (larger != nullptr && pack == larger) {
            return true;
        }
    }
    return false;
}

}  // namespace GAME
