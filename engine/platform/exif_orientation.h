// The orientation a camera records in a JPEG's Exif block, and turning decoded texels upright.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

// The Exif orientation (1..8, 1 upright) of a JPEG; 1 when the file records none or a broken
// one. Only the segments before the image data are read.
int JpegOrientation(const uint8_t* bytes, size_t size);

// Orientations 5..8 are a quarter turn: the upright picture swaps width and height.
inline bool SwapsSides(int orientation) {
    return orientation >= 5 && orientation <= 8;
}

// Turns and mirrors width x height ARGB texels (top row first) as orientation asks, so the
// picture stands upright; width and height become the upright size.
void ApplyOrientation(int orientation, int& width, int& height, std::vector<uint32_t>& argb);

}  // namespace platform
