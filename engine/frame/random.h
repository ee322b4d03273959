// WRANDOM: the 32-bit linear-congruential generator, and the stateless position hashes of the cut.
#pragma once

#include <cstdint>

class WRANDOM {
  public:
    // Stateless hash of a seed in 0..0x7FFF; the cut uses it so shapes depend on position only.
    static int Rand(int seed);
    // Lowest bit of Rand(seed).
    static bool RandBool(int seed);

    // A value in lo..hi (inclusive). A non-zero seed restarts the sequence at that seed; 0 just
    // advances it.
    uint32_t RandInt(int lo, int hi, int seed = 0);
    // A value in [lo, hi), stepped like RandInt.
    float RandFloat(float lo, float hi, int seed = 0);
    // State = f truncated toward zero.
    void Seed(float f);

    uint32_t state = 0;

  private:
    void Step(int seed);
};
