// Writing ARGB pictures as PNG files (screenshots, contact sheets).
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Rows top first, width * height ARGB texels. False when the file cannot be written.
bool WritePng(const std::string& path, const uint32_t* argb, int width, int height);

}  // namespace platform
