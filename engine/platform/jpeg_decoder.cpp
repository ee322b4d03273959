// DecodeJpeg: JPEG through libjpeg-turbo, scaled by the library's own reduced-size decoding where
// it can and row by row into an IMAGE_FIT for the rest.
#include <csetjmp>
#include <cstdio>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>
// After jpeglib.h, which it needs.
#include <jerror.h>

#include <optional>

#include "engine/platform/image_codecs.h"
#include "engine/platform/image_decoder.h"
#include "engine/platform/image_fit.h"

namespace platform {

namespace {

// A progressive file keeps every coefficient of the picture until its last scan: past this the
// library refuses it rather than take what a hostile size asks for.
constexpr long kMaxDecoderMemory = 256L << 20;
// Real files have a dozen scans; thousands of tiny ones only cost time.
constexpr int kMaxScans = 500;

struct JPEG_JOB {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    jpeg_progress_mgr progress{};
    std::jmp_buf escape{};
    int box_width = 0;
    int box_height = 0;
    std::optional<IMAGE_FIT> fit;
    std::vector<uint8_t> row;
};

JPEG_JOB& JobOf(j_common_ptr info) {
    return *static_cast<JPEG_JOB*>(info->client_data);
}

[[noreturn]] void Escape(j_common_ptr info) {
    std::longjmp(JobOf(info).escape, 1);
}

// Warnings about damaged data are not worth a line on the console.
void Quiet(j_common_ptr) {}

// The library pads a file that ends early with grey and only warns: a cut-off file is no whole
// picture, and a photo half grey is no puzzle.
void RefuseEarlyEnd(j_common_ptr info, int level) {
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) {
        Escape(info);
    }
}

void CountScans(j_common_ptr info) {
    const auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (decompress->is_decompressor && decompress->input_scan_number > kMaxScans) {
        Escape(info);
    }
}

// The largest reduced size (1/8, 1/4, 1/2) the library can decode at that still covers the
// output size, so that IMAGE_FIT only ever shrinks.
void ChooseScale(JPEG_JOB& job) {
    int width = 0;
    int height = 0;
    IMAGE_FIT::FitSize(static_cast<int>(job.info.image_width),
                       static_cast<int>(job.info.image_height), job.box_width, job.box_height,
                       width, height);
    for (unsigned int denominator = 8; denominator > 1; denominator /= 2) {
        if (job.info.image_width / denominator >= static_cast<unsigned int>(width) &&
            job.info.image_height / denominator >= static_cast<unsigned int>(height)) {
            job.info.scale_num = 1;
            job.info.scale_denom = denominator;
            return;
        }
    }
}

// Everything that can end in Escape happens here, and touches nothing but the job, which lives
// in the caller's frame: nothing with a destructor is skipped by the jump.
bool Run(JPEG_JOB& job, const uint8_t* bytes, size_t size) {
    if (setjmp(job.escape) != 0) {
        return false;
    }
    jpeg_create_decompress(&job.info);
    job.info.mem->max_memory_to_use = kMaxDecoderMemory;
    job.info.progress = &job.progress;
    jpeg_mem_src(&job.info, bytes, static_cast<unsigned long>(size));
    if (jpeg_read_header(&job.info, TRUE) != JPEG_HEADER_OK ||
        job.info.image_width > static_cast<unsigned int>(kMaxImageSide) ||
        job.info.image_height > static_cast<unsigned int>(kMaxImageSide)) {
        return false;
    }
    job.info.out_color_space = JCS_EXT_RGBA;
    ChooseScale(job);
    jpeg_start_decompress(&job.info);
    job.fit.emplace(static_cast<int>(job.info.output_width),
                    static_cast<int>(job.info.output_height), job.box_width, job.box_height);
    job.row.resize(size_t{job.info.output_width} * 4);
    while (job.info.output_scanline < job.info.output_height) {
        JSAMPROW row = job.row.data();
        if (jpeg_read_scanlines(&job.info, &row, 1) != 1) {
            return false;
        }
        job.fit->AddRow(job.row.data());
    }
    jpeg_finish_decompress(&job.info);
    return true;
}

}  // namespace

bool DecodeJpeg(const uint8_t* bytes, size_t size, int box_width, int box_height, int& width,
                int& height, std::vector<uint32_t>& argb) {
    JPEG_JOB job;
    job.box_width = box_width;
    job.box_height = box_height;
    job.info.err = jpeg_std_error(&job.errors);
    job.errors.error_exit = Escape;
    job.errors.output_message = Quiet;
    job.errors.emit_message = RefuseEarlyEnd;
    job.progress.progress_monitor = CountScans;
    job.info.client_data = &job;
    const bool decoded = Run(job, bytes, size);
    jpeg_destroy_decompress(&job.info);
    if (!decoded || !job.fit || !job.fit->Complete()) {
        return false;
    }
    width = job.fit->Width();
    height = job.fit->Height();
    argb = job.fit->Take();
    return true;
}

}  // namespace platform
