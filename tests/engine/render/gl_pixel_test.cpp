// Pictures from the real GPU path (Mesa's software OpenGL under the offscreen SDL driver).
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "engine/platform/platform.h"
#include "engine/platform/png_writer.h"
#include "engine/render/render_device.h"
#include "tests/support/png_bytes.h"

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

struct Rgb {
    int r, g, b;
};

Rgb RgbOf(uint32_t argb) {
    return Rgb{int((argb >> 16) & 0xFF), int((argb >> 8) & 0xFF), int(argb & 0xFF)};
}

WQUAD Rectangle(float w, float h, WTEXTURE* texture, uint32_t colour, int blend) {
    WQUAD q;
    q.corners[0] = {0, 0, 0, 0};
    q.corners[1] = {0, h, 0, 1};
    q.corners[2] = {w, h, 1, 1};
    q.corners[3] = {w, 0, 1, 0};
    q.texture = texture;
    q.colour = colour;
    q.blend = blend;
    return q;
}

class GlPixelTest : public testing::Test {
  protected:
    static void SetUpTestSuite() { window_ = platform::CreateGameWindow("render pixels"); }

    void SetUp() override {
        if (window_ == nullptr) {
            GTEST_SKIP() << "no OpenGL 3.3 window on this machine";
        }
        ASSERT_EQ(render_.Create(window_), 0);
    }

    // Back buffer of w × h showing a logical picture of lw × lh.
    void Mode(int w, int h, int lw, int lh) {
        render_.ResetMode(w, h, true);
        render_.SetLogicalSize(lw, lh);
    }

    // Opens the back buffer with the scene drawn by draw_scene.
    template <typename DrawScene>
    void Frame(DrawScene draw_scene) {
        ASSERT_EQ(render_.BeginFrame(), 0);
        draw_scene();
        ASSERT_EQ(render_.EndScene(), 0);
        ASSERT_EQ(render_.BeginBackBuffer(), 0);
    }

    uint32_t Pixel(int x, int y) const { return pixels_[size_t(y) * size_t(width_) + x]; }

    void Read() { ASSERT_TRUE(render_.ReadBackBuffer(pixels_, width_, height_)); }

    static void* window_;
    WRENDER render_;
    std::vector<uint32_t> pixels_;
    int width_ = 0, height_ = 0;
};

void* GlPixelTest::window_ = nullptr;

TEST_F(GlPixelTest, LetterBoxShowsBlackBarsBesideTheScaledScene) {
    Mode(1920, 1080, 1024, 768);
    render_.SetClearColor(0xFF000000);
    WTEXTURE* white = render_.GetDefaultTexture();
    Frame([&] {
        WQUAD field = Rectangle(1024, 768, white, 0xFF3060C0, 1);
        render_.DrawQuad(field, 0, 0, 1, 1, 0, 0, 0);
        WQUAD corner = Rectangle(100, 100, white, 0xFFFFFF00, 1);
        render_.DrawQuad(corner, 0, 0, 1, 1, 0, 0, 0);
    });
    Read();
    platform::WritePng("/tmp/render_letterbox.png", pixels_.data(), width_, height_);
    render_.Present();
    ASSERT_EQ(width_, 1920);
    ASSERT_EQ(height_, 1080);
    for (int y : {0, 540, 1079}) {
        EXPECT_EQ(Pixel(0, y), 0xFF000000u);
        EXPECT_EQ(Pixel(239, y), 0xFF000000u) << y;
        EXPECT_EQ(Pixel(1680, y), 0xFF000000u) << y;
        EXPECT_EQ(Pixel(1919, y), 0xFF000000u) << y;
        EXPECT_EQ(Pixel(1679, y), 0xFF3060C0u) << y;
    }
    EXPECT_EQ(Pixel(240, 540), 0xFF3060C0u);
    // The 100-pixel yellow corner is 140.6 pixels wide and high on the back buffer.
    EXPECT_EQ(Pixel(240, 0), 0xFFFFFF00u);
    EXPECT_EQ(Pixel(240 + 139, 139), 0xFFFFFF00u);
    EXPECT_EQ(Pixel(240 + 142, 70), 0xFF3060C0u);
    EXPECT_EQ(Pixel(300, 142), 0xFF3060C0u);
}

