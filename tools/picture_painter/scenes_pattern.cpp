// Pattern scenes: stained glass, a patchwork quilt, a mandala and marbled paper.
#include <algorithm>
#include <cmath>

#include "scenes.h"

namespace {
constexpr float kPi = 3.14159265f;
}

// Voronoi cells coloured by a sunflower motif, joined by dark leading, lit from the upper left.
void PaintStainedGlass(CANVAS& canvas) {
    int w = canvas.Width(), h = canvas.Height();
    RANDOM random(11);
    struct SEED {
        float x, y;
        COLOUR colour;
    };
    std::vector<SEED> seeds;
    const int columns = 26, rows = 20;
    float cx = w * 0.5f, cy = h * 0.52f, radius = h * 0.34f;
    for (int j = 0; j < rows; ++j) {
        for (int i = 0; i < columns; ++i) {
            float x = (i + random.Range(0.15f, 0.85f)) * w / columns;
            float y = (j + random.Range(0.15f, 0.85f)) * h / rows;
            float d = std::hypot(x - cx, y - cy) / radius;
            float angle = std::atan2(y - cy, x - cx);
            COLOUR c;
            if (d < 0.35f) {  // the seed head
                c = Hsv(0.07f + random.Range(-0.02f, 0.02f), 0.8f, random.Range(0.35f, 0.55f));
            } else if (d < 1.0f + 0.18f * std::cos(angle * 12)) {  // petals
                c = Hsv(random.Range(0.11f, 0.15f), 0.9f, random.Range(0.85f, 1.0f));
            } else {  // sky rings of blues, greens and violets
                float band = std::fmod(d * 2.2f + angle / (2 * kPi), 1.0f);
                c = Hsv(0.5f + 0.28f * band + random.Range(-0.04f, 0.04f), 0.75f,
                        random.Range(0.6f, 0.9f));
            }
            seeds.push_back({x, y, c});
        }
    }
    float lead = 3.2f * w / 1600.0f;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            float best = 1e30f, second = 1e30f;
            const SEED* nearest = nullptr;
            int gi = x * columns / w, gj = y * rows / h;
            for (int j = std::max(0, gj - 2); j <= std::min(rows - 1, gj + 2); ++j) {
                for (int i = std::max(0, gi - 2); i <= std::min(columns - 1, gi + 2); ++i) {
                    const SEED& s = seeds[j * columns + i];
                    float d = std::hypot(x - s.x, y - s.y);
                    if (d < best) {
                        second = best;
                        best = d;
                        nearest = &s;
                    } else if (d < second) {
                        second = d;
                    }
                }
            }
            float edge = (second - best) * 0.5f;
            float light = 0.75f + 0.35f * (1.0f - (x + y) / static_cast<float>(w + h));
            float grain = 0.85f + 0.3f * Fbm(x * 0.02f, y * 0.02f, 5, 4);
            COLOUR c = Scale(nearest->colour, light * grain);
            if (edge < lead)
                c = Mix(Rgb(0x1E1A18), Rgb(0x4A4038), edge / lead * 0.5f);
            canvas.At(x, y) = c;
        }
    }
}

namespace {

// One quilt square with one of six fabric patterns.
void PaintPatch(CANVAS& canvas, float x0, float y0, float size, RANDOM& random) {
    COLOUR base = Hsv(random.Unit(), random.Range(0.35f, 0.75f), random.Range(0.7f, 0.95f));
    COLOUR ink = Hsv(random.Unit(), random.Range(0.5f, 0.9f), random.Range(0.35f, 0.8f));
    canvas.FillRect(x0, y0, x0 + size, y0 + size, base);
    int pattern = random.Int(0, 5);
    float step = size / random.Int(6, 10);
    switch (pattern) {
        case 0:  // stripes
            for (float x = x0; x < x0 + size; x += step) {
                canvas.FillRect(x, y0, x + step * 0.4f, y0 + size, ink);
            }
            break;
        case 1:  // polka dots
            for (float y = y0 + step / 2; y < y0 + size; y += step) {
                for (float x = x0 + step / 2; x < x0 + size; x += step) {
                    canvas.FillCircle(x, y, step * 0.28f, ink);
                }
            }
            break;
        case 2:  // gingham
            for (float t = x0; t < x0 + size; t += step) {
                canvas.FillRect(t, y0, t + step / 2, y0 + size, ink, 0.45f);
            }
            for (float t = y0; t < y0 + size; t += step) {
                canvas.FillRect(x0, t, x0 + size, t + step / 2, ink, 0.45f);
            }
            break;
        case 3:  // little flowers
            for (float y = y0 + step / 2; y < y0 + size; y += step * 1.4f) {
                for (float x = x0 + step / 2; x < x0 + size; x += step * 1.4f) {
                    for (int p = 0; p < 5; ++p) {
                        float a = p * 2 * kPi / 5;
                        canvas.FillCircle(x + std::cos(a) * step * 0.3f,
                                          y + std::sin(a) * step * 0.3f, step * 0.2f, ink);
                    }
                    canvas.FillCircle(x, y, step * 0.16f, Rgb(0xF6D34A));
                }
            }
            break;
        case 4:  // zigzag
            for (float y = y0; y < y0 + size; y += step) {
                for (float x = x0; x < x0 + size; x += step) {
                    canvas.FillPolygon({x, y + step * 0.7f, x + step / 2, y + step * 0.2f, x + step,
                                        y + step * 0.7f, x + step, y + step, x + step / 2,
                                        y + step * 0.5f, x, y + step},
                                       ink);
                }
            }
            break;
        default:  // diamonds
            for (float y = y0; y < y0 + size; y += step) {
                for (float x = x0; x < x0 + size; x += step) {
                    canvas.FillPolygon({x + step / 2, y, x + step, y + step / 2, x + step / 2,
                                        y + step, x, y + step / 2},
                                       ink, 0.8f);
                }
            }
            break;
    }
    // Shading of the padded fabric and a dashed seam around the square.
    for (int y = static_cast<int>(y0); y < static_cast<int>(y0 + size); ++y) {
        for (int x = static_cast<int>(x0); x < static_cast<int>(x0 + size); ++x) {
            float u = (x - x0) / size - 0.5f, v = (y - y0) / size - 0.5f;
            canvas.Blend(x, y, Rgb(0x000000), (u * u + v * v) * 0.5f);
        }
    }
    float inset = size * 0.05f, dash = size * 0.04f;
    COLOUR thread = Rgb(0xFFF6E0);
    for (float t = 0; t < size - 2 * inset; t += dash * 2) {
        canvas.FillRect(x0 + inset + t, y0 + inset, x0 + inset + t + dash, y0 + inset + 2, thread);
        canvas.FillRect(x0 + inset + t, y0 + size - inset - 2, x0 + inset + t + dash,
                        y0 + size - inset, thread);
        canvas.FillRect(x0 + inset, y0 + inset + t, x0 + inset + 2, y0 + inset + t + dash, thread);
        canvas.FillRect(x0 + size - inset - 2, y0 + inset + t, x0 + size - inset,
                        y0 + inset + t + dash, thread);
    }
}

}  // namespace

