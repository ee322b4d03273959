// Four-float colours (each channel 0..1) for fades, and their conversion from and to ARGB.
#pragma once

#include <cstdint>

struct COLOUR4 {
    float a = 0.0f;
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
};

inline COLOUR4 ToColour4(uint32_t argb) {
    auto channel = [argb](int shift) {
        return static_cast<float>((argb >> shift) & 0xFF) / 255.0f;
    };
    return {channel(24), channel(16), channel(8), channel(0)};
}

// 255 at 1 or more, 0 at 0 or less, otherwise rounded to the nearest step.
inline uint32_t ChannelByte(float value) {
    if (value >= 1.0f) {
        return 255;
    }
    if (value <= 0.0f) {
        return 0;
    }
    return static_cast<uint32_t>(value * 255.0f + 0.5f);
}

inline uint32_t ToArgb(const COLOUR4& c) {
    return ChannelByte(c.a) << 24 | ChannelByte(c.r) << 16 | ChannelByte(c.g) << 8 |
           ChannelByte(c.b);
}

// from + (to - from) * f, per channel.
inline COLOUR4 Mix(const COLOUR4& from, const COLOUR4& to, float f) {
    return {from.a + (to.a - from.a) * f, from.r + (to.r - from.r) * f,
            from.g + (to.g - from.g) * f, from.b + (to.b - from.b) * f};
}
