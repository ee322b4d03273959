// IMAGE_FIT: fits a decoded picture into a box while its rows arrive one at a time, so that a
// large picture never needs its full size in memory.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace platform {

class IMAGE_FIT {
  public:
    // A picture of source_width x source_height that is larger than box_width x box_height in
    // either direction comes out scaled down to fit the box, keeping its proportions; a smaller
    // one comes out as it is. All sizes are at least 1.
    IMAGE_FIT(int source_width, int source_height, int box_width, int box_height);

    // The size the picture comes out at.
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The output size for a source, as the constructor computes it.
    static void FitSize(int source_width, int source_height, int box_width, int box_height,
                        int& width, int& height);

    // The next source row, top row first: source_width pixels of R, G, B, A bytes.
    void AddRow(const uint8_t* rgba);
    // True once every source row has arrived.
    bool Complete() const { return source_row_ == source_height_; }
    // The picture as Width() x Height() ARGB texels, top row first.
    std::vector<uint32_t> Take() { return std::move(argb_); }

  private:
    int OutputRowOf(int source_row) const;
    void EmitRow();

    int source_width_;
    int source_height_;
    int width_ = 1;
    int height_ = 1;
    int source_row_ = 0;
    std::vector<int> output_column_;  // the output column of each source column
    // Channel sums (A, R, G, B) and pixel counts of the output row being gathered. 64 bits: a
    // whole 8192 x 8192 picture may average into one pixel.
    std::vector<uint64_t> sums_;
    std::vector<uint64_t> counts_;
    std::vector<uint32_t> argb_;
};

}  // namespace platform
