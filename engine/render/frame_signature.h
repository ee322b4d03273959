// FRAME_SIGNATURE: a 64-bit digest of what one frame draws, to tell a frame that would show the
// same picture as the one on screen.
#pragma once

#include <bit>
#include <cstdint>

class FRAME_SIGNATURE {
  public:
    void Reset() { hash_ = kSeed; }
    uint64_t Value() const { return hash_; }

    void Add(uint64_t word) {
        // A multiply-rotate round. For a given state it maps words one to one, and for a given
        // word states one to one: two frames that differ in a single word never share a value,
        // and frames that differ more do so only by chance.
        hash_ ^= word * kPrime2;
        hash_ = std::rotl(hash_, 31) * kPrime1;
    }
    void Add(float a, float b) {
        Add(uint64_t(std::bit_cast<uint32_t>(a)) << 32 | std::bit_cast<uint32_t>(b));
    }
    void Add(uint32_t a, uint32_t b) { Add(uint64_t(a) << 32 | b); }

  private:
    static constexpr uint64_t kSeed = 0x27D4EB2F165667C5ull;
    static constexpr uint64_t kPrime1 = 0x9E3779B185EBCA87ull;
    static constexpr uint64_t kPrime2 = 0xC2B2AE3D27D4EB4Full;
    uint64_t hash_ = kSeed;
};
