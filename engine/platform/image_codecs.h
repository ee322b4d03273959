// The PNG and JPEG decoders behind the image decoder seam (image_decoder.h); each fits what it
// decodes into a box as the rows arrive.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

// Both: true with width x height ARGB texels; false for data that is not a whole, valid image
// of that kind no larger than kMaxImageSide in either direction.
bool DecodePng(const uint8_t* bytes, size_t size, int box_width, int box_height, int& width,
               int& height, std::vector<uint32_t>& argb);
bool DecodeJpeg(const uint8_t* bytes, size_t size, int box_width, int box_height, int& width,
                int& height, std::vector<uint32_t>& argb);

}  // namespace platform
