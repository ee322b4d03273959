// The letter-box transform: scale, scaled picture and centring offsets of SetLogicalSize.
#include <gtest/gtest.h>

#include "engine/render/render_device.h"

namespace {

struct LetterboxCase {
    int back_width, back_height, logical_width, logical_height;
    float scale;
    int scaled_width, scaled_height, offset_x, offset_y;
};

class LetterboxTest : public testing::TestWithParam<LetterboxCase> {};

TEST_P(LetterboxTest, ScalesUniformlyAndCentres) {
    const LetterboxCase& c = GetParam();
    WRENDER render;
    render.ResetMode(c.back_width, c.back_height, true);
    render.SetLogicalSize(c.logical_width, c.logical_height);
    EXPECT_FLOAT_EQ(render.GetScaleX(), c.scale);
    EXPECT_FLOAT_EQ(render.GetScaleY(), c.scale);
    EXPECT_EQ(render.GetScaledWidth(), c.scaled_width);
    EXPECT_EQ(render.GetScaledHeight(), c.scaled_height);
    EXPECT_EQ(render.GetOffsetX(), c.offset_x);
    EXPECT_EQ(render.GetOffsetY(), c.offset_y);
    EXPECT_EQ(render.GetLogicalWidth(), c.logical_width);
    EXPECT_EQ(render.GetLogicalHeight(), c.logical_height);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, LetterboxTest,
    testing::Values(LetterboxCase{1920, 1080, 1024, 768, 1.40625f, 1440, 1080, 240, 0},
                    LetterboxCase{1024, 768, 1024, 768, 1.0f, 1024, 768, 0, 0},
                    // Taller than wide: bars above and below.
                    LetterboxCase{1280, 1024, 1024, 768, 1.25f, 1280, 960, 0, 32},
                    // Odd leftovers: the offset is the lower half.
                    LetterboxCase{1025, 768, 1024, 768, 1.0f, 1024, 768, 0, 0},
                    LetterboxCase{1366, 768, 1024, 768, 1.0f, 1024, 768, 171, 0}));

TEST(LetterboxTest, LogicalSizeFallsBackToTheBackBuffer) {
    WRENDER render;
    render.ResetMode(1280, 720, false);
    EXPECT_EQ(render.GetLogicalWidth(), 1280);
    EXPECT_EQ(render.GetLogicalHeight(), 720);
    // A zero size (a missing game.xml) must not divide by zero: the picture is the back buffer.
    render.SetLogicalSize(0, 0);
    EXPECT_EQ(render.GetLogicalWidth(), 1280);
    EXPECT_FLOAT_EQ(render.GetScaleX(), 1.0f);
    EXPECT_EQ(render.GetScaledWidth(), 1280);
    EXPECT_EQ(render.GetOffsetX(), 0);
}

TEST(LetterboxTest, LogicalPixelsLandOnTheLetterBoxedPicture) {
    WRENDER render;
    render.ResetMode(1920, 1080, true);
    render.SetLogicalSize(1024, 768);
    // The same matrices the GPU uses: logical (0, 0) and (1024, 768) map to the picture corners.
    const WCAMERA& camera = render.GetCamera();
    WMATRIX all = camera.world * camera.view * camera.projection;
    struct {
        float x, y, pixel_x, pixel_y;
    } points[] = {{0, 0, 240, 0}, {1024, 768, 1680, 1080}, {512, 384, 960, 540}};
    for (const auto& p : points) {
        float clip[4];
        TransformPoint(all, p.x, p.y, 0.0f, clip);
        float pixel_x = (clip[0] / clip[3] + 1.0f) / 2.0f * 1920.0f;
        float pixel_y = (1.0f - clip[1] / clip[3]) / 2.0f * 1080.0f;
        EXPECT_NEAR(pixel_x, p.pixel_x, 0.01f) << p.x << "," << p.y;
        EXPECT_NEAR(pixel_y, p.pixel_y, 0.01f) << p.x << "," << p.y;
    }
}

}  // namespace
