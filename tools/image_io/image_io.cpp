// JPEG and PNG files for the data tools, through libjpeg and libpng.
// jpeglib.h needs size_t and FILE declared before it.
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>

#include <jpeglib.h>
#include <png.h>

#include "image.h"

namespace image_io {
namespace {

struct FILE_CLOSER {
    void operator()(FILE* file) const { std::fclose(file); }
};
using FILE_PTR = std::unique_ptr<FILE, FILE_CLOSER>;

// libjpeg reports fatal errors through a callback that must not return.
struct JPEG_ERROR {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void JpegFail(j_common_ptr info) {
    auto* error = reinterpret_cast<JPEG_ERROR*>(info->err);
    (*info->err->format_message)(info, error->message);
    std::longjmp(error->jump, 1);
}

bool ReadJpeg(FILE* file, IMAGE& image, std::string& error) {
    jpeg_decompress_struct info;
    JPEG_ERROR jerr;
    info.err = jpeg_std_error(&jerr.manager);
    jerr.manager.error_exit = JpegFail;
    std::vector<uint8_t> row;
    if (setjmp(jerr.jump)) {
        error = jerr.message;
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image = IMAGE(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
    row.resize(static_cast<size_t>(image.width) * 3);
    while (info.output_scanline < info.output_height) {
        int y = static_cast<int>(info.output_scanline);
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        for (int x = 0; x < image.width; ++x) {
            uint8_t* p = image.At(x, y);
            std::memcpy(p, &row[static_cast<size_t>(x) * 3], 3);
            p[3] = 255;
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

// Source pictures often carry colour profiles libpng grumbles about; the pixels are fine.
void IgnorePngWarning(png_structp, png_const_charp) {}

bool ReadPng(FILE* file, IMAGE& image, std::string& error) {
    png_structp png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, IgnorePngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        error = "out of memory";
        return false;
    }
    std::vector<png_bytep> rows;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        error = "corrupt PNG";
        return false;
    }
    png_init_io(png, file);
    png_read_info(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    image = IMAGE(static_cast<int>(png_get_image_width(png, info)),
                  static_cast<int>(png_get_image_height(png, info)));
    rows.resize(image.height);
    for (int y = 0; y < image.height; ++y)
        rows[y] = image.At(0, y);
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

bool EndsWith(const std::string& text, const char* suffix) {
    size_t n = std::strlen(suffix);
    return text.size() >= n && text.compare(text.size() - n, n, suffix) == 0;
}

}  // namespace

bool ReadImage(const std::string& path, IMAGE& image, std::string& error) {
    FILE_PTR file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        error = "cannot open " + path;
        return false;
    }
    unsigned char signature[8] = {};
    size_t got = std::fread(signature, 1, sizeof signature, file.get());
    std::rewind(file.get());
    bool ok;
    if (got >= 3 && signature[0] == 0xFF && signature[1] == 0xD8 && signature[2] == 0xFF) {
        ok = ReadJpeg(file.get(), image, error);
    } else if (got == 8 && png_sig_cmp(signature, 0, 8) == 0) {
        ok = ReadPng(file.get(), image, error);
    } else {
        error = "neither JPEG nor PNG";
        ok = false;
    }
    if (!ok)
        error = path + ": " + error;
    return ok;
}

bool WriteJpeg(const std::string& path, const IMAGE& image, int quality, std::string& error) {
    FILE_PTR file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        error = "cannot write " + path;
        return false;
    }
    jpeg_compress_struct info;
    JPEG_ERROR jerr;
    info.err = jpeg_std_error(&jerr.manager);
    jerr.manager.error_exit = JpegFail;
    std::vector<uint8_t> row(static_cast<size_t>(image.width) * 3);
    if (setjmp(jerr.jump)) {
        error = path + ": " + jerr.message;
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file.get());
    info.image_width = static_cast<JDIMENSION>(image.width);
    info.image_height = static_cast<JDIMENSION>(image.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.optimize_coding = TRUE;
    jpeg_start_compress(&info, TRUE);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            std::memcpy(&row[static_cast<size_t>(x) * 3], image.At(x, y), 3);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

bool WritePng(const std::string& path, const IMAGE& image, std::string& error) {
    FILE_PTR file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        error = "cannot write " + path;
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        error = "out of memory";
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        error = "cannot encode " + path;
        return false;
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width),
                 static_cast<png_uint_32>(image.height), 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < image.height; ++y) {
        png_write_row(png, const_cast<png_bytep>(image.At(0, y)));
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

bool WriteImage(const std::string& path, const IMAGE& image, std::string& error) {
    if (EndsWith(path, ".png"))
        return WritePng(path, image, error);
    if (EndsWith(path, ".jpg") || EndsWith(path, ".jpeg"))
        return WriteJpeg(path, image, 90, error);
    error = "unknown image type: " + path;
    return false;
}

}  // namespace image_io
