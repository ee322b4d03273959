// Outdoor scenes: a flower meadow, a harbour town at night, an autumn wood and a balloon festival.
#include <algorithm>
#include <cmath>

#include "scenes.h"

namespace {

constexpr float kPi = 3.14159265f;

// Soft clouds: fractal noise above a threshold, blended white over the rows y0 .. y1.
void Clouds(CANVAS& canvas, float y0, float y1, uint32_t seed, float cover) {
    float s = 5.0f / canvas.Width();
    for (int y = static_cast<int>(y0); y < static_cast<int>(y1); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            float n = Fbm(x * s * 0.6f, y * s * 1.6f, seed, 6);
            float a = std::clamp((n - cover) * 4.0f, 0.0f, 0.9f);
            canvas.Blend(x, y, Rgb(0xFFFFFF), a);
        }
    }
}

// A range of hills whose ridge wanders around base_y by up to amplitude pixels.
void Hills(CANVAS& canvas, float base_y, float amplitude, COLOUR near, COLOUR far, uint32_t seed) {
    for (int x = 0; x < canvas.Width(); ++x) {
        float ridge = base_y - amplitude * Fbm(x * 3.0f / canvas.Width(), 0.5f, seed, 4);
        for (int y = std::max(0, static_cast<int>(ridge)); y < canvas.Height(); ++y) {
            float depth = std::clamp((y - ridge) / (canvas.Height() * 0.25f), 0.0f, 1.0f);
            // Several octaves on a skewed grid: one octave of value noise shows its lattice as
            // a mosaic of squares.
            float grain =
                0.9f + 0.2f * Fbm(x * 0.03f + y * 0.012f, y * 0.05f - x * 0.009f, seed + 9, 3);
            canvas.At(x, y) = Scale(Mix(far, near, depth), grain);
        }
    }
}

void Flower(CANVAS& canvas, float x, float y, float size, COLOUR petal, int petals, float turn) {
    for (int p = 0; p < petals; ++p) {
        float a = turn + p * 2 * kPi / petals;
        canvas.FillEllipse(x + std::cos(a) * size * 0.55f, y + std::sin(a) * size * 0.4f,
                           size * 0.5f, size * 0.3f, a, petal);
    }
    canvas.FillCircle(x, y, size * 0.28f, Rgb(0xF2C230));
}

}  // namespace

void PaintFlowerField(CANVAS& canvas) {
    int w = canvas.Width(), h = canvas.Height();
    float horizon = h * 0.42f;
    canvas.VerticalGradient(0, horizon + h * 0.1f, Rgb(0x4C9BE8), Rgb(0xD8EEFF));
    for (int y = 0; y < static_cast<int>(horizon); ++y) {  // the sun's glow
        for (int x = 0; x < w; ++x) {
            float d = std::hypot(x - w * 0.78f, y - h * 0.12f) / (h * 0.35f);
            canvas.Blend(x, y, Rgb(0xFFF4C0), std::clamp(1.0f - d, 0.0f, 1.0f) * 0.8f);
        }
    }
    canvas.FillCircle(w * 0.78f, h * 0.12f, h * 0.05f, Rgb(0xFFFBEA));
    Clouds(canvas, 0, horizon, 41, 0.52f);
    Hills(canvas, horizon, h * 0.12f, Rgb(0x5E8F6A), Rgb(0x8FB4C8), 43);
    Hills(canvas, horizon + h * 0.06f, h * 0.08f, Rgb(0x4E8A3A), Rgb(0x7FA870), 44);
    Hills(canvas, horizon + h * 0.12f, h * 0.05f, Rgb(0x3F7F2A), Rgb(0x6C9E48), 45);
    const COLOUR palette[] = {Rgb(0xE63946), Rgb(0xFFFFFF), Rgb(0xF4A261), Rgb(0xB5179E),
                              Rgb(0xFFD60A), Rgb(0x7209B7), Rgb(0xFF8FAB), Rgb(0x4361EE)};
    RANDOM random(47);
    struct BLOOM {
        float x, y;
    };
    std::vector<BLOOM> blooms(5200);
    float top = horizon + h * 0.1f;
    for (BLOOM& b : blooms)
        b = {random.Unit() * w, top + std::sqrt(random.Unit()) * (h - top)};
    std::sort(blooms.begin(), blooms.end(),
              [](const BLOOM& a, const BLOOM& b) { return a.y < b.y; });
    for (const BLOOM& b : blooms) {
        float depth = (b.y - top) / (h - top);
        float size = (2.0f + 26.0f * depth * depth) * w / 1600.0f;
        canvas.Line(b.x, b.y, b.x + random.Range(-3, 3), b.y + size * 2.2f, size * 0.18f + 1,
                    Rgb(0x2F6B1F));
        Flower(canvas, b.x, b.y, size, palette[random.Int(0, 7)], random.Int(5, 7),
               random.Range(0, kPi));
    }
}