// Each blend mode over a known background: the overlay pass draws straight onto the back
// buffer, which is cleared to the grey background.
TEST_F(GlPixelTest, BlendModesCombineTextureDiffuseAndBackground) {
    Mode(64, 64, 64, 64);
    const uint32_t background = 0xFF404040;
    const uint32_t texel = 0x80FF8000;
    const uint32_t diffuse = 0xC0204080;
    WTEXTURE* texture = render_.CreateTexture(4, 4);
    FillTexture(texel, texture);
    render_.SetClearColor(background);

    auto channel = [](uint32_t c, int shift) { return float((c >> shift) & 0xFF) / 255.0f; };
    float tex_alpha = channel(texel, 24) * channel(diffuse, 24);
    struct Case {
        int primer;  // the mode drawn just before, elsewhere
        int mode;
        bool add_colour, blending, additive;
    } cases[] = {{1, 0, false, false, false},
                 {0, 1, false, true, false},
                 {1, 2, false, true, true},
                 {1, 3, true, true, true},
                 {1, 5, false, true, true},
                 // Mode 4 keeps the colour operation of the mode before it.
                 {3, 4, true, true, false},
                 {1, 4, false, true, false}};
    for (const Case& c : cases) {
        Frame([] {});
        WQUAD primer = Rectangle(8, 8, texture, diffuse, c.primer);
        render_.DrawQuad(primer, 0, 0, 1, 1, 0, 0, 0);
        WQUAD q = Rectangle(48, 48, texture, diffuse, c.mode);
        render_.DrawQuad(q, 16, 16, 1, 1, 0, 0, 0);
        Read();
        render_.Present();
        Rgb got = RgbOf(Pixel(40, 40));
        int shifts[3] = {16, 8, 0};
        int got_channels[3] = {got.r, got.g, got.b};
        for (int k = 0; k < 3; ++k) {
            float t = channel(texel, shifts[k]);
            float d = channel(diffuse, shifts[k]);
            float src = c.add_colour ? std::min(t + d, 1.0f) : t * d;
            float dst = channel(background, shifts[k]);
            float out = !c.blending  ? src
                        : c.additive ? std::min(src * tex_alpha + dst, 1.0f)
                                     : src * tex_alpha + dst * (1.0f - tex_alpha);
            EXPECT_NEAR(got_channels[k], out * 255.0f, 2.0f)
                << "mode " << c.mode << " after " << c.primer << " channel " << k;
        }
    }
    render_.ReleaseTexture(texture);
}

TEST_F(GlPixelTest, RotatedCentredQuadCoversTheTurnedRectangle) {
    Mode(800, 600, 800, 600);
    render_.SetClearColor(0xFF000000);
    Frame([&] {
        WQUAD bar = Rectangle(200, 40, render_.GetDefaultTexture(), 0xFFFFFFFF, 0);
        render_.DrawQuad(bar, 400, 300, 1, 1, kPi / 2, 100, 20);
    });
    Read();
    render_.Present();
    // Turned a quarter about its centre: 40 wide (380..420) and 200 high (200..400).
    EXPECT_EQ(Pixel(400, 205), 0xFFFFFFFFu);
    EXPECT_EQ(Pixel(381, 395), 0xFFFFFFFFu);
    EXPECT_EQ(Pixel(418, 300), 0xFFFFFFFFu);
    EXPECT_EQ(Pixel(400, 195), 0xFF000000u);
    EXPECT_EQ(Pixel(400, 405), 0xFF000000u);
    EXPECT_EQ(Pixel(370, 300), 0xFF000000u);  // the unturned bar would cover it
    EXPECT_EQ(Pixel(430, 300), 0xFF000000u);
}

