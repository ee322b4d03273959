// Decoding PNG and JPEG images (files or bytes in memory) into ARGB texels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// True with the picture as width * height ARGB texels, top row first; false when the data is
// not an image that can be decoded.
bool DecodeImageFile(const std::string& path, int& width, int& height, std::vector<uint32_t>& argb);
bool DecodeImageMemory(const void* bytes, size_t size, int& width, int& height,
                       std::vector<uint32_t>& argb);

}  // namespace platform