void PaintNightHarbour(CANVAS& canvas) {
    int w = canvas.Width(), h = canvas.Height();
    float shore = h * 0.64f;
    float k = w / 1600.0f;
    canvas.VerticalGradient(0, shore, Rgb(0x070B26), Rgb(0x4A3570));
    RANDOM random(53);
    for (int i = 0; i < 900; ++i) {
        float x = random.Unit() * w, y = random.Unit() * shore * 0.8f;
        canvas.FillCircle(x, y, random.Range(0.6f, 2.2f) * k, Rgb(0xFFFFFF), random.Range(0.3f, 1));
    }
    canvas.FillCircle(w * 0.2f, h * 0.16f, h * 0.07f, Rgb(0xFFF3D6));
    canvas.FillCircle(w * 0.2f + h * 0.03f, h * 0.14f, h * 0.06f, Rgb(0x10143A), 0.2f);
    // The town: three rows of houses, the farthest first, every window lit or dark.
    for (int row = 0; row < 3; ++row) {
        float base = shore - (2 - row) * h * 0.03f;
        for (float x = random.Range(-40, 0) * k; x < w;) {
            float bw = random.Range(50, 130) * k * (0.7f + 0.15f * row);
            float bh = random.Range(0.08f, 0.3f) * h * (1.2f - 0.2f * row);
            COLOUR wall = Hsv(random.Range(0.6f, 0.75f), 0.45f, 0.12f + 0.07f * row);
            canvas.FillRect(x, base - bh, x + bw, base, wall);
            if (random.Unit() < 0.5f) {  // a pitched roof
                canvas.FillPolygon({x - 4 * k, base - bh, x + bw / 2, base - bh - bw * 0.35f,
                                    x + bw + 4 * k, base - bh},
                                   Scale(wall, 0.8f));
            }
            float cell = 16 * k;
            for (float wy = base - bh + cell; wy < base - cell; wy += cell * 1.6f) {
                for (float wx = x + cell * 0.6f; wx < x + bw - cell; wx += cell * 1.3f) {
                    if (random.Unit() < 0.5f) {
                        COLOUR light =
                            Hsv(random.Range(0.1f, 0.15f), random.Range(0.4f, 0.8f), 1.0f);
                        canvas.FillRect(wx, wy, wx + cell * 0.7f, wy + cell, light);
                    }
                }
            }
            x += bw + random.Range(2, 14) * k;
        }
    }
    // The quay with its lamps.
    canvas.FillRect(0, shore, w, shore + h * 0.015f, Rgb(0x2A2238));
    for (float x = 30 * k; x < w; x += 120 * k) {
        canvas.FillRect(x - 2 * k, shore - 50 * k, x + 2 * k, shore, Rgb(0x1A1626));
        canvas.FillCircle(x, shore - 52 * k, 18 * k, Rgb(0xFFD27A), 0.25f);
        canvas.FillCircle(x, shore - 52 * k, 6 * k, Rgb(0xFFF0C0));
    }
    // The harbour water mirrors everything above the quay, broken up by ripples.
    int top = static_cast<int>(shore + h * 0.015f);
    for (int y = top; y < h; ++y) {
        float depth = static_cast<float>(y - top) / (h - top);
        for (int x = 0; x < w; ++x) {
            float ripple =
                std::sin(y * 0.35f / k + std::sin(x * 0.02f / k) * 2.0f) * (3 + 14 * depth) * k;
            int sx = std::clamp(static_cast<int>(x + ripple), 0, w - 1);
            int sy = std::clamp(static_cast<int>(2 * top - y), 0, top - 1);
            COLOUR c = Scale(canvas.At(sx, sy), 0.55f - 0.25f * depth);
            canvas.At(x, y) = Mix(c, Rgb(0x0A1030), 0.25f + 0.3f * depth);
        }
    }
}