TEST_F(GlPixelTest, DepthNeverHidesALaterQuad) {
    Mode(64, 64, 64, 64);
    Frame([&] {
        WQUAD front = Rectangle(64, 64, nullptr, 0xFFFF0000, 0);
        front.depth = 0;
        render_.DrawQuad(front, 0, 0, 1, 1, 0, 0, 0);
        WQUAD back = Rectangle(64, 64, nullptr, 0xFF00FF00, 0);
        back.depth = 100;
        render_.DrawQuad(back, 0, 0, 1, 1, 0, 0, 0);
    });
    Read();
    render_.Present();
    EXPECT_EQ(Pixel(32, 32), 0xFF00FF00u);
}

TEST_F(GlPixelTest, PointSpritesDrawInBatchesOfFiveHundred) {
    Mode(800, 600, 800, 600);
    render_.SetClearColor(0xFF000000);
    std::vector<WPOINT_PARTICLE> particles(501);
    for (size_t i = 0; i < particles.size(); ++i) {
        particles[i].alive = true;
        particles[i].x = 400;
        particles[i].y = 300;
        particles[i].colour = 0xFFFFFFFF;
        particles[i].next = i + 1 < particles.size() ? &particles[i + 1] : nullptr;
    }
    WPOINT_EMITTER emitter;
    emitter.texture = render_.GetDefaultTexture();
    emitter.blend = 5;
    // 20 pixels across at the middle of the screen: size × height / eye distance.
    float eye_distance = 300.0f / std::tan(kPi / 8.0f);
    emitter.point_size = 20.0f * eye_distance / 600.0f;
    emitter.head = &particles[1];  // 500 particles

    Frame([&] {
        int before = render_.GetGpuDrawCalls();
        render_.DrawPoints(emitter);
        EXPECT_EQ(render_.GetGpuDrawCalls() - before, 1);
        emitter.head = &particles[0];  // 501
        before = render_.GetGpuDrawCalls();
        render_.DrawPoints(emitter);
        EXPECT_EQ(render_.GetGpuDrawCalls() - before, 2);
    });
    Read();
    render_.Present();
    EXPECT_EQ(Pixel(400, 300), 0xFFFFFFFFu);
    EXPECT_EQ(Pixel(391, 309), 0xFFFFFFFFu);
    EXPECT_EQ(Pixel(388, 300), 0xFF000000u);
    EXPECT_EQ(Pixel(400, 312), 0xFF000000u);
}

TEST_F(GlPixelTest, PointSpritesAreAtMostSixtyFourPixels) {
    Mode(800, 600, 800, 600);
    render_.SetClearColor(0xFF000000);
    WPOINT_PARTICLE particle{true, 400, 300, 0, 0xFFFFFFFF, nullptr};
    WPOINT_EMITTER emitter;
    emitter.texture = render_.GetDefaultTexture();
    emitter.point_size = 10.0f;
    emitter.multiplier = 100;
    emitter.head = &particle;
    Frame([&] { render_.DrawPoints(emitter); });
    Read();
    render_.Present();
    EXPECT_EQ(Pixel(369, 300), 0xFFFFFFFFu);
    EXPECT_EQ(Pixel(430, 331), 0xFFFFFFFFu);
    EXPECT_EQ(Pixel(366, 300), 0xFF000000u);
    EXPECT_EQ(Pixel(400, 334), 0xFF000000u);
}

