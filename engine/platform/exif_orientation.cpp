// Reading the Exif orientation tag of a JPEG and turning texels upright; see exif_orientation.h.
#include "engine/platform/exif_orientation.h"

#include <cstring>
#include <utility>

namespace platform {

namespace {

constexpr uint16_t kOrientationTag = 0x0112;
constexpr uint16_t kShortType = 3;

// Bounds-checked reads of the TIFF block inside the Exif segment, in its own byte order.
class TIFF_READER {
  public:
    TIFF_READER(const uint8_t* data, size_t size, bool big_endian)
        : data_(data), size_(size), big_endian_(big_endian) {}

    bool Read16(size_t at, uint16_t& value) const {
        if (at > size_ || size_ - at < 2) {
            return false;
        }
        value = big_endian_ ? static_cast<uint16_t>(data_[at] << 8 | data_[at + 1])
                            : static_cast<uint16_t>(data_[at + 1] << 8 | data_[at]);
        return true;
    }
    bool Read32(size_t at, uint32_t& value) const {
        uint16_t first = 0;
        uint16_t second = 0;
        if (!Read16(at, first) || !Read16(at + 2, second)) {
            return false;
        }
        value = big_endian_ ? uint32_t{first} << 16 | second : uint32_t{second} << 16 | first;
        return true;
    }

  private:
    const uint8_t* data_;
    size_t size_;
    bool big_endian_;
};

int OrientationInTiff(const uint8_t* tiff, size_t size) {
    if (size < 8) {
        return 1;
    }
    bool big_endian = false;
    if (std::memcmp(tiff, "MM", 2) == 0) {
        big_endian = true;
    } else if (std::memcmp(tiff, "II", 2) != 0) {
        return 1;
    }
    const TIFF_READER reader(tiff, size, big_endian);
    uint16_t magic = 0;
    uint32_t first_directory = 0;
    uint16_t entries = 0;
    if (!reader.Read16(2, magic) || magic != 42 || !reader.Read32(4, first_directory) ||
        !reader.Read16(first_directory, entries)) {
        return 1;
    }
    for (uint32_t i = 0; i < entries; ++i) {
        const size_t entry = size_t{first_directory} + 2 + size_t{i} * 12;
        uint16_t tag = 0;
        uint16_t type = 0;
        uint16_t value = 0;
        if (!reader.Read16(entry, tag) || !reader.Read16(entry + 2, type) ||
            !reader.Read16(entry + 8, value)) {
            return 1;
        }
        if (tag == kOrientationTag) {
            return type == kShortType && value >= 1 && value <= 8 ? value : 1;
        }
    }
    return 1;
}

}  // namespace

int JpegOrientation(const uint8_t* bytes, size_t size) {
    static const uint8_t kExifHeader[6] = {'E', 'x', 'i', 'f', 0, 0};
    size_t at = 2;  // after the start-of-image marker
    while (at + 4 <= size && bytes[at] == 0xFF) {
        const uint8_t marker = bytes[at + 1];
        const size_t length = size_t{bytes[at + 2]} << 8 | bytes[at + 3];
        // Start of scan: the image data follows and no Exif block comes after it.
        if (marker == 0xDA || length < 2 || size - at - 2 < length) {
            return 1;
        }
        const uint8_t* body = bytes + at + 4;
        const size_t body_size = length - 2;
        if (marker == 0xE1 && body_size >= sizeof(kExifHeader) &&
            std::memcmp(body, kExifHeader, sizeof(kExifHeader)) == 0) {
            return OrientationInTiff(body + sizeof(kExifHeader), body_size - sizeof(kExifHeader));
        }
        at += 2 + length;
    }
    return 1;
}

void ApplyOrientation(int orientation, int& width, int& height, std::vector<uint32_t>& argb) {
    if (orientation < 2 || orientation > 8) {
        return;
    }
    const int w = width;
    const int h = height;
    const bool swap = SwapsSides(orientation);
    const int out_w = swap ? h : w;
    const int out_h = swap ? w : h;
    std::vector<uint32_t> upright(argb.size());
    for (int y = 0; y < out_h; ++y) {
        for (int x = 0; x < out_w; ++x) {
            int sx = x;
            int sy = y;
            switch (orientation) {
                case 2:
                    sx = w - 1 - x;
                    break;
                case 3:
                    sx = w - 1 - x;
                    sy = h - 1 - y;
                    break;
                case 4:
                    sy = h - 1 - y;
                    break;
                case 5:
                    sx = y;
                    sy = x;
                    break;
                case 6:
                    sx = y;
                    sy = h - 1 - x;
                    break;
                case 7:
                    sx = w - 1 - y;
                    sy = h - 1 - x;
                    break;
                case 8:
                    sx = w - 1 - y;
                    sy = x;
                    break;
                default:
                    break;
            }
            upright[static_cast<size_t>(y) * out_w + x] = argb[static_cast<size_t>(sy) * w + sx];
        }
    }
    argb = std::move(upright);
    width = out_w;
    height = out_h;
}

}  // namespace platform
