// picture_painter: paints one procedural scene as a full picture and its thumbnail.
//
//   picture_painter SCENE FULL.jpg WIDTHxHEIGHT THUMB.jpg WIDTHxHEIGHT
//
// The scene is painted at twice the full size and averaged down, which smooths every edge.
#include <cstdio>
#include <cstring>
#include <string>

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
    if (argc != 6)
        return Fail("usage: SCENE FULL WxH THUMB WxH");
    const SCENE* scene = nullptr;
    for (const SCENE& s : kScenes) {
        if (std::strcmp(s.name, argv[1]) == 0)
            scene = &s;
    }
    if (!scene)
        return Fail(std::string("no scene called ") + argv[1]);
    int full_w, full_h, thumb_w, thumb_h;
    if (!ParseSize(argv[3], full_w, full_h) || !ParseSize(argv[5], thumb_w, thumb_h)) {
        return Fail("sizes are WIDTHxHEIGHT");
    }
    CANVAS canvas(full_w * 2, full_h * 2);
    scene->paint(canvas);
    image_io::IMAGE full = canvas.Resolve(full_w, full_h);
    image_io::IMAGE thumb =
        image_io::ResampleArea(full, 0, 0, full.width, full.height, thumb_w, thumb_h);
    std::string error;
    if (!image_io::WriteJpeg(argv[2], full, 92, error) ||
        !image_io::WriteJpeg(argv[4], thumb, 88, error)) {
        return Fail(error);
    }
    return 0;
}
