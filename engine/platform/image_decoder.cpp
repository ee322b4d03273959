// The one image decoder seam: tells PNG from JPEG by signature and hands the bytes to its decoder.
#include "engine/platform/image_decoder.h"

#include <cstring>

#include "engine/platform/exif_orientation.h"
#include "engine/platform/image_codecs.h"

namespace platform {

bool DecodeImageMemory(const void* bytes, size_t size, int box_width, int box_height, int& width,
                       int& height, std::vector<uint32_t>& argb) {
    static const uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    const auto* data = static_cast<const uint8_t*>(bytes);
    if (data == nullptr || size < 8) {
        return false;
    }
    if (std::memcmp(data, kPngSignature, sizeof(kPngSignature)) == 0) {
        return DecodePng(data, size, box_width, box_height, width, height, argb);
    }
    if (data[0] == 0xFF && data[1] == 0xD8) {
        // The box is for the upright picture; a camera held sideways stored it turned.
        const int orientation = JpegOrientation(data, size);
        const bool swap = SwapsSides(orientation);
        if (!DecodeJpeg(data, size, swap ? box_height : box_width, swap ? box_width : box_height,
                        width, height, argb)) {
            return false;
        }
        ApplyOrientation(orientation, width, height, argb);
        return true;
    }
    return false;
}

}  // namespace platform
