// The geometry of DrawQuad and the records of lines, rectangles and point sprites.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "engine/render/render_device.h"

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

// A w × h quad whose corners start at (7, 9): only its size matters to DrawQuad.
WQUAD Quad(float w, float h) {
    WQUAD q;
    q.corners[0] = {7, 9, 0, 0};
    q.corners[1] = {7, 9 + h, 0, 1};
    q.corners[2] = {7 + w, 9 + h, 1, 1};
    q.corners[3] = {7 + w, 9, 1, 0};
    q.colour = 0x80112233;
    q.blend = 2;
    return q;
}

struct QuadCase {
    const char* name;
    float x, y, sx, sy, angle;
    int ox, oy;
    float expected[4][2];  // corners 0..3
};

class DrawQuadTest : public testing::TestWithParam<QuadCase> {};

TEST_P(DrawQuadTest, PlacesTheFourCorners) {
    const QuadCase& c = GetParam();
    WRENDER render;
    render.DrawQuad(Quad(100, 50), c.x, c.y, c.sx, c.sy, c.angle, c.ox, c.oy);
    ASSERT_EQ(render.GetRecordedDraws().size(), 1u);
    const WRECORDED_DRAW& d = render.GetRecordedDraws()[0];
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(d.corners[i].x, c.expected[i][0], 1e-3) << c.name << " corner " << i;
        EXPECT_NEAR(d.corners[i].y, c.expected[i][1], 1e-3) << c.name << " corner " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Geometry, DrawQuadTest,
    testing::Values(
        QuadCase{"plain", 10, 20, 1, 1, 0, 0, 0, {{10, 20}, {10, 70}, {110, 70}, {110, 20}}},
        QuadCase{
            "centred", 200, 100, 1, 1, 0, 50, 25, {{150, 75}, {150, 125}, {250, 125}, {250, 75}}},
        QuadCase{"scaled", 0, 0, 2, 3, 0, 10, 10, {{-20, -30}, {-20, 120}, {180, 120}, {180, -30}}},
        QuadCase{"sy 0 takes sx", 0, 0, 2, 0, 0, 0, 0, {{0, 0}, {0, 100}, {200, 100}, {200, 0}}},
        // A quarter turn is clockwise on screen (y grows downward).
        QuadCase{"quarter turn about the anchor",
                 300,
                 300,
                 1,
                 1,
                 kPi / 2,
                 0,
                 0,
                 {{300, 300}, {250, 300}, {250, 400}, {300, 400}}},
        QuadCase{"half turn about the centre",
                 400,
                 300,
                 1,
                 1,
                 kPi,
                 50,
                 25,
                 {{450, 325}, {450, 275}, {350, 275}, {350, 325}}}),
    [](const testing::TestParamInfo<QuadCase>& info) {
        std::string name = info.param.name;
        for (char& ch : name) {
            if (!std::isalnum(static_cast<unsigned char>(ch))) {
                ch = '_';
            }
        }
        return name;
    });

TEST(DrawRecordTest, QuadKeepsItsArgumentsColourUvAndClampedDepth) {
    WRENDER render;
    WQUAD q = Quad(10, 10);
    q.depth = 250;
    render.DrawQuad(q, 1, 2, 0.5f, 0, 0.25f, 3, 4);
    q.depth = -5;
    render.DrawQuad(q, 0, 0, 1, 1, 0, 0, 0);
    const auto& draws = render.GetRecordedDraws();
    ASSERT_EQ(draws.size(), 2u);
    const WRECORDED_DRAW& d = draws[0];
    EXPECT_EQ(d.kind, WRECORDED_DRAW::kQuad);
    EXPECT_EQ(d.colour, 0x80112233u);
    EXPECT_EQ(d.blend, 2);
    EXPECT_EQ(d.depth, 100);
    EXPECT_EQ(draws[1].depth, 0);
    EXPECT_FLOAT_EQ(d.x, 1);
    EXPECT_FLOAT_EQ(d.y, 2);
    EXPECT_FLOAT_EQ(d.sx, 0.5f);
    EXPECT_FLOAT_EQ(d.sy, 0.5f);
    EXPECT_FLOAT_EQ(d.angle, 0.25f);
    EXPECT_EQ(d.ox, 3);
    EXPECT_EQ(d.oy, 4);
    EXPECT_FLOAT_EQ(d.corners[2].u, 1);
    EXPECT_FLOAT_EQ(d.corners[1].v, 1);
    EXPECT_FLOAT_EQ(d.corners[3].v, 0);
}

