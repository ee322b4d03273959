// PictureTierFor: the picture tier of a screen: the pack whose pictures it shows and the largest
// picture size worth cutting for it.
#pragma once

struct PICTURE_TIER {
    const char* pack = nullptr;  // a registry pack name
    int width = 0;               // largest picture size, pixels
    int height = 0;
};

// Screens up to 1024 x 768 logical pixels take the low pictures (800 x 600); larger ones up to
// the largest screen mode the game offers.
PICTURE_TIER PictureTierFor(int logical_width, int logical_height);
