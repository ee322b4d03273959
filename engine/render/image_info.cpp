// Reading the pixel size of a PNG or JPEG image from its header, without decoding it.
#include "engine/render/image_info.h"

#include <cstdint>
#include <cstring>

namespace {

uint32_t BigEndian32(const uint8_t* p) {
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

uint32_t BigEndian16(const uint8_t* p) {
    return (uint32_t(p[0]) << 8) | p[1];
}

bool ReadPngInfo(const uint8_t* p, size_t size, int& width, int& height) {
    static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (size < 24 || std::memcmp(p, kSignature, 8) != 0 || std::memcmp(p + 12, "IHDR", 4) != 0) {
        return false;
    }
    uint32_t w = BigEndian32(p + 16);
    uint32_t h = BigEndian32(p + 20);
    if (w == 0 || h == 0 || w > 0x7FFFFFFF || h > 0x7FFFFFFF) {
        return false;
    }
    width = int(w);
    height = int(h);
    return true;
}

// Start-of-frame markers carry the size; C4 (Huffman tables), C8 and CC (arithmetic coding
// tables) share the range but are not frames.
bool IsStartOfFrame(uint8_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool ReadJpegInfo(const uint8_t* p, size_t size, int& width, int& height) {
    if (size < 4 || p[0] != 0xFF || p[1] != 0xD8) {
        return false;
    }
    size_t at = 2;
    while (at + 4 <= size) {
        if (p[at] != 0xFF) {
            return false;
        }
        uint8_t marker = p[at + 1];
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        if (marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) {
            at += 2;  // markers without a length
            continue;
        }
        size_t length = BigEndian16(p + at + 2);
        if (length < 2) {
            return false;
        }
        if (IsStartOfFrame(marker)) {
            if (at + 9 > size || length < 7) {
                return false;
            }
            int h = int(BigEndian16(p + at + 5));
            int w = int(BigEndian16(p + at + 7));
            if (w == 0 || h == 0) {
                return false;
            }
            width = w;
            height = h;
            return true;
        }
        at += 2 + length;
    }
    return false;
}

}  // namespace

bool ReadImageInfo(const void* bytes, size_t size, int& width, int& height) {
    if (bytes == nullptr) {
        return false;
    }
    const auto* p = static_cast<const uint8_t*>(bytes);
    return ReadPngInfo(p, size, width, height) || ReadJpegInfo(p, size, width, height);
}
