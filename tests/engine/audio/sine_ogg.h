// Encodes a short sine tone as an OGG Vorbis file image, the sound fixture of the audio tests.
#pragma once

#include <ogg/ogg.h>
#include <vorbis/vorbisenc.h>

#include <cmath>
#include <string>

inline std::string SineOgg(float seconds = 0.25f, int rate = 22050) {
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 1, rate, 0.1f) != 0) {
        vorbis_info_clear(&info);
        return {};
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1);

    std::string bytes;
    ogg_page page;
    auto append_page = [&bytes](const ogg_page& p) {
        bytes.append(reinterpret_cast<const char*>(p.header), p.header_len);
        bytes.append(reinterpret_cast<const char*>(p.body), p.body_len);
    };
    ogg_packet header, header_comment, header_code;
    vorbis_analysis_headerout(&dsp, &comment, &header, &header_comment, &header_code);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &header_comment);
    ogg_stream_packetin(&stream, &header_code);
    while (ogg_stream_flush(&stream, &page) != 0) {
        append_page(page);
    }

    const int frames = static_cast<int>(seconds * rate);
    float** buffer = vorbis_analysis_buffer(&dsp, frames);
    for (int i = 0; i < frames; ++i) {
        buffer[0][i] = 0.5f * std::sin(2.0f * 3.14159265f * 440.0f * i / rate);
    }
    vorbis_analysis_wrote(&dsp, frames);
    vorbis_analysis_wrote(&dsp, 0);
    ogg_packet packet;
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
        vorbis_analysis(&block, nullptr);
        vorbis_bitrate_addblock(&block);
        while (vorbis_bitrate_flushpacket(&dsp, &packet) != 0) {
            ogg_stream_packetin(&stream, &packet);
            while (ogg_stream_pageout(&stream, &page) != 0) {
                append_page(page);
            }
        }
    }
    while (ogg_stream_flush(&stream, &page) != 0) {
        append_page(page);
    }
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return bytes;
}