// A black | white texture stretched 32 times: nearest keeps pixel 24 black, linear mixes in
// a quarter of the white neighbour. Letter-boxing forces smooth filtering.
TEST_F(GlPixelTest, FilteringIsNearestUntilSmoothOrLetterBoxed) {
    struct {
        int logical_width, logical_height;
        bool smooth;
        int expected_level;
    } cases[] = {{64, 64, false, 0}, {64, 64, true, 68}, {32, 32, false, 68}};
    for (const auto& c : cases) {
        Mode(64, 64, c.logical_width, c.logical_height);
        render_.SetFiltering(c.smooth);
        WTEXTURE* texture = render_.CreateTexture(2, 1);
        texture->texels = {0xFF000000, 0xFFFFFFFF};
        float scale = 64.0f / float(c.logical_width);
        Frame([] {});
        // Drawn on the back buffer with the letter-box transform: 64 pixels wide either way.
        WQUAD q = Rectangle(64.0f / scale, 8, texture, 0xFFFFFFFF, 0);
        render_.DrawQuad(q, 0, 0, 1, 1, 0, 0, 0);
        Read();
        render_.Present();
        EXPECT_NEAR(RgbOf(Pixel(24, 2)).r, c.expected_level, 3)
            << c.logical_width << " smooth " << c.smooth;
        render_.ReleaseTexture(texture);
    }
}

TEST_F(GlPixelTest, SceneTextureHoldsTheSceneForLaterSampling) {
    Mode(64, 64, 64, 64);
    render_.SetClearColor(0xFF000000);
    Frame([&] {
        WQUAD top = Rectangle(64, 16, nullptr, 0xFFFF0000, 0);
        render_.DrawQuad(top, 0, 0, 1, 1, 0, 0, 0);
    });
    // The overlay samples the finished scene (v 0 at its top) and draws it upside down.
    WQUAD flipped = Rectangle(64, 64, render_.GetSceneTexture(), 0xFFFFFFFF, 0);
    std::swap(flipped.corners[0].v, flipped.corners[1].v);
    std::swap(flipped.corners[2].v, flipped.corners[3].v);
    render_.DrawQuad(flipped, 0, 0, 1, 1, 0, 0, 0);
    Read();
    render_.Present();
    EXPECT_EQ(Pixel(32, 60), 0xFFFF0000u);
    EXPECT_EQ(Pixel(32, 4), 0xFF000000u);
}

// The cached layer against the same draws made straight into the scene, frame by frame, while
// what the layer holds changes or stays: the picture is the same to the bit, and the layer is
// drawn on the GPU (wholly or where its draws changed) only when its draws changed.
TEST_F(GlPixelTest, CachedLayerShowsWhatItsDrawsWouldAndIsRedrawnOnlyWhenTheyChange) {
    Mode(1440, 900, 1024, 768);
    WTEXTURE* texture = render_.CreateTexture(8, 8);
    FillTexture(0x80FF8000, texture);
    uint32_t field_colour = 0xFF3060C0;
    bool drawn_before = false;
    float patch_x = 500;
    bool spot_under = false;
    auto layer = [&] {
        WQUAD field = Rectangle(1024, 768, nullptr, field_colour, 1);
        render_.DrawQuad(field, 0, 0, 1, 1, 0, 0, 0);
        // Translucent and turned: the alpha left in the scene must be kept too.
        WQUAD patch = Rectangle(300, 200, texture, 0xC0FFFFFF, 1);
        WQUAD spot = Rectangle(120, 120, nullptr, 0x80FF0000, 1);
        if (spot_under) {
            render_.DrawQuad(spot, 560, 380, 1, 1, 0, 0, 0);
        }
        render_.DrawQuad(patch, patch_x, 400, 1, 1, 0.3f, 150, 100);
        if (!spot_under) {
            render_.DrawQuad(spot, 560, 380, 1, 1, 0, 0, 0);
        }
    };
    auto frame = [&](bool caching) {
        render_.SetLayerCaching(caching);
        Frame([&] {
            if (drawn_before) {
                WQUAD mark = Rectangle(50, 50, nullptr, 0xFFFFFF00, 1);
                render_.DrawQuad(mark, 10, 10, 1, 1, 0, 0, 0);
            }
            render_.DrawCachedLayer(layer);
            WQUAD moving = Rectangle(100, 100, texture, 0xFFFFFFFF, 1);
            render_.DrawQuad(moving, 700, 300, 1, 1, 0, 0, 0);
        });
        Read();
        render_.Present();
    };
    struct Step {
        const char* change;
        std::function<void()> apply;
        bool redrawn;
    };
    const std::vector<Step> steps = {
        {"first frame", [] {}, true},
        {"nothing", [] {}, false},
        {"a colour", [&] { field_colour = 0xFF208040; }, true},
        {"nothing again", [] {}, false},
        {"the texels", [&] { FillTexture(0x40FFFFFF, texture); }, true},
        // Redrawn where the patch was and where it is.
        {"a quad's place", [&] { patch_x = 620; }, true},
        // The same draws in another order.
        {"the order of two quads", [&] { spot_under = true; }, true},
        {"the clear colour", [&] { render_.SetClearColor(0xFF102030); }, true},
        {"the filtering", [&] { render_.SetFiltering(true); }, true},
        {"the mode", [&] { Mode(1280, 800, 1024, 768); }, true},
        {"a draw before the layer", [&] { drawn_before = true; }, false},
    };
    // The blend mode a frame leaves behind, as in a running game.
    frame(false);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.change);
        step.apply();
        const int redraws = render_.GetLayerRedraws();
        frame(true);
        const std::vector<uint32_t> cached = pixels_;
        EXPECT_EQ(render_.GetLayerRedraws() - redraws, step.redrawn ? 1 : 0);
        frame(false);
        EXPECT_TRUE(cached == pixels_);
    }
    render_.SetLayerCaching(true);
    render_.ReleaseTexture(texture);
}

