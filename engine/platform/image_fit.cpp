// IMAGE_FIT: box-averaging a picture down to fit a size, row by row; see image_fit.h.
#include "engine/platform/image_fit.h"

#include <algorithm>

namespace platform {

void IMAGE_FIT::FitSize(int source_width, int source_height, int box_width, int box_height,
                        int& width, int& height) {
    source_width = std::max(source_width, 1);
    source_height = std::max(source_height, 1);
    box_width = std::max(box_width, 1);
    box_height = std::max(box_height, 1);
    width = source_width;
    height = source_height;
    if (source_width <= box_width && source_height <= box_height) {
        return;
    }
    // The side that overflows its box the most decides the scale.
    const int64_t w = source_width;
    const int64_t h = source_height;
    if (w * box_height >= h * box_width) {
        width = box_width;
        height = static_cast<int>(std::max<int64_t>(1, h * box_width / w));
    } else {
        height = box_height;
        width = static_cast<int>(std::max<int64_t>(1, w * box_height / h));
    }
}

IMAGE_FIT::IMAGE_FIT(int source_width, int source_height, int box_width, int box_height)
    : source_width_(std::max(source_width, 1)), source_height_(std::max(source_height, 1)) {
    FitSize(source_width_, source_height_, box_width, box_height, width_, height_);
    output_column_.resize(static_cast<size_t>(source_width_));
    for (int x = 0; x < source_width_; ++x) {
        output_column_[static_cast<size_t>(x)] =
            static_cast<int>(int64_t{x} * width_ / source_width_);
    }
    sums_.assign(static_cast<size_t>(width_) * 4, 0);
    counts_.assign(static_cast<size_t>(width_), 0);
    argb_.reserve(static_cast<size_t>(width_) * static_cast<size_t>(height_));
}

int IMAGE_FIT::OutputRowOf(int source_row) const {
    return static_cast<int>(int64_t{source_row} * height_ / source_height_);
}

void IMAGE_FIT::AddRow(const uint8_t* rgba) {
    if (Complete()) {
        return;
    }
    if (width_ == source_width_ && height_ == source_height_) {
        // Nothing to average: the common case of a picture that already fits.
        for (int x = 0; x < source_width_; ++x) {
            const uint8_t* pixel = rgba + static_cast<size_t>(x) * 4;
            argb_.push_back(uint32_t{pixel[3]} << 24 | uint32_t{pixel[0]} << 16 |
                            uint32_t{pixel[1]} << 8 | pixel[2]);
        }
        ++source_row_;
        return;
    }
    for (int x = 0; x < source_width_; ++x) {
        const uint8_t* pixel = rgba + static_cast<size_t>(x) * 4;
        const size_t column = static_cast<size_t>(output_column_[static_cast<size_t>(x)]);
        uint64_t* sum = &sums_[column * 4];
        sum[0] += pixel[3];
        sum[1] += pixel[0];
        sum[2] += pixel[1];
        sum[3] += pixel[2];
        ++counts_[column];
    }
    ++source_row_;
    if (Complete() || OutputRowOf(source_row_) != OutputRowOf(source_row_ - 1)) {
        EmitRow();
    }
}

void IMAGE_FIT::EmitRow() {
    for (size_t column = 0; column < counts_.size(); ++column) {
        const uint64_t count = std::max<uint64_t>(counts_[column], 1);
        uint32_t texel = 0;
        for (size_t channel = 0; channel < 4; ++channel) {
            // Rounded to the nearest value.
            const uint64_t mean = (sums_[column * 4 + channel] + count / 2) / count;
            texel = (texel << 8) | static_cast<uint32_t>(mean);
        }
        argb_.push_back(texel);
    }
    std::fill(sums_.begin(), sums_.end(), 0);
    std::fill(counts_.begin(), counts_.end(), 0);
}

}  // namespace platform
