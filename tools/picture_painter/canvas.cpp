// Canvas primitives, colours, the seeded generator and value noise of the picture painter.
#include "canvas.h"

#include <algorithm>
#include <cmath>

COLOUR Rgb(uint32_t hex) {
    return {((hex >> 16) & 0xFF) / 255.0f, ((hex >> 8) & 0xFF) / 255.0f, (hex & 0xFF) / 255.0f};
}

COLOUR Mix(COLOUR a, COLOUR b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

COLOUR Scale(COLOUR c, float k) {
    return {c.r * k, c.g * k, c.b * k};
}

COLOUR Hsv(float hue, float saturation, float value) {
    float h = (hue - std::floor(hue)) * 6.0f;
    int sector = static_cast<int>(h);
    float f = h - sector;
    float p = value * (1 - saturation), q = value * (1 - saturation * f);
    float t = value * (1 - saturation * (1 - f));
    switch (sector % 6) {
        case 0:
            return {value, t, p};
        case 1:
            return {q, value, p};
        case 2:
            return {p, value, t};
        case 3:
            return {p, q, value};
        case 4:
            return {t, p, value};
        default:
            return {value, p, q};
    }
}

uint32_t RANDOM::Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

namespace {

float Lattice(int x, int y, uint32_t seed) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
                 seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return ((h ^ (h >> 16)) & 0xFFFFFF) / 16777215.0f;
}

float Smooth(float t) {
    return t * t * (3 - 2 * t);
}

}  // namespace

float Noise(float x, float y, uint32_t seed) {
    int xi = static_cast<int>(std::floor(x)), yi = static_cast<int>(std::floor(y));
    float fx = Smooth(x - xi), fy = Smooth(y - yi);
    float a = Lattice(xi, yi, seed), b = Lattice(xi + 1, yi, seed);
    float c = Lattice(xi, yi + 1, seed), d = Lattice(xi + 1, yi + 1, seed);
    return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

float Fbm(float x, float y, uint32_t seed, int octaves) {
    float sum = 0, amplitude = 0.5f, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * Noise(x, y, seed + i * 101u);
        total += amplitude;
        x *= 2.03f;
        y *= 2.03f;
        amplitude *= 0.5f;
    }
    return sum / total;
}

CANVAS::CANVAS(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height) {}

void CANVAS::Blend(int x, int y, COLOUR c, float alpha) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    COLOUR& p = At(x, y);
    p = Mix(p, c, std::clamp(alpha, 0.0f, 1.0f));
}

void CANVAS::FillRect(float x0, float y0, float x1, float y1, COLOUR c, float alpha) {
    int ax = std::max(0, static_cast<int>(std::floor(std::min(x0, x1))));
    int bx = std::min(width_, static_cast<int>(std::ceil(std::max(x0, x1))));
    int ay = std::max(0, static_cast<int>(std::floor(std::min(y0, y1))));
    int by = std::min(height_, static_cast<int>(std::ceil(std::max(y0, y1))));
    for (int y = ay; y < by; ++y) {
        for (int x = ax; x < bx; ++x)
            Blend(x, y, c, alpha);
    }
}

void CANVAS::FillCircle(float cx, float cy, float radius, COLOUR c, float alpha) {
    FillEllipse(cx, cy, radius, radius, 0.0f, c, alpha);
}

void CANVAS::FillEllipse(float cx, float cy, float rx, float ry, float angle, COLOUR c,
                         float alpha) {
    float reach = std::max(rx, ry) + 1;
    float cs = std::cos(angle), sn = std::sin(angle);
    int ay = std::max(0, static_cast<int>(cy - reach));
    int by = std::min(height_ - 1, static_cast<int>(cy + reach));
    int ax = std::max(0, static_cast<int>(cx - reach));
    int bx = std::min(width_ - 1, static_cast<int>(cx + reach));
    for (int y = ay; y <= by; ++y) {
        for (int x = ax; x <= bx; ++x) {
            float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
            float u = (dx * cs + dy * sn) / rx, v = (-dx * sn + dy * cs) / ry;
            if (u * u + v * v <= 1.0f)
                Blend(x, y, c, alpha);
        }
    }
}

void CANVAS::FillPolygon(const std::vector<float>& xy, COLOUR c, float alpha) {
    size_t n = xy.size() / 2;
    if (n < 3)
        return;
    float top = xy[1], bottom = xy[1];
    for (size_t i = 0; i < n; ++i) {
        top = std::min(top, xy[2 * i + 1]);
        bottom = std::max(bottom, xy[2 * i + 1]);
    }
    std::vector<float> crossings;
    for (int y = std::max(0, static_cast<int>(top));
         y <= std::min(height_ - 1, static_cast<int>(bottom)); ++y) {
        float sy = y + 0.5f;
        crossings.clear();
        for (size_t i = 0; i < n; ++i) {
            float x0 = xy[2 * i], y0 = xy[2 * i + 1];
            float x1 = xy[2 * ((i + 1) % n)], y1 = xy[2 * ((i + 1) % n) + 1];
            if ((y0 <= sy) != (y1 <= sy))
                crossings.push_back(x0 + (sy - y0) / (y1 - y0) * (x1 - x0));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t k = 0; k + 1 < crossings.size(); k += 2) {
            int from = std::max(0, static_cast<int>(std::ceil(crossings[k] - 0.5f)));
            int to = std::min(width_ - 1, static_cast<int>(std::floor(crossings[k + 1] - 0.5f)));
            for (int x = from; x <= to; ++x)
                Blend(x, y, c, alpha);
        }
    }
}

void CANVAS::Line(float x0, float y0, float x1, float y1, float width, COLOUR c, float alpha) {
    float dx = x1 - x0, dy = y1 - y0;
    float length = std::sqrt(dx * dx + dy * dy);
    if (length <= 0.0f)
        return;
    float nx = -dy / length * width * 0.5f, ny = dx / length * width * 0.5f;
    FillPolygon({x0 + nx, y0 + ny, x1 + nx, y1 + ny, x1 - nx, y1 - ny, x0 - nx, y0 - ny}, c, alpha);
}

void CANVAS::VerticalGradient(float y0, float y1, COLOUR top, COLOUR bottom) {
    for (int y = std::max(0, static_cast<int>(y0)); y < std::min(height_, static_cast<int>(y1));
         ++y) {
        COLOUR c = Mix(top, bottom, (y - y0) / std::max(1.0f, y1 - y0));
        for (int x = 0; x < width_; ++x)
            At(x, y) = c;
    }
}

image_io::IMAGE CANVAS::Resolve(int width, int height) const {
    image_io::IMAGE full(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const COLOUR& c = pixels_[static_cast<size_t>(y) * width_ + x];
            uint8_t* p = full.At(x, y);
            p[0] = static_cast<uint8_t>(std::clamp(c.r, 0.0f, 1.0f) * 255.0f + 0.5f);
            p[1] = static_cast<uint8_t>(std::clamp(c.g, 0.0f, 1.0f) * 255.0f + 0.5f);
            p[2] = static_cast<uint8_t>(std::clamp(c.b, 0.0f, 1.0f) * 255.0f + 0.5f);
            p[3] = 255;
        }
    }
    return image_io::ResampleArea(full, 0, 0, width_, height_, width, height);
}
