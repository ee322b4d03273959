// WRANDOM against values worked out independently from the generator's formulas.
#include "engine/frame/random.h"

#include <gtest/gtest.h>

#include <array>

namespace {

struct HashCase {
    int seed;
    int rand;
};

TEST(WRandom, StatelessHashMatchesTheFormula) {
    const HashCase cases[] = {
        {0, 0}, {1, 16838}, {12345, 21469}, {0x7FFFFFFF, 15929}, {-1, 15930},
    };
    for (const HashCase& c : cases) {
        EXPECT_EQ(WRANDOM::Rand(c.seed), c.rand) << "seed " << c.seed;
        EXPECT_EQ(WRANDOM::RandBool(c.seed), (c.rand & 1) != 0) << "seed " << c.seed;
    }
}

TEST(WRandom, HashDoesNotTouchTheState) {
    WRANDOM random;
    random.state = 77;
    WRANDOM::Rand(5);
    WRANDOM::RandBool(5);
    EXPECT_EQ(random.state, 77u);
}

struct SequenceCase {
    int seed;
    std::array<uint32_t, 4> values;  // first call seeded, three unseeded calls after it
    uint32_t final_state;
};

TEST(WRandom, RandIntSeedsThenSteps) {
    const SequenceCase cases[] = {
        // Seed 0 does not reseed: the zero state is only incremented, as seed 1 sets it.
        {0, {79, 94, 32, 0}, 3612100864u},    {1, {79, 94, 32, 0}, 3612100864u},
        {12345, {0, 3, 73, 42}, 1177881272u}, {0x7FFFFFFF, {40, 26, 93, 61}, 2605557854u},
        {-1, {28, 42, 81, 49}, 458074206u},
    };
    for (const SequenceCase& c : cases) {
        WRANDOM random;
        std::array<uint32_t, 4> got{};
        got[0] = random.RandInt(0, 99, c.seed);
        for (int i = 1; i < 4; ++i) {
            got[i] = random.RandInt(0, 99);
        }
        EXPECT_EQ(got, c.values) << "seed " << c.seed;
        EXPECT_EQ(random.state, c.final_state) << "seed " << c.seed;
    }
}

TEST(WRandom, RandIntRangesWithNegativeAndEqualBounds) {
    const int seeds[] = {0, 1, 12345, 0x7FFFFFFF, -1};
    const uint32_t negative_range[] = {static_cast<uint32_t>(-4), static_cast<uint32_t>(-4),
                                       static_cast<uint32_t>(-9), static_cast<uint32_t>(-5), 9};
    WRANDOM random;
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(random.RandInt(-10, 10, seeds[i]), negative_range[i]) << "seed " << seeds[i];
    }
    for (int seed : seeds) {
        EXPECT_EQ(random.RandInt(5, 5, seed), 5u);
        EXPECT_EQ(static_cast<int32_t>(random.RandInt(-3, -3, seed)), -3);
    }
}

TEST(WRandom, RandIntOverTheWholeRangeDoesNotDivideByZero) {
    WRANDOM random;
    // hi - lo + 1 wraps to 0 in 32 bits: every value is in range.
    const uint32_t value = random.RandInt(INT32_MIN, INT32_MAX, 12345);
    const uint32_t state = 12345u * 214013u + 2531011u;
    EXPECT_EQ(value, static_cast<uint32_t>(INT32_MIN) + ((state >> 15) ^ state));
    EXPECT_EQ(random.RandInt(1, 0, 12345), 1u + ((state >> 15) ^ state));
}

struct FloatCase {
    int seed;
    std::array<float, 3> values;
};

TEST(WRandom, RandFloatMatchesTheFormula) {
    const FloatCase cases[] = {
        {0, {-2.4939002990722656f, 5.122989654541016f, 4.916938781738281f}},
        {1, {-2.4939002990722656f, 5.122989654541016f, 4.916938781738281f}},
        {12345, {3.5032958984375f, 0.3515357971191406f, 2.9370651245117188f}},
        {0x7FFFFFFF, {2.380207061767578f, 6.799812316894531f, 4.476421356201172f}},
        {-1, {-2.494792938232422f, 1.9248123168945312f, -0.3985786437988281f}},
    };
    for (const FloatCase& c : cases) {
        WRANDOM random;
        std::array<float, 3> got{};
        got[0] = random.RandFloat(-2.5f, 7.25f, c.seed);
        got[1] = random.RandFloat(-2.5f, 7.25f);
        got[2] = random.RandFloat(-2.5f, 7.25f);
        EXPECT_EQ(got, c.values) << "seed " << c.seed;
        EXPECT_EQ(random.RandFloat(1.5f, 1.5f, c.seed), 1.5f);
    }
}

TEST(WRandom, SeedTruncatesTowardZero) {
    struct Case {
        float f;
        uint32_t state;
    };
    const Case cases[] = {
        {12344.7f, 12344u},
        {-1.5f, 0xFFFFFFFFu},
        {0.9f, 0u},
        // A millisecond tick past 2^31 keeps its value.
        {3e9f, 3000000000u},
    };
    for (const Case& c : cases) {
        WRANDOM random;
        random.Seed(c.f);
        EXPECT_EQ(random.state, c.state) << c.f;
    }
    WRANDOM random;
    random.Seed(12344.7f);
    // The next unseeded step starts from 12345, exactly as an explicit seed of 12345.
    EXPECT_EQ(random.RandInt(0, 99), 0u);
}

}  // namespace