TEST(DrawRecordTest, LineAndRectangleAreUntexturedAtTheTopLayer) {
    WRENDER render;
    render.DrawLine(1, 2, 3, 4, 0xFF00FF00);
    render.DrawRect(10, 20, 30, 40, 0xFF0000FF, 0x80FFFFFF);
    const auto& draws = render.GetRecordedDraws();
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].kind, WRECORDED_DRAW::kLine);
    EXPECT_EQ(draws[0].texture, nullptr);
    EXPECT_FLOAT_EQ(draws[0].corners[1].x, 3);
    EXPECT_FLOAT_EQ(draws[0].corners[1].y, 4);
    EXPECT_EQ(draws[1].kind, WRECORDED_DRAW::kRect);
    EXPECT_EQ(draws[1].colour, 0x80FFFFFFu);
    EXPECT_EQ(draws[1].outline_colour, 0xFF0000FFu);
    EXPECT_FLOAT_EQ(draws[1].corners[1].y, 40);
    EXPECT_FLOAT_EQ(draws[1].corners[2].x, 30);
    EXPECT_EQ(draws[1].depth, 100);
    render.ClearRecordedDraws();
    EXPECT_TRUE(render.GetRecordedDraws().empty());
}

// Without a device the layer's contents are recorded as they are drawn, marked as the layer's,
// then the layer itself over the logical screen; after another draw they go straight in.
TEST(DrawRecordTest, CachedLayerRecordsItsContentsThenItself) {
    WRENDER render;
    render.SetLogicalSize(640, 480);
    auto contents = [&] { render.DrawQuad(Quad(10, 10), 1, 2, 1, 1, 0, 0, 0); };
    for (bool drawn_before : {false, true}) {
        SCOPED_TRACE(drawn_before ? "after a draw" : "first in the scene");
        render.ClearRecordedDraws();
        ASSERT_EQ(render.BeginFrame(), 0);
        if (drawn_before) {
            render.DrawLine(0, 0, 1, 1, 0xFFFFFFFF);
        }
        render.DrawCachedLayer(contents);
        ASSERT_EQ(render.EndScene(), 0);
        ASSERT_EQ(render.BeginBackBuffer(), 0);
        ASSERT_EQ(render.Present(), 0);
        std::vector<WRECORDED_DRAW> draws = render.GetRecordedDraws();
        if (drawn_before) {
            draws.erase(draws.begin());
            ASSERT_EQ(draws.size(), 1u);
            EXPECT_FALSE(draws[0].in_layer);
            continue;
        }
        ASSERT_EQ(draws.size(), 2u);
        EXPECT_TRUE(draws[0].in_layer);
        EXPECT_EQ(draws[0].colour, 0x80112233u);
        EXPECT_EQ(draws[1].texture, render.GetLayerTexture());
        EXPECT_FALSE(draws[1].in_layer);
        EXPECT_EQ(draws[1].blend, 0);
        EXPECT_FLOAT_EQ(draws[1].corners[2].x, 640);
        EXPECT_FLOAT_EQ(draws[1].corners[2].y, 480);
    }
}

TEST(DrawRecordTest, PointsCountOnlyAliveParticles) {
    WRENDER render;
    std::vector<WPOINT_PARTICLE> particles(5);
    for (size_t i = 0; i < particles.size(); ++i) {
        particles[i].alive = i != 2;
        particles[i].next = i + 1 < particles.size() ? &particles[i + 1] : nullptr;
    }
    WPOINT_EMITTER emitter;
    emitter.point_size = 0.5f;
    emitter.multiplier = 4;
    emitter.blend = 4;
    emitter.texture = render.GetDefaultTexture();
    emitter.head = &particles[0];
    render.DrawPoints(emitter);
    // An empty list draws nothing at all.
    emitter.head = nullptr;
    render.DrawPoints(emitter);
    ASSERT_EQ(render.GetRecordedDraws().size(), 1u);
    const WRECORDED_DRAW& d = render.GetRecordedDraws()[0];
    EXPECT_EQ(d.kind, WRECORDED_DRAW::kPoints);
    EXPECT_EQ(d.point_count, 4);
    EXPECT_FLOAT_EQ(d.point_size, 2.0f);
    EXPECT_EQ(d.blend, 4);
    EXPECT_EQ(d.texture, render.GetDefaultTexture());
}

}  // namespace
