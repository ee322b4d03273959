// Resampling, cover-cropping and sharpening of tool images.
#include <algorithm>
#include <cmath>

#include "image.h"

namespace image_io {
namespace {

// Weights of the source samples that cover each destination sample along one axis.
struct SPAN {
    int first = 0;
    std::vector<float> weights;
};

std::vector<SPAN> Spans(double start, double length, int count, int limit) {
    std::vector<SPAN> spans(count);
    double step = length / count;
    for (int i = 0; i < count; ++i) {
        double a = start + i * step;
        double b = a + step;
        int first = std::clamp(static_cast<int>(std::floor(a)), 0, limit - 1);
        int last = std::clamp(static_cast<int>(std::ceil(b)) - 1, first, limit - 1);
        SPAN& span = spans[i];
        span.first = first;
        double total = 0.0;
        for (int s = first; s <= last; ++s) {
            double cover = std::min(b, s + 1.0) - std::max(a, static_cast<double>(s));
            float w = static_cast<float>(std::max(cover, 0.0));
            span.weights.push_back(w);
            total += w;
        }
        if (total <= 0.0) {
            span.weights.assign(1, 1.0f);
            total = 1.0;
        }
        for (float& w : span.weights)
            w = static_cast<float>(w / total);
    }
    return spans;
}

uint8_t ToByte(float v) {
    return static_cast<uint8_t>(std::clamp(v + 0.5f, 0.0f, 255.0f));
}

}  // namespace

IMAGE ResampleArea(const IMAGE& source, double sx, double sy, double sw, double sh, int width,
                   int height) {
    std::vector<SPAN> columns = Spans(sx, sw, width, source.width);
    std::vector<SPAN> rows = Spans(sy, sh, height, source.height);
    int row_first = rows.front().first;
    int row_last = rows.back().first + static_cast<int>(rows.back().weights.size()) - 1;
    int band = row_last - row_first + 1;
    std::vector<float> horizontal(static_cast<size_t>(band) * width * 4, 0.0f);
    for (int y = 0; y < band; ++y) {
        for (int x = 0; x < width; ++x) {
            float* out = &horizontal[(static_cast<size_t>(y) * width + x) * 4];
            const SPAN& span = columns[x];
            for (size_t k = 0; k < span.weights.size(); ++k) {
                const uint8_t* p = source.At(span.first + static_cast<int>(k), row_first + y);
                for (int c = 0; c < 4; ++c)
                    out[c] += span.weights[k] * p[c];
            }
        }
    }
    IMAGE result(width, height);
    for (int y = 0; y < height; ++y) {
        const SPAN& span = rows[y];
        for (int x = 0; x < width; ++x) {
            float sum[4] = {0, 0, 0, 0};
            for (size_t k = 0; k < span.weights.size(); ++k) {
                int band_row = span.first + static_cast<int>(k) - row_first;
                const float* p = &horizontal[(static_cast<size_t>(band_row) * width + x) * 4];
                for (int c = 0; c < 4; ++c)
                    sum[c] += span.weights[k] * p[c];
            }
            uint8_t* out = result.At(x, y);
            for (int c = 0; c < 4; ++c)
                out[c] = ToByte(sum[c]);
        }
    }
    return result;
}

IMAGE CoverCrop(const IMAGE& source, int width, int height, double focus_x, double focus_y) {
    double scale = std::max(static_cast<double>(width) / source.width,
                            static_cast<double>(height) / source.height);
    double sw = width / scale;
    double sh = height / scale;
    double sx = (source.width - sw) * std::clamp(focus_x, 0.0, 1.0);
    double sy = (source.height - sh) * std::clamp(focus_y, 0.0, 1.0);
    return ResampleArea(source, sx, sy, sw, sh, width, height);
}

void Sharpen(IMAGE& image, double amount) {
    if (amount <= 0.0 || image.width < 3 || image.height < 3)
        return;
    IMAGE original = image;
    for (int y = 1; y < image.height - 1; ++y) {
        for (int x = 1; x < image.width - 1; ++x) {
            uint8_t* out = image.At(x, y);
            for (int c = 0; c < 3; ++c) {
                int blur = 0;
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx)
                        blur += original.At(x + dx, y + dy)[c];
                }
                float centre = original.At(x, y)[c];
                float detail = centre - blur / 9.0f;
                out[c] = ToByte(centre + static_cast<float>(amount) * detail);
            }
        }
    }
}

}  // namespace image_io