void PaintAutumnWood(CANVAS& canvas) {
    int w = canvas.Width(), h = canvas.Height();
    float k = w / 1600.0f;
    canvas.VerticalGradient(0, h, Rgb(0xF3E2B8), Rgb(0xC07A3A));
    RANDOM random(61);
    const COLOUR leaves[] = {Rgb(0xC0392B), Rgb(0xE67E22), Rgb(0xF1C40F), Rgb(0xD35400),
                             Rgb(0x8E2C1B), Rgb(0xE9A23B), Rgb(0x9C6B1F)};
    // Trunks from the far, pale ones to the near, dark ones, each with its crown of leaves.
    for (int layer = 0; layer < 4; ++layer) {
        float fade = 1.0f - layer / 3.0f;
        int trunks = 9 - layer * 2;
        for (int t = 0; t < trunks; ++t) {
            float x = random.Unit() * w, width = (12 + layer * 16) * k * random.Range(0.8f, 1.3f);
            COLOUR bark = Mix(Rgb(0x3B2414), Rgb(0xD9BF94), fade * 0.8f);
            for (int y = 0; y < h; ++y) {
                for (int dx = 0; dx < static_cast<int>(width); ++dx) {
                    float u = dx / width;
                    float grain =
                        0.75f + 0.35f * Noise(dx * 0.6f / k, y * 0.04f / k, t * 7 + layer);
                    float round = 0.7f + 0.3f * std::sin(u * kPi);
                    canvas.At(std::clamp(static_cast<int>(x) + dx, 0, w - 1), y) =
                        Scale(bark, grain * round);
                }
            }
        }
        for (int i = 0; i < 2600 - layer * 300; ++i) {
            float y = std::pow(random.Unit(), 1.6f) * h * 0.6f;
            COLOUR c = Mix(leaves[random.Int(0, 6)], Rgb(0xF3E2B8), fade * 0.6f);
            float size = (5 + layer * 4) * k * random.Range(0.7f, 1.4f);
            canvas.FillEllipse(random.Unit() * w, y, size, size * 0.55f, random.Range(0, kPi), c);
        }
    }
    // Leaf litter on the ground and a few leaves still falling.
    float ground = h * 0.78f;
    for (int y = static_cast<int>(ground); y < h; ++y) {
        for (int x = 0; x < w; ++x)
            canvas.Blend(x, y, Rgb(0x6B3A1A), 0.6f);
    }
    for (int i = 0; i < 9000; ++i) {
        float y = ground + random.Unit() * (h - ground);
        float size = (4 + 14 * (y - ground) / (h - ground)) * k;
        canvas.FillEllipse(random.Unit() * w, y, size, size * 0.5f, random.Range(0, kPi),
                           Scale(leaves[random.Int(0, 6)], random.Range(0.7f, 1.1f)));
    }
    for (int i = 0; i < 160; ++i) {
        canvas.FillEllipse(random.Unit() * w, random.Unit() * ground, 9 * k, 5 * k,
                           random.Range(0, kPi), leaves[random.Int(0, 6)]);
    }
    for (int y = 0; y < h; ++y) {  // beams of low sun through the trees
        for (int x = 0; x < w; ++x) {
            float beam = std::sin((x + y * 0.6f) * 0.006f / k);
            if (beam > 0.8f)
                canvas.Blend(x, y, Rgb(0xFFF2C0), (beam - 0.8f) * 0.9f);
        }
    }
}

