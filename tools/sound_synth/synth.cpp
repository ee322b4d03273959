// The synthesiser: oscillators, plucked strings, FM bells and filtered noise under envelopes.
#include "synth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr double kTwoPi = 6.283185307179586;

// Deterministic noise so that every build makes the same sounds.
class NOISE {
  public:
    explicit NOISE(uint32_t seed) : state_(seed | 1u) {}
    float Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return (state_ >> 8) * (2.0f / 16777216.0f) - 1.0f;
    }

  private:
    uint32_t state_;
};

float Envelope(const VOICE& v, double t) {
    if (t < v.attack)
        return static_cast<float>(t / v.attack);
    float fall = static_cast<float>(std::exp(-(t - v.attack) / std::max(v.decay, 0.0005f)));
    double tail = v.duration - t;  // a short fade at the voice's end
    return tail < 0.004 ? fall * static_cast<float>(tail / 0.004) : fall;
}

void AddVoice(const VOICE& v, int rate, uint32_t seed, std::vector<float>& out) {
    size_t first = static_cast<size_t>(v.start * rate);
    size_t count = static_cast<size_t>(v.duration * rate);
    NOISE noise(seed);
    double phase = 0.0, mod_phase = 0.0;
    float filtered = 0.0f;
    std::vector<float> string;  // Karplus-Strong delay line
    size_t string_at = 0;
    if (v.wave == "pluck") {
        string.resize(std::max<size_t>(2, static_cast<size_t>(rate / v.freq)));
        for (float& s : string)
            s = noise.Next();
    }
    for (size_t i = 0; i < count && first + i < out.size(); ++i) {
        double t = static_cast<double>(i) / rate;
        double freq = v.freq * std::pow(v.freq_end / v.freq, t / v.duration);
        phase += freq / rate;
        phase -= std::floor(phase);
        float s;
        if (v.wave == "sine") {
            s = static_cast<float>(std::sin(kTwoPi * phase));
        } else if (v.wave == "triangle") {
            s = static_cast<float>(4.0 * std::fabs(phase - 0.5) - 1.0);
        } else if (v.wave == "square") {
            s = static_cast<float>(std::tanh(4.0 * std::sin(kTwoPi * phase)) * 0.8);
        } else if (v.wave == "saw") {
            s = 0.0f;
            for (int k = 1; k <= 8 && k * freq < rate / 2; ++k) {
                s += static_cast<float>(std::sin(kTwoPi * phase * k) / k);
            }
            s *= 0.6f;
        } else if (v.wave == "noise") {
            float k = static_cast<float>(1.0 - std::exp(-kTwoPi * freq / rate));
            filtered += k * (noise.Next() - filtered);
            s = filtered * 2.0f;
        } else if (v.wave == "pluck") {
            size_t next = (string_at + 1) % string.size();
            s = string[string_at];
            string[string_at] = 0.498f * (string[string_at] + string[next]);
            string_at = next;
        } else {  // bell: two-operator FM with an inharmonic ratio and a fading index
            mod_phase += 3.5 * freq / rate;
            double index = 2.5 * std::exp(-t / (v.decay * 0.6 + 1e-4));
            s = static_cast<float>(std::sin(kTwoPi * phase + index * std::sin(kTwoPi * mod_phase)));
        }
        out[first + i] += v.gain * Envelope(v, t) * s;
    }
}

}  // namespace

std::vector<float> Render(const RECIPE& recipe, int rate) {
    double length = 0.0;
    for (const VOICE& v : recipe.voices)
        length = std::max(length, double{v.start + v.duration});
    if (recipe.echo > 0.0f)
        length += 0.16;
    std::vector<float> out(static_cast<size_t>(length * rate) + 1, 0.0f);
    uint32_t seed = 7;
    for (const VOICE& v : recipe.voices)
        AddVoice(v, rate, seed += 7919, out);

    if (recipe.echo > 0.0f) {  // two early reflections of a small room
        size_t a = static_cast<size_t>(0.045 * rate), b = static_cast<size_t>(0.09 * rate);
        for (size_t i = out.size(); i-- > a;) {
            out[i] +=
                recipe.echo * 0.5f * out[i - a] + (i >= b ? recipe.echo * 0.25f * out[i - b] : 0);
        }
    }
    if (recipe.lowpass > 0.0f) {
        float k = static_cast<float>(1.0 - std::exp(-kTwoPi * recipe.lowpass / rate));
        float state = 0.0f;
        for (float& s : out)
            s = state += k * (s - state);
    }
    float peak = 0.0f;
    for (float s : out)
        peak = std::max(peak, std::fabs(s));
    float gain = peak > 0.0f ? recipe.level / peak : 0.0f;
    size_t fade_in = static_cast<size_t>(0.002 * rate),
           fade_out = static_cast<size_t>(0.006 * rate);
    for (size_t i = 0; i < out.size(); ++i) {
        float edge = 1.0f;
        if (i < fade_in)
            edge = static_cast<float>(i) / fade_in;
        if (out.size() - i < fade_out)
            edge = std::min(edge, static_cast<float>(out.size() - i) / fade_out);
        out[i] *= gain * edge;
    }
    return out;
}
