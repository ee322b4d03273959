// A tenth of a second of silence as a WAV file image: the mixer decodes it like any sound file,
// which is all that tests of loading and playing sounds need.
#pragma once

#include <cstdint>
#include <string>

// 16-bit mono at 22050 Hz.
inline std::string SilentWav() {
    const uint32_t data_size = 2205 * 2;
    std::string wav = "RIFF";
    auto put = [&wav](uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            wav += static_cast<char>((value >> (8 * i)) & 0xFF);
        }
    };
    put(36 + data_size, 4);
    wav += "WAVEfmt ";
    put(16, 4);
    put(1, 2);          // PCM
    put(1, 2);          // mono
    put(22050, 4);      // frames per second
    put(22050 * 2, 4);  // bytes per second
    put(2, 2);          // bytes per frame
    put(16, 2);         // bits per sample
    wav += "data";
    put(data_size, 4);
    return wav + std::string(data_size, '\0');
}
