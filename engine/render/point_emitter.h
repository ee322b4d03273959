// The point-sprite record that WRENDER::DrawPoints draws: an emitter and its list of particles.
#pragma once

#include <cstdint>

struct WTEXTURE;

// The drawn part of one particle. Particle classes derive their own record from it and link
// the records through next (newest first is their choice; the order is drawn as given).
struct WPOINT_PARTICLE {
    bool alive = false;
    float x = 0.0f;  // logical pixels
    float y = 0.0f;
    float z = 0.0f;                // 0..1, the depth layer
    uint32_t colour = 0xFFFFFFFF;  // ARGB
    WPOINT_PARTICLE* next = nullptr;
};

// What DrawPoints reads from an emitter. A sprite is point_size * multiplier eye-space units
// wide: viewport height * point_size * multiplier / eye distance pixels, where the eye distance
// is about 1.2 times the viewport height (more towards the screen corners); at most 64 pixels.
struct WPOINT_EMITTER {
    float point_size = 0.15f;
    int32_t multiplier = 1;
    WTEXTURE* texture = nullptr;
    int blend = 5;  // 4 (alpha) or 5 (additive)
    WPOINT_PARTICLE* head = nullptr;
};