TEST_F(GlPixelTest, MultisampledBackBufferIsResolvedForReadingAndPresenting) {
    WRENDER smooth;
    smooth.SetMultisample(1);
    ASSERT_EQ(smooth.Create(window_), 0);
    smooth.ResetMode(128, 96, false);
    smooth.SetLogicalSize(128, 96);
    smooth.SetClearColor(0xFF102030);
    ASSERT_EQ(smooth.BeginFrame(), 0);
    smooth.EndScene();
    smooth.BeginBackBuffer();
    WQUAD square = Rectangle(32, 32, nullptr, 0xFFFFFFFF, 0);
    smooth.DrawQuad(square, 64, 48, 1, 1, kPi / 4, 16, 16);
    std::vector<uint32_t> pixels;
    int w = 0, h = 0;
    ASSERT_TRUE(smooth.ReadBackBuffer(pixels, w, h));
    EXPECT_EQ(smooth.Present(), 0);
    ASSERT_EQ(w, 128);
    EXPECT_EQ(pixels[48 * 128 + 64], 0xFFFFFFFFu);
    EXPECT_EQ(pixels[5 * 128 + 5], 0xFF102030u);
}

TEST_F(GlPixelTest, TextureMadeBeforeTheDeviceIsDrawnOnceItExists) {
    WRENDER late;
    WTEXTURE* early = late.CreateTexture(2, 2);
    FillTexture(0xFF00C000, early);
    ASSERT_EQ(late.Create(window_), 0);
    late.ResetMode(32, 32, false);
    late.SetLogicalSize(32, 32);
    ASSERT_EQ(late.BeginFrame(), 0);
    late.EndScene();
    late.BeginBackBuffer();
    late.DrawQuad(Rectangle(32, 32, early, 0xFFFFFFFF, 0), 0, 0, 1, 1, 0, 0, 0);
    std::vector<uint32_t> pixels;
    int w = 0, h = 0;
    ASSERT_TRUE(late.ReadBackBuffer(pixels, w, h));
    late.Present();
    EXPECT_EQ(pixels[16 * 32 + 16], 0xFF00C000u);
    // Changed texels reach the GPU on the next draw.
    uint32_t* texels = late.LockTexture(early);
    ASSERT_NE(texels, nullptr);
    std::fill(texels, texels + 4, 0xFF0000C0);
    late.UnlockTexture(early);
    ASSERT_EQ(late.BeginFrame(), 0);
    late.EndScene();
    late.BeginBackBuffer();
    late.DrawQuad(Rectangle(32, 32, early, 0xFFFFFFFF, 0), 0, 0, 1, 1, 0, 0, 0);
    ASSERT_TRUE(late.ReadBackBuffer(pixels, w, h));
    late.Present();
    EXPECT_EQ(pixels[16 * 32 + 16], 0xFF0000C0u);
    late.ReleaseTexture(early);
}

