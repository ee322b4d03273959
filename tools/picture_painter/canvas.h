// A floating-point RGB canvas with the few drawing primitives and noises the scenes paint with.
#pragma once

#include <cstdint>
#include <vector>

#include "image.h"

struct COLOUR {
    float r = 0, g = 0, b = 0;
};

COLOUR Rgb(uint32_t hex);
COLOUR Mix(COLOUR a, COLOUR b, float t);
COLOUR Scale(COLOUR c, float k);
// Hue in turns (0 .. 1), saturation and value 0 .. 1.
COLOUR Hsv(float hue, float saturation, float value);

// Deterministic generator so that every build paints the same pictures.
class RANDOM {
  public:
    explicit RANDOM(uint32_t seed) : state_(seed * 2654435761u + 1u) {}
    uint32_t Next();
    float Unit() { return (Next() >> 8) * (1.0f / 16777216.0f); }  // [0, 1)
    float Range(float low, float high) { return low + (high - low) * Unit(); }
    int Int(int low, int high) { return low + static_cast<int>(Next() % (high - low + 1)); }

  private:
    uint32_t state_;
};

// Smooth value noise in [0, 1] and its fractal sum.
float Noise(float x, float y, uint32_t seed);
float Fbm(float x, float y, uint32_t seed, int octaves);

class CANVAS {
  public:
    CANVAS(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }
    COLOUR& At(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }

    // Alpha-blends a colour over one pixel; out-of-range pixels are ignored.
    void Blend(int x, int y, COLOUR c, float alpha);
    void FillRect(float x0, float y0, float x1, float y1, COLOUR c, float alpha = 1.0f);
    void FillCircle(float cx, float cy, float radius, COLOUR c, float alpha = 1.0f);
    void FillEllipse(float cx, float cy, float rx, float ry, float angle, COLOUR c,
                     float alpha = 1.0f);
    // Even-odd filled polygon from interleaved x, y coordinates.
    void FillPolygon(const std::vector<float>& xy, COLOUR c, float alpha = 1.0f);
    void Line(float x0, float y0, float x1, float y1, float width, COLOUR c, float alpha = 1.0f);
    // Vertical gradient from top colour to bottom colour over the rows y0 .. y1.
    void VerticalGradient(float y0, float y1, COLOUR top, COLOUR bottom);

    // Averages the supersampled canvas down to width x height.
    image_io::IMAGE Resolve(int width, int height) const;

  private:
    int width_, height_;
    std::vector<COLOUR> pixels_;
};
