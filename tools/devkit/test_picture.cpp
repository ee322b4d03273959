// A generated, detailed and colourful test picture shared by the tools, tests and benchmarks.
#include "tools/devkit/test_picture.h"

#include <algorithm>
#include <cmath>

#include "engine/platform/png_writer.h"

namespace {

uint32_t Channel(double v) {
    return static_cast<uint32_t>(std::clamp(v, 0.0, 1.0) * 255.0);
}

}  // namespace

std::vector<uint32_t> MakeTestPicture(int width, int height) {
    std::vector<uint32_t> texels(static_cast<size_t>(width) * height);
    const double cx = width * 0.35;
    const double cy = height * 0.45;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double u = static_cast<double>(x) / width;
            const double v = static_cast<double>(y) / height;
            const double rings = std::sin(std::hypot(x - cx, y - cy) * 0.08);
            const double waves = std::sin(u * 23.0 + std::sin(v * 9.0) * 2.0);
            const double checks = ((x / 32 + y / 32) % 2 == 0) ? 0.12 : -0.12;
            const double r = 0.5 + 0.35 * std::sin(u * 6.3 + rings) + checks;
            const double g = 0.5 + 0.35 * std::sin(v * 7.1 + waves * 1.3) + checks;
            const double b = 0.5 + 0.4 * rings * waves - checks;
            texels[static_cast<size_t>(y) * width + x] =
                0xFF000000u | Channel(r) << 16 | Channel(g) << 8 | Channel(b);
        }
    }
    return texels;
}

bool WriteTestPicture(const std::string& path, int width, int height) {
    const std::vector<uint32_t> texels = MakeTestPicture(width, height);
    return platform::WritePng(path, texels.data(), width, height);
}
