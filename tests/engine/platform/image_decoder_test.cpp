// The image decoder seam: whole PNGs and JPEGs decode, damaged ones fail at once (never loop),
// and large pictures come out fitted into the box.
#include "engine/platform/image_decoder.h"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "engine/platform/exif_orientation.h"
#include "engine/platform/image_fit.h"
#include "tests/support/jpeg_exif.h"
#include "tests/support/png_bytes.h"

namespace {

constexpr int kBox = 1024;

struct DECODED {
    bool ok = false;
    int width = 0;
    int height = 0;
    std::vector<uint32_t> argb;
};

DECODED Decode(const std::string& bytes, int box_width = kBox, int box_height = kBox) {
    DECODED d;
    d.ok = platform::DecodeImageMemory(bytes.data(), bytes.size(), box_width, box_height, d.width,
                                       d.height, d.argb);
    return d;
}

uint32_t Gradient(int x, int y) {
    return 0xFF000000u | static_cast<uint32_t>(x * 16) << 16 | static_cast<uint32_t>(y * 16) << 8 |
           0x40u;
}

// A 15 x 9 picture with a note before its image data, as photo tools write them.
std::string NotedPng(bool interlaced = false) {
    return png_bytes::Png(15, 9, Gradient, {{"tEXt", std::string("Comment\0A test picture", 22)}},
                          interlaced);
}

TEST(ImageDecoder, WholePngsDecodeToTheirPixels) {
    for (bool interlaced : {false, true}) {
        const DECODED d = Decode(NotedPng(interlaced));
        ASSERT_TRUE(d.ok) << interlaced;
        ASSERT_EQ(d.width, 15);
        ASSERT_EQ(d.height, 9);
        for (int y = 0; y < 9; ++y) {
            for (int x = 0; x < 15; ++x) {
                EXPECT_EQ(d.argb[static_cast<size_t>(y * 15 + x)], Gradient(x, y))
                    << x << "," << y << " interlaced " << interlaced;
            }
        }
    }
    // A damaged note is skipped; the picture still decodes.
    std::string bad_note = NotedPng();
    bad_note[33 + 8 + 22] ^= 0x55;  // a byte of the note's crc
    EXPECT_TRUE(Decode(bad_note).ok);
}

// The chunks before the image data are where the library used to loop for ever.
TEST(ImageDecoder, DamagedPngsFailAtOnce) {
    const std::string png = NotedPng();
    constexpr size_t kNoteStart = 33;  // signature and header chunk
    std::string claims_too_much = png.substr(0, kNoteStart);
    png_bytes::PutBigEndian32(claims_too_much, 0x7FFFFFF0u);
    claims_too_much += "bKGD\x01\x02";
    std::string bad_header_crc = png;
    bad_header_crc[kNoteStart - 1] ^= 0x55;
    std::string too_wide = png;
    too_wide.replace(16, 4, std::string("\x00\x01\x86\xA0", 4));  // 100000 pixels

    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"cut inside the note (51 bytes)", png.substr(0, 51)},
        {"cut inside the note's header", png.substr(0, kNoteStart + 6)},
        {"cut before the note's crc", png.substr(0, kNoteStart + 8 + 22)},
        {"a chunk claiming more than the file holds", claims_too_much},
        {"cut inside the image data", png.substr(0, png.size() - 20)},
        {"damaged header crc", bad_header_crc},
        {"wider than any picture", too_wide},
        {"signature only", png.substr(0, 8)},
        {"empty", ""},
        {"neither PNG nor JPEG", "GIF89a and more bytes"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(Decode(c.bytes).ok) << c.name;
    }
}

std::string QuadrantJpeg(int width, int height, int orientation);

