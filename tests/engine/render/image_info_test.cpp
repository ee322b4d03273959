// Reading image sizes from PNG and JPEG headers, including truncated and hostile headers.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "engine/render/image_info.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes Png(unsigned w, unsigned h) {
    Bytes b = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    for (unsigned v : {w, h}) {
        b.insert(b.end(), {(unsigned char)(v >> 24), (unsigned char)(v >> 16),
                           (unsigned char)(v >> 8), (unsigned char)v});
    }
    b.insert(b.end(), {8, 6, 0, 0, 0});
    return b;
}

// Start of image, one segment per (marker, payload), nothing after.
Bytes Jpeg(const std::vector<std::pair<unsigned char, Bytes>>& segments) {
    Bytes b = {0xFF, 0xD8};
    for (const auto& [marker, payload] : segments) {
        size_t length = payload.size() + 2;
        b.insert(b.end(), {0xFF, marker, (unsigned char)(length >> 8), (unsigned char)length});
        b.insert(b.end(), payload.begin(), payload.end());
    }
    return b;
}

// A frame header: precision 8, height, width, one component.
Bytes Frame(unsigned w, unsigned h) {
    return {8,
            (unsigned char)(h >> 8),
            (unsigned char)h,
            (unsigned char)(w >> 8),
            (unsigned char)w,
            1,
            1,
            0x11,
            0};
}

struct InfoCase {
    std::string name;
    Bytes bytes;
    bool ok;
    int width, height;
};

class ImageInfoTest : public testing::TestWithParam<InfoCase> {};

TEST_P(ImageInfoTest, ReadsTheSizeOrRefuses) {
    const InfoCase& c = GetParam();
    int w = -7, h = -7;
    EXPECT_EQ(ReadImageInfo(c.bytes.data(), c.bytes.size(), w, h), c.ok) << c.name;
    if (c.ok) {
        EXPECT_EQ(w, c.width) << c.name;
        EXPECT_EQ(h, c.height) << c.name;
    }
}

Bytes Truncated(Bytes b, size_t size) {
    b.resize(size);
    return b;
}

INSTANTIATE_TEST_SUITE_P(
    Headers, ImageInfoTest,
    testing::Values(
        InfoCase{"png", Png(640, 480), true, 640, 480},
        InfoCase{"png cut inside the size", Truncated(Png(640, 480), 22), false, 0, 0},
        InfoCase{"png of width 0", Png(0, 480), false, 0, 0},
        InfoCase{"png wider than int", Png(0x80000000u, 4), false, 0, 0},
        InfoCase{"baseline jpeg after an app segment",
                 Jpeg({{0xE0, Bytes(14, 0)}, {0xC0, Frame(1024, 768)}}), true, 1024, 768},
        InfoCase{"progressive jpeg", Jpeg({{0xC2, Frame(33, 17)}}), true, 33, 17},
        InfoCase{"huffman tables are not a frame",
                 Jpeg({{0xC4, Bytes(20, 0)}, {0xC0, Frame(5, 6)}}), true, 5, 6},
        InfoCase{"jpeg without a frame", Jpeg({{0xE0, Bytes(14, 0)}}), false, 0, 0},
        InfoCase{"jpeg cut inside the frame", Truncated(Jpeg({{0xC0, Frame(1024, 768)}}), 8), false,
                 0, 0},
        InfoCase{"jpeg segment length below two", Bytes{0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x01}, false,
                 0, 0},
        InfoCase{"jpeg frame of height 0", Jpeg({{0xC0, Frame(10, 0)}}), false, 0, 0},
        InfoCase{"garbage", Bytes{'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0}, false, 0, 0},
        InfoCase{"empty", Bytes{}, false, 0, 0}),
    [](const testing::TestParamInfo<InfoCase>& info) {
        std::string name = info.param.name;
        for (char& ch : name) {
            if (!std::isalnum(static_cast<unsigned char>(ch))) {
                ch = '_';
            }
        }
        return name;
    });

TEST(ImageInfoNullTest, NullBytesAreRefused) {
    int w = 0, h = 0;
    EXPECT_FALSE(ReadImageInfo(nullptr, 100, w, h));
}

}  // namespace