void PaintPatchwork(CANVAS& canvas) {
    RANDOM random(23);
    int columns = 8;
    float size = static_cast<float>(canvas.Width()) / columns;
    int rows = static_cast<int>(std::ceil(canvas.Height() / size));
    for (int j = 0; j < rows; ++j) {
        for (int i = 0; i < columns; ++i)
            PaintPatch(canvas, i * size, j * size, size, random);
    }
}

// Concentric rings of petals with a different count and palette in every ring.
void PaintMandala(CANVAS& canvas) {
    int w = canvas.Width(), h = canvas.Height();
    float cx = w * 0.5f, cy = h * 0.5f, unit = std::min(w, h) * 0.5f;
    RANDOM random(37);
    const int rings = 11;
    std::vector<int> petals(rings);
    std::vector<COLOUR> fill(rings), rim(rings);
    for (int i = 0; i < rings; ++i) {
        petals[i] = 6 + 2 * random.Int(1, 8);
        fill[i] = Hsv(0.95f + 0.09f * i + random.Range(-0.03f, 0.03f), 0.7f, 0.95f);
        rim[i] = Hsv(0.6f + 0.05f * i, 0.8f, 0.35f);
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            float dx = x - cx, dy = y - cy;
            float r = std::hypot(dx, dy) / unit;
            float a = std::atan2(dy, dx);
            // Background: a deep tiled lattice of small stars.
            float lattice =
                std::fabs(std::sin(x * 0.045f * 1600.0f / w) * std::sin(y * 0.045f * 1600.0f / w));
            COLOUR c = Mix(Rgb(0x14204A), Rgb(0x2E3C7A), lattice);
            float ring_f = r * rings / 1.05f;
            int ring = static_cast<int>(ring_f);
            if (ring < rings) {
                float t = ring_f - ring;
                float wave = std::fabs(std::cos(a * petals[ring] * 0.5f));
                float petal = std::pow(wave, 0.6f);
                if (t < petal) {
                    float shade = 0.65f + 0.35f * (1.0f - t / std::max(petal, 0.01f));
                    c = Scale(fill[ring], shade);
                    if (petal - t < 0.08f)
                        c = rim[ring];
                    if (std::fabs(t - petal * 0.5f) < 0.03f)
                        c = Rgb(0xFFF2C8);
                } else {
                    c = Mix(c, rim[ring], 0.35f);
                }
            }
            canvas.At(x, y) = c;
        }
    }
    canvas.FillCircle(cx, cy, unit * 0.07f, Rgb(0xFFD84A));
    canvas.FillCircle(cx, cy, unit * 0.035f, Rgb(0xC0392B));
}

// Domain-warped noise mapped onto bands of ink, combed into waves like a marbling bath.
void PaintMarbled(CANVAS& canvas) {
    int w = canvas.Width(), h = canvas.Height();
    const COLOUR inks[] = {Rgb(0x1D3557), Rgb(0xE63946), Rgb(0xF1FAEE), Rgb(0xA8DADC),
                           Rgb(0x457B9D), Rgb(0xF4A261), Rgb(0x2A9D8F), Rgb(0xE9C46A)};
    const int count = sizeof inks / sizeof inks[0];
    float s = 4.0f / w;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            float u = x * s, v = y * s;
            float comb = 0.25f * std::sin(u * 9.0f);
            float qx = Fbm(u + 1.7f, v + comb, 3, 5), qy = Fbm(u + 8.3f, v + 2.8f + comb, 4, 5);
            float f = Fbm(u + 3.0f * qx, v + 3.0f * qy, 7, 6);
            float band = f * count * 2.5f;
            int i = static_cast<int>(band);
            float t = band - i;
            COLOUR c = Mix(inks[i % count], inks[(i + 1) % count], std::pow(t, 4.0f));
            float vein = std::fabs(t - 0.5f) < 0.03f ? 0.75f : 1.0f;
            canvas.At(x, y) = Scale(c, vein);
        }
    }
}
