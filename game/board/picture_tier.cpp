// PictureTierFor: choosing the picture tier from the screen size; see picture_tier.h.
#include "game/board/picture_tier.h"

#include "engine/render/render_device.h"
#include "engine/resources/registry.h"

namespace {

constexpr int kLowScreenWidth = 1024;
constexpr int kLowScreenHeight = 768;
constexpr int kLowPictureWidth = 800;
constexpr int kLowPictureHeight = 600;

}  // namespace

PICTURE_TIER PictureTierFor(int logical_width, int logical_height) {
    if (logical_width <= kLowScreenWidth && logical_height <= kLowScreenHeight) {
        return {g_resources.packs.low_pack, kLowPictureWidth, kLowPictureHeight};
    }
    return {g_resources.packs.hi_pack, WRENDER::kMaxPictureWidth, WRENDER::kMaxPictureHeight};
}
