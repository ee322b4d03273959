// Sound recipes: the editable text form of the synthesised effects.
#pragma once

#include <string>
#include <vector>

// One voice of a sound: a waveform swept from freq to freq_end, shaped by an envelope.
struct VOICE {
    std::string wave;  // sine, triangle, square, saw, noise, pluck or bell
    float freq = 440.0f;
    float freq_end = 440.0f;
    float start = 0.0f;     // seconds into the sound
    float duration = 0.1f;  // seconds
    float attack = 0.005f;  // seconds of linear rise
    float decay = 0.05f;    // time constant of the exponential fall, seconds
    float gain = 1.0f;
};

struct RECIPE {
    std::string name;
    float level = 0.5f;    // peak of the finished sound, 0 .. 1
    float echo = 0.0f;     // strength of a short room echo, 0 .. 1
    float lowpass = 0.0f;  // cut-off in Hz of a gentle final filter; 0 = none
    std::vector<VOICE> voices;
};

// Reads every recipe of the file. A recipe starts with "[name]"; then lines
//   level L | echo E | lowpass HZ
//   voice WAVE FREQ FREQ_END START DURATION ATTACK DECAY GAIN
// "#" starts a comment. Returns false with a message naming the line on the first error.
bool ReadRecipes(const std::string& path, std::vector<RECIPE>& recipes, std::string& error);
