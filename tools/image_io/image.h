// An RGBA image in memory for the data tools, with file reading, writing and resampling.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace image_io {

// Row-major pixels, four bytes each in the order R, G, B, A.
struct IMAGE {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;

    IMAGE() = default;
    IMAGE(int w, int h) : width(w), height(h), rgba(static_cast<size_t>(w) * h * 4, 0) {}
    uint8_t* At(int x, int y) { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
    const uint8_t* At(int x, int y) const {
        return &rgba[(static_cast<size_t>(y) * width + x) * 4];
    }
};

// Reads a JPEG or PNG file (told apart by its signature). On failure returns false and puts the
// reason into error.
bool ReadImage(const std::string& path, IMAGE& image, std::string& error);
// Writes baseline JPEG (alpha dropped); quality 1 .. 100.
bool WriteJpeg(const std::string& path, const IMAGE& image, int quality, std::string& error);
// Writes an 8-bit RGBA PNG.
bool WritePng(const std::string& path, const IMAGE& image, std::string& error);
// Chooses the writer by the file extension (.jpg/.jpeg or .png).
bool WriteImage(const std::string& path, const IMAGE& image, std::string& error);

// Area-averaged resampling of the source rectangle (sx, sy, sw, sh) to width x height.
IMAGE ResampleArea(const IMAGE& source, double sx, double sy, double sw, double sh, int width,
                   int height);
// Scales the image to cover width x height and crops the overflow; focus_x and focus_y (0 .. 1)
// say where the crop window sits inside the overflow.
IMAGE CoverCrop(const IMAGE& source, int width, int height, double focus_x, double focus_y);
// Unsharp mask with a 3x3 blur; amount 0 leaves the image as it is.
void Sharpen(IMAGE& image, double amount);

}  // namespace image_io