namespace {

// A hot-air balloon of radius r: striped envelope, skirt, ropes and basket.
void Balloon(CANVAS& canvas, float cx, float cy, float r, const COLOUR* colours, int stripes) {
    for (int y = static_cast<int>(cy - r); y < static_cast<int>(cy + r * 1.25f); ++y) {
        for (int x = static_cast<int>(cx - r); x < static_cast<int>(cx + r); ++x) {
            float u = (x - cx) / r, v = (y - cy) / r;
            float half = v < 0 ? std::sqrt(std::max(0.0f, 1 - v * v))
                               : std::sqrt(std::max(0.0f, 1 - v * v / 1.5625f)) * (1 - v * 0.35f);
            if (std::fabs(u) > half)
                continue;
            float s = std::asin(std::clamp(u / std::max(half, 0.01f), -1.0f, 1.0f)) / kPi + 0.5f;
            int band = static_cast<int>(s * stripes);
            float shade = 0.55f + 0.45f * std::cos((s - 0.35f) * kPi) * (1 - 0.2f * v);
            canvas.Blend(x, y, Scale(colours[band % 3], shade), 1.0f);
        }
    }
    float skirt_y = cy + r * 1.2f, basket_y = cy + r * 1.6f;
    COLOUR rope = Rgb(0x3A2A1A);
    canvas.Line(cx - r * 0.28f, skirt_y, cx - r * 0.12f, basket_y, std::max(1.0f, r * 0.02f), rope);
    canvas.Line(cx + r * 0.28f, skirt_y, cx + r * 0.12f, basket_y, std::max(1.0f, r * 0.02f), rope);
    canvas.FillRect(cx - r * 0.14f, basket_y, cx + r * 0.14f, basket_y + r * 0.18f, Rgb(0x8B5A2B));
}

}  // namespace

void PaintBalloons(CANVAS& canvas) {
    int w = canvas.Width(), h = canvas.Height();
    float horizon = h * 0.62f;
    canvas.VerticalGradient(0, horizon + h * 0.1f, Rgb(0x3D8BD6), Rgb(0xFFDDB0));
    Clouds(canvas, 0, horizon, 71, 0.55f);
    Hills(canvas, horizon, h * 0.1f, Rgb(0x6A9A4A), Rgb(0x9CB6C0), 72);
    // Fields in perspective: rows of coloured plots that grow towards the viewer.
    RANDOM random(73);
    float y = horizon + h * 0.05f;
    for (int row = 0; y < h; ++row) {
        float row_h = (6 + row * row * 1.2f) * w / 1600.0f;
        for (float x = -random.Unit() * 200; x < w;) {
            float plot = row_h * random.Range(4, 9);
            COLOUR c =
                Hsv(random.Range(0.14f, 0.3f), random.Range(0.4f, 0.8f), random.Range(0.5f, 0.85f));
            canvas.FillRect(x, y, x + plot - 2, y + row_h - 1, c);
            for (float sx = x; sx < x + plot; sx += row_h * 0.6f) {  // furrows
                canvas.FillRect(sx, y, sx + 1.5f, y + row_h - 1, Scale(c, 0.8f));
            }
            x += plot;
        }
        y += row_h;
    }
    const COLOUR sets[][3] = {{Rgb(0xE63946), Rgb(0xFFFFFF), Rgb(0xFFB703)},
                              {Rgb(0x3A86FF), Rgb(0xFFBE0B), Rgb(0xFB5607)},
                              {Rgb(0x8338EC), Rgb(0xFF006E), Rgb(0xFFFFFF)},
                              {Rgb(0x2A9D8F), Rgb(0xE9C46A), Rgb(0xE76F51)},
                              {Rgb(0x06D6A0), Rgb(0x118AB2), Rgb(0xFFD166)}};
    struct SPOT {
        float x, y, r;
    };
    std::vector<SPOT> spots;
    for (int i = 0; i < 16; ++i) {
        float r = random.Range(0.025f, 0.11f) * h;
        spots.push_back({random.Range(0.05f, 0.95f) * w, random.Range(0.12f, 0.62f) * h, r});
    }
    std::sort(spots.begin(), spots.end(), [](const SPOT& a, const SPOT& b) { return a.r < b.r; });
    for (size_t i = 0; i < spots.size(); ++i) {
        Balloon(canvas, spots[i].x, spots[i].y, spots[i].r, sets[i % 5], random.Int(8, 14));
    }
}
