// PNG files built chunk by chunk, so that tests can cut, damage or pad any part of them.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace png_bytes {

using PIXELS = std::function<uint32_t(int x, int y)>;             // ARGB
using CHUNKS = std::vector<std::pair<std::string, std::string>>;  // type, data

inline void PutBigEndian32(std::string& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out += static_cast<char>((value >> shift) & 0xFF);
    }
}

// A chunk with its length and crc as a reader expects them.
inline std::string Chunk(const std::string& type, const std::string& data) {
    std::string chunk;
    PutBigEndian32(chunk, static_cast<uint32_t>(data.size()));
    const std::string body = type + data;
    chunk += body;
    PutBigEndian32(chunk, static_cast<uint32_t>(
                              crc32(0, reinterpret_cast<const Bytef*>(body.data()), body.size())));
    return chunk;
}

// The filtered rows of a width x height RGBA picture (or, interlaced, of its seven passes),
// deflated as they are made so that a huge picture never has to be held.
inline std::string ImageData(int width, int height, bool interlaced, const PIXELS& pixel) {
    struct PASS {
        int x0, y0, dx, dy;
    };
    const std::vector<PASS> passes =
        interlaced ? std::vector<PASS>{{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                       {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}}
                   : std::vector<PASS>{{0, 0, 1, 1}};
    z_stream stream{};
    deflateInit(&stream, Z_BEST_COMPRESSION);
    std::string compressed;
    std::string row;
    auto deflate_row = [&](int flush) {
        stream.next_in = reinterpret_cast<Bytef*>(row.data());
        stream.avail_in = static_cast<uInt>(row.size());
        char out[65536];
        do {
            stream.next_out = reinterpret_cast<Bytef*>(out);
            stream.avail_out = sizeof(out);
            deflate(&stream, flush);
            compressed.append(out, sizeof(out) - stream.avail_out);
        } while (stream.avail_out == 0);
    };
    for (const PASS& pass : passes) {
        for (int y = pass.y0; y < height; y += pass.dy) {
            row.assign(1, '\0');  // filter: none
            for (int x = pass.x0; x < width; x += pass.dx) {
                const uint32_t argb = pixel(x, y);
                for (int shift : {16, 8, 0, 24}) {
                    row += static_cast<char>((argb >> shift) & 0xFF);
                }
            }
            if (row.size() > 1) {
                deflate_row(Z_NO_FLUSH);
            }
        }
    }
    row.clear();
    deflate_row(Z_FINISH);
    deflateEnd(&stream);
    return compressed;
}

// A whole 8-bit RGBA picture; extra chunks stand between the header and the image data.
inline std::string Png(int width, int height, const PIXELS& pixel, const CHUNKS& extra = {},
                       bool interlaced = false) {
    std::string png = "\x89PNG\r\n\x1A\n";
    std::string header;
    PutBigEndian32(header, static_cast<uint32_t>(width));
    PutBigEndian32(header, static_cast<uint32_t>(height));
    header += std::string("\x08\x06\x00\x00", 4) + static_cast<char>(interlaced ? 1 : 0);
    png += Chunk("IHDR", header);
    for (const auto& [type, data] : extra) {
        png += Chunk(type, data);
    }
    png += Chunk("IDAT", ImageData(width, height, interlaced, pixel));
    png += Chunk("IEND", "");
    return png;
}

inline std::string SolidPng(int width, int height, uint32_t argb, const CHUNKS& extra = {}) {
    return Png(
        width, height, [argb](int, int) { return argb; }, extra);
}

}  // namespace png_bytes
