// picture_cutter: scales and crops a source photograph into a full picture and a thumbnail.
//
//   picture_cutter SOURCE FULL.jpg WIDTHxHEIGHT THUMB.jpg WIDTHxHEIGHT [FOCUS_X FOCUS_Y]
//
// Both outputs cover their size completely; the focus (0 .. 1 per axis, default 0.5) places the
// crop window inside whatever overflows.
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
    if (argc != 6 && argc != 8) {
        return Fail("usage: SOURCE FULL WxH THUMB WxH [FOCUS_X FOCUS_Y]");
    }
    int full_w, full_h, thumb_w, thumb_h;
    if (!ParseSize(argv[3], full_w, full_h) || !ParseSize(argv[5], thumb_w, thumb_h)) {
        return Fail("sizes are WIDTHxHEIGHT");
    }
    double focus_x = argc == 8 ? std::atof(argv[6]) : 0.5;
    double focus_y = argc == 8 ? std::atof(argv[7]) : 0.5;

    std::string error;
    image_io::IMAGE source;
    if (!image_io::ReadImage(argv[1], source, error))
        return Fail(error);
    if (source.width < full_w / 2 || source.height < full_h / 2) {
        return Fail(std::string(argv[1]) + " is too small for a full picture");
    }
    image_io::IMAGE full = image_io::CoverCrop(source, full_w, full_h, focus_x, focus_y);
    image_io::Sharpen(full, 0.35);
    // The thumbnail comes from the finished picture so that both show the same crop.
    image_io::IMAGE thumb =
        image_io::ResampleArea(full, 0, 0, full.width, full.height, thumb_w, thumb_h);
    image_io::Sharpen(thumb, 0.5);
    if (!image_io::WriteJpeg(argv[2], full, 90, error) ||
        !image_io::WriteJpeg(argv[4], thumb, 88, error)) {
        return Fail(error);
    }
    return 0;
}
