// Ogg Vorbis decoding through vorbisfile and encoding through vorbisenc.
#include "ogg_io.h"

#include <vorbis/codec.h>
#include <vorbis/vorbisenc.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstdio>
#include <memory>

bool ReadOgg(const std::string& path, PCM& pcm, std::string& error) {
    OggVorbis_File file;
    if (ov_fopen(path.c_str(), &file) != 0) {
        error = "cannot decode " + path;
        return false;
    }
    vorbis_info* info = ov_info(&file, -1);
    pcm.rate = static_cast<int>(info->rate);
    pcm.channels = info->channels;
    pcm.samples.clear();
    int section = 0;
    for (;;) {
        float** channels = nullptr;
        long frames = ov_read_float(&file, &channels, 4096, &section);
        if (frames == 0)
            break;
        if (frames < 0) {
            ov_clear(&file);
            error = "corrupt Vorbis data in " + path;
            return false;
        }
        for (long f = 0; f < frames; ++f) {
            for (int c = 0; c < pcm.channels; ++c)
                pcm.samples.push_back(channels[c][f]);
        }
    }
    ov_clear(&file);
    return true;
}

bool EncodeOgg(const PCM& pcm, float quality, std::string& bytes, std::string& error) {
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, pcm.channels, pcm.rate, quality) != 0) {
        vorbis_info_clear(&info);
        error = "the encoder refuses these settings";
        return false;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "ENCODER", "Puzzle Desk sound_synth");
    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 0x50445344);  // a fixed serial number keeps builds identical
    ogg_packet header, header_comment, header_code;
    vorbis_analysis_headerout(&dsp, &comment, &header, &header_comment, &header_code);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &header_comment);
    ogg_stream_packetin(&stream, &header_code);
    ogg_page page;
    bytes.clear();
    auto append_page = [&bytes](const ogg_page& p) {
        bytes.append(reinterpret_cast<const char*>(p.header), p.header_len);
        bytes.append(reinterpret_cast<const char*>(p.body), p.body_len);
    };
    while (ogg_stream_flush(&stream, &page) != 0)
        append_page(page);

    const size_t frames = pcm.Frames();
    const size_t chunk = 1024;
    for (size_t at = 0;; at += chunk) {
        size_t n = at < frames ? std::min(chunk, frames - at) : 0;
        if (n == 0) {
            vorbis_analysis_wrote(&dsp, 0);
        } else {
            float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(n));
            for (size_t f = 0; f < n; ++f) {
                for (int c = 0; c < pcm.channels; ++c) {
                    buffer[c][f] = pcm.samples[(at + f) * pcm.channels + c];
                }
            }
            vorbis_analysis_wrote(&dsp, static_cast<int>(n));
        }
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0)
                    append_page(page);
            }
        }
        if (n == 0)
            break;
    }
    while (ogg_stream_flush(&stream, &page) != 0)
        append_page(page);
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return true;
}

bool WriteOgg(const std::string& path, const PCM& pcm, float quality, std::string& error) {
    std::string bytes;
    if (!EncodeOgg(pcm, quality, bytes, error))
        return false;
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}
