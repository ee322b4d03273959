// picture_cutter: scales and crops a source photograph into a thumbnail and its full pictures.
//
//   picture_cutter SOURCE FOCUS_X FOCUS_Y THUMB.jpg WxH FULL.jpg WxH [FULL.jpg WxH ...]
//
// One full picture per picture tier, all of one shape; each covers its size completely, and the
// focus (0 .. 1 per axis, 0.5 for the middle) places the crop window inside whatever overflows.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "image.h"

namespace {

bool ParseSize(const char* text, int& width, int& height) {
    return std::sscanf(text, "%dx%d", &width, &height) == 2 && width > 0 && height > 0 &&
           width <= 8192 && height <= 8192;
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "picture_cutter: %s\n", message.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 8 || argc % 2 != 0) {
        return Fail("usage: SOURCE FOCUS_X FOCUS_Y THUMB WxH FULL WxH [FULL WxH ...]");
    }
    const double focus_x = std::atof(argv[2]);
    const double focus_y = std::atof(argv[3]);
    int thumb_w, thumb_h;
    if (!ParseSize(argv[5], thumb_w, thumb_h)) {
        return Fail("sizes are WIDTHxHEIGHT");
    }
    std::string error;
    image_io::IMAGE source;
    if (!image_io::ReadImage(argv[1], source, error))
        return Fail(error);

    for (int arg = 6; arg < argc; arg += 2) {
        int full_w, full_h;
        if (!ParseSize(argv[arg + 1], full_w, full_h)) {
            return Fail("sizes are WIDTHxHEIGHT");
        }
        if (source.width < full_w / 2 || source.height < full_h / 2) {
            return Fail(std::string(argv[1]) + " is too small for a " + argv[arg + 1] + " picture");
        }
        image_io::IMAGE full = image_io::CoverCrop(source, full_w, full_h, focus_x, focus_y);
        image_io::Sharpen(full, 0.35);
        if (!image_io::WriteJpeg(argv[arg], full, 90, error)) {
            return Fail(error);
        }
        // The thumbnail comes from the first full picture so that both show the same crop.
        if (arg == 6) {
            image_io::IMAGE thumb =
                image_io::ResampleArea(full, 0, 0, full.width, full.height, thumb_w, thumb_h);
            image_io::Sharpen(thumb, 0.5);
            if (!image_io::WriteJpeg(argv[4], thumb, 88, error)) {
                return Fail(error);
            }
        }
    }
    return 0;
}