// A texture whose texels nothing reads once uploaded gives them up at its first draw and is
// drawn from its GPU copy from then on, whatever asks it to upload again.
TEST_F(GlPixelTest, TexelsDroppedAfterTheUploadLeaveTheGpuCopyDrawn) {
    Mode(32, 32, 32, 32);
    std::vector<uint32_t> held(4, 0xFF00C000);
    WTEXTURE* owned = render_.CreateTexture(2, 2);
    FillTexture(0xFFC00000, owned);
    WTEXTURE* over_held = render_.CreateTextureOver(2, 2, held.data());
    for (WTEXTURE* t : {owned, over_held}) {
        t->drop_after_upload = true;
    }
    auto draw_both = [&] {
        Frame([] {});
        render_.DrawQuad(Rectangle(16, 32, owned, 0xFFFFFFFF, 0), 0, 0, 1, 1, 0, 0, 0);
        render_.DrawQuad(Rectangle(16, 32, over_held, 0xFFFFFFFF, 0), 16, 0, 1, 1, 0, 0, 0);
        Read();
        render_.Present();
    };
    draw_both();
    EXPECT_EQ(Pixel(8, 16), 0xFFC00000u);
    EXPECT_EQ(Pixel(24, 16), 0xFF00C000u);
    for (WTEXTURE* t : {owned, over_held}) {
        EXPECT_EQ(render_.LockTexture(t), nullptr);
        EXPECT_TRUE(t->texels.empty());
        // A late unlock or fill finds nothing to send and must not clear the GPU copy.
        render_.UnlockTexture(t);
        FillTexture(0xFF0000C0, t);
    }
    held.assign(4, 0xFF0000C0);  // the holder may reuse its memory now
    draw_both();
    EXPECT_EQ(Pixel(8, 16), 0xFFC00000u);
    EXPECT_EQ(Pixel(24, 16), 0xFF00C000u);
    render_.ReleaseTexture(owned);
    render_.ReleaseTexture(over_held);
}

// Images read from files and packs are only drawn, so they give their texels up unasked; a
// reader keeps them by clearing the flag before the first draw.
TEST_F(GlPixelTest, LoadedImagesDropTheirTexelsUnlessKept) {
    Mode(32, 32, 32, 32);
    const std::string png = png_bytes::SolidPng(2, 2, 0xFF00C000);
    WTEXTURE* dropped = render_.LoadTextureFromMemory(png.data(), png.size());
    WTEXTURE* kept = render_.LoadTextureFromMemory(png.data(), png.size());
    kept->drop_after_upload = false;
    Frame([] {});
    render_.DrawQuad(Rectangle(16, 32, dropped, 0xFFFFFFFF, 0), 0, 0, 1, 1, 0, 0, 0);
    render_.DrawQuad(Rectangle(16, 32, kept, 0xFFFFFFFF, 0), 16, 0, 1, 1, 0, 0, 0);
    Read();
    render_.Present();
    EXPECT_EQ(Pixel(8, 16), 0xFF00C000u);
    EXPECT_EQ(Pixel(24, 16), 0xFF00C000u);
    EXPECT_EQ(render_.LockTexture(dropped), nullptr);
    ASSERT_NE(render_.LockTexture(kept), nullptr);
    EXPECT_EQ(render_.LockTexture(kept)[3], 0xFF00C000u);
    render_.ReleaseTexture(dropped);
    render_.ReleaseTexture(kept);
}

