// Decoding PNG and JPEG images in memory into ARGB texels, fitted into a box.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

// Images wider or taller than this are refused without being decoded.
constexpr int kMaxImageSide = 8192;

// True with the picture as width * height ARGB texels, top row first; false when the data is
// not a whole PNG or JPEG image of at most kMaxImageSide in either direction. A picture larger
// than box_width x box_height comes out scaled down to fit that box (keeping its proportions),
// without ever being held at its full size. A JPEG comes out upright as its Exif orientation
// says.
bool DecodeImageMemory(const void* bytes, size_t size, int box_width, int box_height, int& width,
                       int& height, std::vector<uint32_t>& argb);

}  // namespace platform
