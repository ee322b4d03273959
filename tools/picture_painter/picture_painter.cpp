// picture_painter: paints one procedural scene as a thumbnail and its full pictures.
//
//   picture_painter SCENE THUMB.jpg WxH FULL.jpg WxH [FULL.jpg WxH ...]
//
// One full picture per picture tier, all of one shape. The scene is painted once, at twice the
// largest full size, and averaged down to each, which smooths every edge and keeps the tiers
// alike.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "scenes.h"

namespace {

struct SCENE {
    const char* name;
    void (*paint)(CANVAS&);
};

constexpr SCENE kScenes[] = {
    {"stained_glass", PaintStainedGlass},
    {"patchwork", PaintPatchwork},
    {"mandala", PaintMandala},
    {"marbled", PaintMarbled},
    {"flower_field", PaintFlowerField},
    {"night_harbour", PaintNightHarbour},
    {"autumn_wood", PaintAutumnWood},
    {"balloons", PaintBalloons},
};

int Fail(const std::string& message) {
    std::fprintf(stderr, "picture_painter: %s\n", message.c_str());
    return 1;
}

bool ParseSize(const char* text, int& width, int& height) {
    return std::sscanf(text, "%dx%d", &width, &height) == 2 && width > 0 && height > 0 &&
           width <= 4096 && height <= 4096;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 6 || argc % 2 != 0)
        return Fail("usage: SCENE THUMB WxH FULL WxH [FULL WxH ...]");
    const SCENE* scene = nullptr;
    for (const SCENE& s : kScenes) {
        if (std::strcmp(s.name, argv[1]) == 0)
            scene = &s;
    }
    if (!scene)
        return Fail(std::string("no scene called ") + argv[1]);
    int thumb_w, thumb_h;
    std::vector<std::pair<int, int>> sizes;
    bool sizes_read = ParseSize(argv[3], thumb_w, thumb_h);
    for (int arg = 4; arg < argc && sizes_read; arg += 2) {
        int w, h;
        sizes_read = ParseSize(argv[arg + 1], w, h);
        sizes.emplace_back(w, h);
    }
    if (!sizes_read) {
        return Fail("sizes are WIDTHxHEIGHT");
    }
    const auto largest = *std::max_element(sizes.begin(), sizes.end());
    CANVAS canvas(largest.first * 2, largest.second * 2);
    scene->paint(canvas);
    std::string error;
    for (size_t i = 0; i < sizes.size(); ++i) {
        image_io::IMAGE full = canvas.Resolve(sizes[i].first, sizes[i].second);
        if (!image_io::WriteJpeg(argv[4 + 2 * i], full, 92, error)) {
            return Fail(error);
        }
        // The thumbnail comes from the first full picture, as a photograph's does.
        if (i == 0) {
            image_io::IMAGE thumb =
                image_io::ResampleArea(full, 0, 0, full.width, full.height, thumb_w, thumb_h);
            if (!image_io::WriteJpeg(argv[2], thumb, 88, error)) {
                return Fail(error);
            }
        }
    }
    return 0;
}