// A back buffer of the window's size is drawn straight into the window; a wider one goes
// through an off-screen target stretched onto the window. Both must give the same picture,
// the right way up: a red-over-green texture stays red on top in the scene, in the overlay and
// on a point sprite.
TEST_F(GlPixelTest, WindowSizedBackBufferShowsTheSamePictureAsTheOffScreenOne) {
    int window_width = 0, window_height = 0;
    platform::WindowSize(window_, window_width, window_height);
    const int bar = (window_height - 600) / 2;  // rows above and below the scene
    WTEXTURE* two_tone = render_.CreateTexture(1, 2);
    two_tone->texels = {0xFFFF0000, 0xFF00FF00};
    std::vector<uint32_t> pictures[2];
    for (int off_screen : {0, 1}) {
        const int width = window_width + off_screen * 256;
        Mode(width, window_height, width, 600);
        render_.SetClearColor(0xFF000000);
        Frame([&] {
            render_.DrawQuad(Rectangle(float(width), 600, nullptr, 0xFF0000FF, 0), 0, 0, 1, 1, 0, 0,
                             0);
            render_.DrawQuad(Rectangle(100, 100, two_tone, 0xFFFFFFFF, 1), 0, 0, 1, 1, 0, 0, 0);
        });
        render_.DrawQuad(Rectangle(100, 100, two_tone, 0xFFFFFFFF, 1), 200, 0, 1, 1, 0, 0, 0);
        WPOINT_PARTICLE particle{true, 500, 300, 0, 0xFFFFFFFF, nullptr};
        WPOINT_EMITTER emitter;
        emitter.texture = two_tone;
        emitter.blend = 4;
        // 40 pixels across: size × viewport height / eye distance.
        emitter.point_size = 40.0f / (2.0f * std::tan(kPi / 8.0f));
        emitter.head = &particle;
        render_.DrawPoints(emitter);
        Read();
        EXPECT_EQ(render_.Present(), 0);
        std::vector<uint32_t> after;
        int w = 0, h = 0;
        EXPECT_FALSE(render_.ReadBackBuffer(after, w, h)) << "after Present";
        ASSERT_EQ(width_, width);
        ASSERT_EQ(height_, window_height);
        EXPECT_EQ(Pixel(600, bar - 1), 0xFF000000u) << off_screen;
        EXPECT_EQ(Pixel(600, bar), 0xFF0000FFu) << off_screen;
        EXPECT_EQ(Pixel(600, bar + 599), 0xFF0000FFu) << off_screen;
        EXPECT_EQ(Pixel(600, bar + 600), 0xFF000000u) << off_screen;
        for (int x : {50, 250}) {  // scene, overlay
            EXPECT_EQ(Pixel(x, bar + 25), 0xFFFF0000u) << off_screen << " x " << x;
            EXPECT_EQ(Pixel(x, bar + 75), 0xFF00FF00u) << off_screen << " x " << x;
        }
        EXPECT_EQ(Pixel(500, bar + 290), 0xFFFF0000u) << off_screen;
        EXPECT_EQ(Pixel(500, bar + 310), 0xFF00FF00u) << off_screen;
        for (int y = 0; y < height_; ++y) {
            pictures[off_screen].insert(pictures[off_screen].end(), &pixels_[size_t(y) * width_],
                                        &pixels_[size_t(y) * width_ + window_width]);
        }
    }
    EXPECT_TRUE(pictures[0] == pictures[1]);
    render_.ReleaseTexture(two_tone);
}

