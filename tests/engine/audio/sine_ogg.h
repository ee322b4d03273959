// A short sine tone as an Ogg Vorbis file image, the sound fixture of the audio tests.
#pragma once

#include <cmath>
#include <string>

#include "tools/sound_synth/ogg_io.h"

inline std::string SineOgg(float seconds = 0.25f, int rate = 22050) {
    PCM pcm;
    pcm.rate = rate;
    pcm.channels = 1;
    const int frames = static_cast<int>(seconds * rate);
    for (int i = 0; i < frames; ++i) {
        pcm.samples.push_back(0.5f * std::sin(2.0f * 3.14159265f * 440.0f * i / rate));
    }
    std::string bytes, error;
    return EncodeOgg(pcm, 0.1f, bytes, error) ? bytes : std::string();
}
