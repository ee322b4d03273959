// Reading the pixel size of a PNG or JPEG image from its header, without decoding it.
#pragma once

#include <cstddef>

// True with the size when the bytes start a PNG or a baseline/progressive JPEG.
bool ReadImageInfo(const void* bytes, size_t size, int& width, int& height);
