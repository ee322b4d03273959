// The frame-state machine and the blend-mode switch of WRENDER, without a GPU device.
#include <gtest/gtest.h>

#include <functional>

#include "engine/render/render_device.h"

namespace {

WQUAD UnitQuad() {
    WQUAD q;
    q.corners[0] = {0, 0, 0, 0};
    q.corners[1] = {0, 10, 0, 1};
    q.corners[2] = {10, 10, 1, 1};
    q.corners[3] = {10, 0, 1, 0};
    return q;
}

TEST(FrameStateTest, AdvancesThroughTheFourStatesInOrder) {
    WRENDER render;
    EXPECT_EQ(render.BeginFrame(), 0);
    EXPECT_EQ(render.GetFrameState(), 1);
    EXPECT_EQ(render.EndScene(), 0);
    EXPECT_EQ(render.GetFrameState(), 2);
    EXPECT_EQ(render.BeginBackBuffer(), 0);
    EXPECT_EQ(render.GetFrameState(), 3);
    EXPECT_EQ(render.Present(), 0);
    EXPECT_EQ(render.GetFrameState(), 0);
}

// From each state, every call that does not belong there fails and changes nothing.
TEST(FrameStateTest, EveryCallOutOfOrderFailsAndLeavesTheState) {
    using Step = std::function<int(WRENDER&)>;
    const Step steps[4] = {
        [](WRENDER& r) { return r.BeginFrame(); },
        [](WRENDER& r) { return r.EndScene(); },
        [](WRENDER& r) { return r.BeginBackBuffer(); },
        [](WRENDER& r) { return r.Present(); },
    };
    for (int state = 0; state < 4; ++state) {
        for (int call = 0; call < 4; ++call) {
            if (call == state) {
                continue;
            }
            WRENDER render;
            for (int s = 0; s < state; ++s) {
                ASSERT_EQ(steps[s](render), 0);
            }
            render.ClearRecordedDraws();
            EXPECT_EQ(steps[call](render), -1) << "state " << state << " call " << call;
            EXPECT_EQ(render.GetFrameState(), state);
            EXPECT_TRUE(render.GetRecordedDraws().empty());
        }
    }
}

// The overlay starts in mode 1, which the copy of the scene leaves behind, with or without a
// GPU: a line drawn first on the back buffer blends with it.
TEST(FrameStateTest, DrawsRecordTheStateTheyWereMadeIn) {
    WRENDER render;
    WQUAD q = UnitQuad();
    q.blend = 2;
    render.DrawQuad(q, 0, 0, 1, 1, 0, 0, 0);
    render.BeginFrame();
    render.DrawQuad(q, 0, 0, 1, 1, 0, 0, 0);
    render.EndScene();
    render.BeginBackBuffer();
    render.DrawLine(0, 0, 5, 5, 0xFFFFFFFF);
    const auto& draws = render.GetRecordedDraws();
    ASSERT_EQ(draws.size(), 3u);
    EXPECT_EQ(draws[0].frame_state, 0);
    EXPECT_EQ(draws[1].frame_state, 1);
    EXPECT_EQ(draws[1].blend, 2);
    EXPECT_EQ(draws[2].frame_state, 3);
    EXPECT_EQ(draws[2].blend, 1);
}

TEST(BlendModeTest, CurrentModeAnswersOneAndHighModesAreIgnored) {
    WRENDER render;
    EXPECT_EQ(render.SetBlendMode(2), 0);
    EXPECT_EQ(render.SetBlendMode(2), 1);
    EXPECT_EQ(render.SetBlendMode(6), 0);
    EXPECT_EQ(render.GetBlendMode(), 2);
    EXPECT_EQ(render.SetBlendMode(100), 0);
    EXPECT_EQ(render.SetBlendMode(-1), 0);
    EXPECT_EQ(render.GetBlendMode(), 2);
    EXPECT_EQ(render.SetBlendMode(0), 0);
    EXPECT_EQ(render.GetBlendMode(), 0);
}

TEST(BlendModeTest, QuadWithAnUnknownModeDrawsWithTheCurrentOne) {
    WRENDER render;
    render.SetBlendMode(3);
    WQUAD q = UnitQuad();
    q.blend = 7;
    render.DrawQuad(q, 0, 0, 1, 1, 0, 0, 0);
    // Lines and rectangles never change the mode.
    render.DrawRect(0, 0, 4, 4, 0xFF000000, 0xFFFFFFFF);
    ASSERT_EQ(render.GetRecordedDraws().size(), 2u);
    EXPECT_EQ(render.GetRecordedDraws()[0].blend, 3);
    EXPECT_EQ(render.GetRecordedDraws()[1].blend, 3);
}

}  // namespace
