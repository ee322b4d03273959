// Music loops: rate halving with a windowed-sinc filter, cutting and an equal-power crossfade.
#include "music_loop.h"

#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;

// Low-pass at a quarter of the source rate, then every second frame.
PCM HalveRate(const PCM& source) {
    const int taps = 63, half = taps / 2;
    std::vector<double> kernel(taps);
    double sum = 0.0;
    for (int i = 0; i < taps; ++i) {
        int n = i - half;
        double sinc = n == 0 ? 0.5 : std::sin(kPi * 0.5 * n) / (kPi * n);
        double window = 0.42 - 0.5 * std::cos(2 * kPi * i / (taps - 1)) +
                        0.08 * std::cos(4 * kPi * i / (taps - 1));
        kernel[i] = sinc * window;
        sum += kernel[i];
    }
    for (double& k : kernel)
        k /= sum;
    PCM out;
    out.rate = source.rate / 2;
    out.channels = source.channels;
    const long frames = static_cast<long>(source.Frames());
    for (long f = 0; f < frames; f += 2) {
        for (int c = 0; c < source.channels; ++c) {
            double acc = 0.0;
            for (int i = 0; i < taps; ++i) {
                long at = f + i - half;
                if (at >= 0 && at < frames)
                    acc += kernel[i] * source.samples[at * source.channels + c];
            }
            out.samples.push_back(static_cast<float>(acc));
        }
    }
    return out;
}

}  // namespace

bool MakeLoop(const PCM& source_in, double start, double length, double fade, PCM& loop,
              std::string& error) {
    PCM source = source_in.rate >= 44100 ? HalveRate(source_in) : source_in;
    const size_t frames = source.Frames();
    const int ch = source.channels;
    size_t first = static_cast<size_t>(start * source.rate);
    size_t fade_frames = static_cast<size_t>(fade * source.rate);
    size_t body = length > 0 ? static_cast<size_t>(length * source.rate)
                             : (frames > first + fade_frames ? frames - first - fade_frames : 0);
    if (body < 2 * fade_frames || first + body + fade_frames > frames || body == 0) {
        error = "the track is too short for that stretch and crossfade";
        return false;
    }
    loop.rate = source.rate;
    loop.channels = ch;
    loop.samples.assign(source.samples.begin() + first * ch,
                        source.samples.begin() + (first + body) * ch);
    // The loop's end runs on into the source after the stretch; blending that continuation into
    // the start makes the jump from the last frame back to the first a natural step.
    for (size_t f = 0; f < fade_frames; ++f) {
        double t = (f + 0.5) / fade_frames;
        float in = static_cast<float>(std::sin(0.5 * kPi * t));
        float out = static_cast<float>(std::cos(0.5 * kPi * t));
        for (int c = 0; c < ch; ++c) {
            float head = source.samples[(first + f) * ch + c];
            float tail = source.samples[(first + body + f) * ch + c];
            loop.samples[f * ch + c] = head * in + tail * out;
        }
    }
    return true;
}
