// A generated, detailed and colourful test picture shared by the tools, tests and benchmarks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// width x height opaque ARGB texels, row-major from the top row. Rings, waves and a 32-pixel
// checker give every part of the picture its own detail, so each piece of a cut differs.
std::vector<uint32_t> MakeTestPicture(int width, int height);
// Writes MakeTestPicture(width, height) to path as PNG; false when it cannot be written.
bool WriteTestPicture(const std::string& path, int width, int height);