TEST_F(GlPixelTest, DrawsOutsideAnOpenTargetReachNoGpuButAreRecordedOnRequest) {
    Mode(64, 64, 64, 64);
    WQUAD q = Rectangle(8, 8, nullptr, 0xFFFFFFFF, 1);
    EXPECT_TRUE(render_.GetRecordedDraws().empty());
    int before = render_.GetGpuDrawCalls();
    render_.DrawQuad(q, 0, 0, 1, 1, 0, 0, 0);  // idle
    ASSERT_EQ(render_.BeginFrame(), 0);
    render_.EndScene();
    render_.DrawLine(0, 0, 4, 4, 0xFFFFFFFF);  // scene closed
    EXPECT_EQ(render_.GetGpuDrawCalls(), before);
    // With a device, nothing is recorded unless a test asks for it.
    EXPECT_TRUE(render_.GetRecordedDraws().empty());
    render_.SetRecording(true);
    render_.BeginBackBuffer();
    render_.DrawQuad(q, 3, 4, 1, 1, 0, 0, 0);
    render_.Present();
    EXPECT_GT(render_.GetGpuDrawCalls(), before);
    ASSERT_EQ(render_.GetRecordedDraws().size(), 1u);
    EXPECT_EQ(render_.GetRecordedDraws()[0].frame_state, 3);
    EXPECT_FLOAT_EQ(render_.GetRecordedDraws()[0].corners[2].x, 11.0f);
}

TEST_F(GlPixelTest, UnseenFramesReachNoGpuAndTheNextSeenOneIsWhole) {
    Mode(64, 64, 64, 64);
    render_.SetClearColor(0xFF000000);
    WTEXTURE* white = render_.GetDefaultTexture();
    const int before = render_.GetGpuDrawCalls();
    render_.SetFramesUnseen(true);
    Frame([&] { render_.DrawQuad(Rectangle(64, 64, white, 0xFFFF0000, 1), 0, 0, 1, 1, 0, 0, 0); });
    EXPECT_EQ(render_.GetFrameState(), 3) << "the frame still goes through its states";
    EXPECT_EQ(render_.Present(), 0);
    EXPECT_EQ(render_.GetGpuDrawCalls(), before);
    render_.SetFramesUnseen(false);
    Frame([&] { render_.DrawQuad(Rectangle(32, 64, white, 0xFF00FF00, 1), 0, 0, 1, 1, 0, 0, 0); });
    Read();
    EXPECT_EQ(Pixel(10, 10), 0xFF00FF00u);
    EXPECT_EQ(Pixel(50, 10), 0xFF000000u) << "nothing of the unseen frame";
    render_.Present();
}

// The GPU work of a frame like the one shown is dropped; a frame that is read back is drawn
// and shown however it looks, and new texels reach the next frame that differs.
TEST_F(GlPixelTest, OnlyFramesThatDifferFromTheOneShownAreShown) {
    Mode(64, 64, 64, 64);
    WTEXTURE* tile = render_.CreateTexture(4, 4);
    FillTexture(0xFFFF0000, tile);
    auto draw = [&] {
        render_.DrawQuad(Rectangle(64, 64, tile, 0xFFFFFFFF, 1), 0, 0, 1, 1, 0, 0, 0);
    };
    Frame(draw);
    render_.Present();
    const int shown = render_.GetPresentedFrames();
    Frame(draw);
    render_.Present();
    EXPECT_EQ(render_.GetPresentedFrames(), shown) << "the same picture again";
    Frame(draw);
    Read();
    render_.Present();
    EXPECT_EQ(render_.GetPresentedFrames(), shown + 1) << "read back";
    EXPECT_EQ(Pixel(32, 32), 0xFFFF0000u);

    FillTexture(0xFF0000FF, tile);
    Frame(draw);
    render_.Present();
    EXPECT_EQ(render_.GetPresentedFrames(), shown + 2) << "new texels";
    Frame(draw);
    Read();
    render_.Present();
    EXPECT_EQ(Pixel(32, 32), 0xFF0000FFu);
    render_.ReleaseTexture(tile);
}

TEST_F(GlPixelTest, EnumeratedModesAreLandscapeAndDistinct) {
    std::vector<std::pair<int, int>> modes;
    render_.EnumerateModes(modes);
    EXPECT_FALSE(modes.empty());
    for (size_t i = 0; i < modes.size(); ++i) {
        EXPECT_GT(modes[i].second, 0);
        EXPECT_GE(modes[i].first, modes[i].second);
        for (size_t j = 0; j < i; ++j) {
            EXPECT_NE(modes[i], modes[j]);
        }
    }
}

}  // namespace
