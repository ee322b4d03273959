// WTIMER on a simulated millisecond counter: wrap-around and the delta cap.
#include "engine/frame/timer.h"

#include <gtest/gtest.h>

namespace {

uint32_t g_fake_ms = 0;
uint32_t FakeClock() {
    return g_fake_ms;
}

TEST(WTimer, StartsAtTheCurrentTickWithNoDelta) {
    g_fake_ms = 5000;
    WTIMER timer(0.18f, &FakeClock);
    EXPECT_EQ(timer.start, 5000u);
    EXPECT_EQ(timer.GetNow(), 5000u);
    EXPECT_EQ(timer.GetDelta(), 0.0f);
}

TEST(WTimer, DeltaFollowsTheTicks) {
    struct Case {
        uint32_t from;
        uint32_t to;
        float delta;
    };
    const Case cases[] = {
        {1000, 1016, 0.016f},
        {1000, 1000, 0.0f},
        {1000, 1180, 0.18f},  // exactly the cap is not capped
        {1000, 1181, 0.18f},
        {1000, 61000, 0.18f},  // a long stall
        // The counter wraps: 0xFFFFFFF0 -> 0x10 is 32 ms later.
        {0xFFFFFFF0u, 0x10u, 0.032f},
        {0xFFFFFFFFu, 0u, 0.001f},
    };
    for (const Case& c : cases) {
        g_fake_ms = c.from;
        WTIMER timer(0.18f, &FakeClock);
        g_fake_ms = c.to;
        EXPECT_EQ(timer.Tick(), 0);
        EXPECT_FLOAT_EQ(timer.GetDelta(), c.delta) << c.from << " -> " << c.to;
        EXPECT_EQ(timer.GetNow(), c.to);
        EXPECT_EQ(timer.last, c.to);
    }
}

TEST(WTimer, CapRecordsTheClampRatio) {
    g_fake_ms = 0;
    WTIMER timer(0.18f, &FakeClock);
    g_fake_ms = 360;
    timer.Tick();
    EXPECT_FLOAT_EQ(timer.GetDelta(), 0.18f);
    EXPECT_FLOAT_EQ(timer.ratio, 0.5f);
}

TEST(WTimer, ZeroCapLeavesLongStepsAlone) {
    g_fake_ms = 0;
    WTIMER timer(0.0f, &FakeClock);
    g_fake_ms = 2500;
    timer.Tick();
    EXPECT_FLOAT_EQ(timer.GetDelta(), 2.5f);
}

}  // namespace
