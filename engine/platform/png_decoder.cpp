// DecodePng: PNG through libspng, which checks every chunk against the end of the data and
// stops there, row by row into an IMAGE_FIT.
#include <spng.h>

#include <memory>

#include "engine/platform/image_codecs.h"
#include "engine/platform/image_decoder.h"
#include "engine/platform/image_fit.h"

namespace platform {

namespace {

// Text and other ancillary chunks are cached by the library: bounded, so that a file of nothing
// but huge chunks costs no more than the picture itself.
constexpr size_t kMaxChunkBytes = size_t{16} << 20;
constexpr size_t kMaxChunkCacheBytes = size_t{32} << 20;

struct CONTEXT_DELETER {
    void operator()(spng_ctx* context) const { spng_ctx_free(context); }
};

}  // namespace

bool DecodePng(const uint8_t* bytes, size_t size, int box_width, int box_height, int& width,
               int& height, std::vector<uint32_t>& argb) {
    const std::unique_ptr<spng_ctx, CONTEXT_DELETER> context(spng_ctx_new(0));
    spng_ctx* ctx = context.get();
    spng_ihdr header{};
    if (ctx == nullptr || spng_set_image_limits(ctx, kMaxImageSide, kMaxImageSide) != 0 ||
        spng_set_chunk_limits(ctx, kMaxChunkBytes, kMaxChunkCacheBytes) != 0 ||
        // A damaged text or colour note is skipped, as other viewers do; the picture's own
        // chunks must be whole.
        spng_set_crc_action(ctx, SPNG_CRC_ERROR, SPNG_CRC_DISCARD) != 0 ||
        spng_set_png_buffer(ctx, bytes, size) != 0 || spng_get_ihdr(ctx, &header) != 0) {
        return false;
    }
    constexpr int kFormat = SPNG_FMT_RGBA8;
    if (spng_decode_image(ctx, nullptr, 0, kFormat, SPNG_DECODE_TRNS | SPNG_DECODE_PROGRESSIVE) !=
        0) {
        return false;
    }
    const size_t row_bytes = size_t{header.width} * 4;
    IMAGE_FIT fit(static_cast<int>(header.width), static_cast<int>(header.height), box_width,
                  box_height);
    // Interlaced rows arrive pass by pass, each over the whole height: only they need the whole
    // picture at once.
    const bool interlaced = header.interlace_method != SPNG_INTERLACE_NONE;
    std::vector<uint8_t> rows(interlaced ? row_bytes * header.height : row_bytes);
    int status = 0;
    for (;;) {
        spng_row_info row{};
        status = spng_get_row_info(ctx, &row);
        if (status != 0) {
            break;
        }
        uint8_t* out = interlaced ? rows.data() + row_bytes * row.row_num : rows.data();
        status = spng_decode_row(ctx, out, row_bytes);
        if (status != 0 && status != SPNG_EOI) {
            break;
        }
        if (!interlaced) {
            fit.AddRow(out);
        }
        if (status == SPNG_EOI) {
            break;
        }
    }
    if (status != SPNG_EOI) {
        return false;
    }
    for (uint32_t y = 0; interlaced && y < header.height; ++y) {
        fit.AddRow(rows.data() + row_bytes * y);
    }
    if (!fit.Complete()) {
        return false;
    }
    width = fit.Width();
    height = fit.Height();
    argb = fit.Take();
    return true;
}

}  // namespace platform
