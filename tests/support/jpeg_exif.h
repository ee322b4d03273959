// An Exif block recording a camera's orientation, put into a JPEG's bytes as cameras write it.
#pragma once

#include <string>

namespace jpeg_exif {

// jpeg with an APP1 Exif segment right after its start-of-image marker: a big-endian TIFF
// block whose one directory entry is the orientation tag (0x0112, SHORT) set to orientation.
inline std::string WithOrientation(std::string jpeg, int orientation) {
    const std::string tiff = std::string("MM\0\x2A\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0", 19) +
                             static_cast<char>(orientation) + std::string(6, '\0');
    const std::string body = std::string("Exif\0\0", 6) + tiff;
    const size_t length = body.size() + 2;
    const std::string segment = std::string("\xFF\xE1") + static_cast<char>(length >> 8) +
                                static_cast<char>(length & 0xFF) + body;
    jpeg.insert(2, segment);
    return jpeg;
}

}  // namespace jpeg_exif