TEST(ImageDecoder, JpegsDecodeAndFitLikePngs) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 64, 32, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_FillRect(surface, nullptr, 0xFF2080C0);
    std::vector<char> buffer(1 << 20);
    SDL_RWops* memory = SDL_RWFromMem(buffer.data(), static_cast<int>(buffer.size()));
    ASSERT_EQ(IMG_SaveJPG_RW(surface, memory, 0, 95), 0);
    const std::string jpeg(buffer.data(), static_cast<size_t>(SDL_RWtell(memory)));
    SDL_RWclose(memory);
    SDL_FreeSurface(surface);

    for (const auto& [box_width, box_height, width, height] :
         {std::tuple{64, 64, 64, 32}, std::tuple{16, 16, 16, 8}, std::tuple{100, 5, 10, 5}}) {
        const DECODED d = Decode(jpeg, box_width, box_height);
        ASSERT_TRUE(d.ok);
        EXPECT_EQ(d.width, width);
        EXPECT_EQ(d.height, height);
        const uint32_t texel = d.argb[d.argb.size() / 2];
        EXPECT_EQ(texel >> 24, 0xFFu);
        EXPECT_NEAR(static_cast<int>((texel >> 16) & 0xFF), 0x20, 6);
        EXPECT_NEAR(static_cast<int>((texel >> 8) & 0xFF), 0x80, 6);
        EXPECT_NEAR(static_cast<int>(texel & 0xFF), 0xC0, 6);
    }
    EXPECT_FALSE(Decode(jpeg.substr(0, 40)).ok);
    // Cut inside the image data: the library would pad the rest with grey.
    const std::string photo = QuadrantJpeg(64, 32, 0);
    EXPECT_TRUE(Decode(photo).ok);
    EXPECT_FALSE(Decode(photo.substr(0, photo.size() - 16)).ok);
}

TEST(ImageFit, PicturesLargerThanTheBoxKeepTheirProportions) {
    struct Case {
        int source_width, source_height, box_width, box_height, width, height;
    };
    const Case cases[] = {
        {8192, 8192, 1920, 1080, 1080, 1080}, {4000, 3000, 1920, 1080, 1440, 1080},
        {3000, 4000, 1920, 1080, 810, 1080},  {8192, 2000, 1920, 1080, 1920, 468},
        {1920, 1080, 1920, 1080, 1920, 1080}, {800, 600, 1920, 1080, 800, 600},
        {8192, 1, 1920, 1080, 1920, 1},       {1, 8192, 1920, 1080, 1, 1080},
    };
    for (const Case& c : cases) {
        int width = 0;
        int height = 0;
        platform::IMAGE_FIT::FitSize(c.source_width, c.source_height, c.box_width, c.box_height,
                                     width, height);
        EXPECT_EQ(width, c.width) << c.source_width << "x" << c.source_height;
        EXPECT_EQ(height, c.height) << c.source_width << "x" << c.source_height;
    }
}

TEST(ImageFit, EverySourcePixelCountsTowardsOneOutputPixel) {
    // 4 x 2 RGBA rows into a 2 x 1 box: each output pixel is the mean of a 2 x 2 block.
    const uint8_t rows[2][16] = {
        {0, 0, 0, 255, 100, 0, 0, 255, 10, 20, 30, 0, 10, 20, 30, 0},
        {0, 0, 0, 255, 100, 0, 0, 255, 50, 60, 70, 0, 50, 60, 70, 255},
    };
    platform::IMAGE_FIT fit(4, 2, 2, 1);
    ASSERT_EQ(fit.Width(), 2);
    ASSERT_EQ(fit.Height(), 1);
    fit.AddRow(rows[0]);
    EXPECT_FALSE(fit.Complete());
    fit.AddRow(rows[1]);
    ASSERT_TRUE(fit.Complete());
    EXPECT_EQ(fit.Take(), (std::vector<uint32_t>{0xFF320000u, 0x401E2832u}));
}

