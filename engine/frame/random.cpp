// WRANDOM: two classic C-library multiplier pairs in 32-bit unsigned arithmetic.
#include "engine/frame/random.h"

#include <cmath>

int WRANDOM::Rand(int seed) {
    const uint32_t x = static_cast<uint32_t>(seed) * 1103515245u + 12345u;
    return (static_cast<int32_t>(x) / 65536) & 0x7FFF;
}

bool WRANDOM::RandBool(int seed) {
    return (Rand(seed) & 1) != 0;
}

void WRANDOM::Step(int seed) {
    if (seed != 0) {
        state = static_cast<uint32_t>(seed);
    } else {
        state += 1;
    }
    state = state * 214013u + 2531011u;
}

uint32_t WRANDOM::RandInt(int lo, int hi, int seed) {
    Step(seed);
    const uint32_t mixed = (state >> 15) ^ state;
    const uint32_t span = static_cast<uint32_t>(hi) - static_cast<uint32_t>(lo) + 1u;
    // A span of 0 means the range covers all 2^32 values (or hi = lo - 1): any value fits,
    // and a modulo by zero would end the process.
    const uint32_t offset = span == 0 ? mixed : mixed % span;
    return static_cast<uint32_t>(lo) + offset;
}

float WRANDOM::RandFloat(float lo, float hi, int seed) {
    Step(seed);
    return lo + static_cast<float>(state >> 16) * (1.0f / 65536.0f) * (hi - lo);
}

void WRANDOM::Seed(float f) {
    // Through 64 bits so that a millisecond tick above 2^31 keeps its value instead of being
    // undefined; values beyond that range (and NaN) seed 0.
    if (!(std::fabs(f) < 9.2e18f)) {
        state = 0;
        return;
    }
    state = static_cast<uint32_t>(static_cast<int64_t>(f));
}
