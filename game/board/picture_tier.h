// Picture tiers: the sizes every catalogue picture is cut at, and which one a screen shows.
#pragma once

#include <string>

namespace GAME {

// One tier: pictures cut so that, drawn at one texel per pixel, they fill the play area of the
// smallest screen the tier is meant for as much as the low pictures fill a 1024 x 768 screen's.
struct PICTURE_TIER {
    const char* pack;  // the registry's path of the tier's pack ("DATA/low", "DATA/mid", ...)
    int screen_width;  // the smallest logical screen the tier is meant for
    int screen_height;
    int max_width;  // the largest picture of the tier, in texels: no shape is wider or taller
    int max_height;
};

// The tier of the largest screen class that fits inside a logical screen; screens smaller than
// every class get the smallest tier.
PICTURE_TIER PictureTierFor(int logical_width, int logical_height);

// Whether a picture cut from pack is larger than the tier of a logical screen: only a tier's
// pack can be (a picture outside the tiers is fitted when it loads).
bool PackOutgrowsScreen(const std::string& pack, int logical_width, int logical_height);

}  // namespace GAME