// A JPEG of four coloured quadrants (red, green / blue, white), with an Exif block recording
// orientation when it is not 0.
std::string QuadrantJpeg(int width, int height, int orientation) {
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    const uint32_t colours[4] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF};
    for (int quadrant = 0; quadrant < 4; ++quadrant) {
        SDL_Rect rect{quadrant % 2 * width / 2, quadrant / 2 * height / 2, width / 2, height / 2};
        SDL_FillRect(surface, &rect, colours[quadrant]);
    }
    std::vector<char> buffer(1 << 20);
    SDL_RWops* memory = SDL_RWFromMem(buffer.data(), static_cast<int>(buffer.size()));
    EXPECT_EQ(IMG_SaveJPG_RW(surface, memory, 0, 95), 0);
    const std::string jpeg(buffer.data(), static_cast<size_t>(SDL_RWtell(memory)));
    SDL_RWclose(memory);
    SDL_FreeSurface(surface);
    return orientation != 0 ? jpeg_exif::WithOrientation(jpeg, orientation) : jpeg;
}

// The quadrant (0 red, 1 green, 2 blue, 3 white) whose colour texel is closest to.
int QuadrantOf(uint32_t texel) {
    const bool red = ((texel >> 16) & 0xFF) > 0x80;
    const bool green = ((texel >> 8) & 0xFF) > 0x80;
    const bool blue = (texel & 0xFF) > 0x80;
    if (red && green && blue) {
        return 3;
    }
    return red ? 0 : green ? 1 : 2;
}

TEST(ImageDecoder, JpegsComeOutUprightAsTheirExifOrientationSays) {
    struct Case {
        int orientation;
        int width, height;        // upright size of the 64 x 32 picture
        int top_left, top_right;  // the source quadrants that end up in the corners
    };
    const Case cases[] = {
        {0, 64, 32, 0, 1}, {1, 64, 32, 0, 1}, {2, 64, 32, 1, 0}, {3, 64, 32, 3, 2},
        {4, 64, 32, 2, 3}, {5, 32, 64, 0, 2}, {6, 32, 64, 2, 0}, {7, 32, 64, 3, 1},
        {8, 32, 64, 1, 3}, {9, 64, 32, 0, 1},  // out of range reads as upright
    };
    for (const Case& c : cases) {
        const DECODED d = Decode(QuadrantJpeg(64, 32, c.orientation));
        ASSERT_TRUE(d.ok) << c.orientation;
        EXPECT_EQ(d.width, c.width) << c.orientation;
        EXPECT_EQ(d.height, c.height) << c.orientation;
        const int inset = 4;
        EXPECT_EQ(QuadrantOf(d.argb[inset * d.width + inset]), c.top_left) << c.orientation;
        EXPECT_EQ(QuadrantOf(d.argb[inset * d.width + d.width - 1 - inset]), c.top_right)
            << c.orientation;
    }
    // The box holds the upright picture: a sideways 64 x 32 fits a 16 x 32 box at 16 x 32.
    const DECODED turned = Decode(QuadrantJpeg(64, 32, 6), 16, 32);
    ASSERT_TRUE(turned.ok);
    EXPECT_EQ(turned.width, 16);
    EXPECT_EQ(turned.height, 32);
}

TEST(ImageDecoder, BrokenExifBlocksReadAsUpright) {
    const std::string upright = QuadrantJpeg(64, 32, 6);
    // Cut inside the Exif block, a segment length running past the end, a directory offset
    // pointing out of the block, and no Exif at all.
    std::string dangling = upright;
    dangling[17] = '\x7F';  // a high byte of the directory offset
    const std::string cases[] = {
        upright.substr(0, 20),
        std::string("\xFF\xD8\xFF\xE1\xFF\xFF", 6) + std::string(100, 'x'),
        dangling,
        QuadrantJpeg(64, 32, 0),
    };
    for (const std::string& bytes : cases) {
        EXPECT_EQ(
            platform::JpegOrientation(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()),
            1);
    }
}

}  // namespace
