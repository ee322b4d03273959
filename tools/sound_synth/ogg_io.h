// Ogg Vorbis reading and writing of float samples.
#pragma once

#include <string>
#include <vector>

struct PCM {
    int rate = 0;
    int channels = 0;
    std::vector<float> samples;  // interleaved, -1 .. 1
    size_t Frames() const { return channels ? samples.size() / channels : 0; }
};

bool ReadOgg(const std::string& path, PCM& pcm, std::string& error);
// Encodes pcm as an Ogg Vorbis file image into bytes. quality: the Vorbis VBR quality, -0.1 .. 1.
bool EncodeOgg(const PCM& pcm, float quality, std::string& bytes, std::string& error);
bool WriteOgg(const std::string& path, const PCM& pcm, float quality, std::string& error);
