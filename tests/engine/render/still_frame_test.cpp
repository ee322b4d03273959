// WRENDER leaves a frame unshown that draws what the last shown one drew; anything that changes
// the picture, or a forced frame, is shown. Without a GPU device, where the decision is the same.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/render/render_device.h"

namespace {

// A small still scene: a textured quad, a line and a rectangle in the scene, a particle and
// a quad on the back buffer. Each case changes one thing of it between two frames.
struct STILL_SCENE {
    explicit STILL_SCENE(WRENDER& render) : render(render) {
        texture = render.CreateTexture(4, 4);
        other_texture = render.CreateTexture(4, 4);
        quad.corners[0] = {0, 0, 0, 0};
        quad.corners[1] = {0, 10, 0, 1};
        quad.corners[2] = {10, 10, 1, 1};
        quad.corners[3] = {10, 0, 1, 0};
        quad.texture = texture;
        particles[0] = WPOINT_PARTICLE{true, 40, 50, 0.5f, 0xFFFFFFFF, &particles[1]};
        particles[1] = WPOINT_PARTICLE{false, 60, 50, 0.5f, 0xFFFFFFFF, nullptr};
        emitter.texture = texture;
        emitter.head = &particles[0];
    }
    ~STILL_SCENE() {
        render.ReleaseTexture(texture);
        render.ReleaseTexture(other_texture);
    }

    // One whole frame; true when it was presented.
    bool Frame() {
        const int before = render.GetPresentedFrames();
        render.BeginFrame();
        render.DrawQuad(quad, quad_x, 20, 1, 1, angle, 0, 0);
        render.DrawLine(0, 0, line_end, 30, line_colour);
        render.DrawRect(5, 5, 25, 25, 0xFF000000, rect_fill);
        if (in_scene) {
            render.DrawQuad(quad, 70, 70, 1, 1, 0, 0, 0);
        }
        render.EndScene();
        // Outside an open target nothing is shown, so nothing here changes the picture.
        render.DrawQuad(quad, outside_x, 0, 1, 1, 0, 0, 0);
        render.BeginBackBuffer();
        render.DrawPoints(emitter);
        if (!in_scene) {
            render.DrawQuad(quad, 70, 70, 1, 1, 0, 0, 0);
        }
        render.Present();
        return render.GetPresentedFrames() == before + 1;
    }

    WRENDER& render;
    WTEXTURE* texture = nullptr;
    WTEXTURE* other_texture = nullptr;
    WQUAD quad;
    float quad_x = 20;
    float outside_x = 120;
    float angle = 0;
    float line_end = 30;
    uint32_t line_colour = 0xFFFF0000;
    uint32_t rect_fill = 0x8000FF00;
    bool in_scene = true;
    WPOINT_PARTICLE particles[2];
    WPOINT_EMITTER emitter;
};

TEST(StillFrameTest, TheSameFrameAgainIsNotPresentedAndAnyChangeIs) {
    struct CASE {
        std::string change;
        std::function<void(STILL_SCENE&)> apply;
        bool presented;
    };
    const std::vector<CASE> cases = {
        {"nothing", [](STILL_SCENE&) {}, false},
        {"a draw outside an open target", [](STILL_SCENE& s) { s.outside_x += 7; }, false},
        {"texels of a drawn texture", [](STILL_SCENE& s) { s.render.UnlockTexture(s.texture); },
         true},
        {"texels filled", [](STILL_SCENE& s) { FillTexture(0xFF123456, s.texture); }, true},
        {"texels of a texture not drawn",
         [](STILL_SCENE& s) { s.render.UnlockTexture(s.other_texture); }, false},
        {"another texture", [](STILL_SCENE& s) { s.quad.texture = s.other_texture; }, true},
        {"no texture", [](STILL_SCENE& s) { s.quad.texture = nullptr; }, true},
        {"a quad moved a pixel", [](STILL_SCENE& s) { s.quad_x += 1; }, true},
        {"a quad turned", [](STILL_SCENE& s) { s.angle = 0.01f; }, true},
        {"texture coordinates", [](STILL_SCENE& s) { s.quad.corners[2].u = 0.5f; }, true},
        {"a quad's colour", [](STILL_SCENE& s) { s.quad.colour = 0xFEFFFFFF; }, true},
        {"a quad's blend mode", [](STILL_SCENE& s) { s.quad.blend = 2; }, true},
        {"a quad's layer", [](STILL_SCENE& s) { s.quad.depth = 50; }, true},
        {"a draw moved from the scene onto the back buffer",
         [](STILL_SCENE& s) { s.in_scene = false; }, true},
        {"a line's end", [](STILL_SCENE& s) { s.line_end = 31; }, true},
        {"a line's colour", [](STILL_SCENE& s) { s.line_colour = 0xFFFF0001; }, true},
        {"a rectangle's fill", [](STILL_SCENE& s) { s.rect_fill = 0x8100FF00; }, true},
        {"a particle moved", [](STILL_SCENE& s) { s.particles[0].y += 0.5f; }, true},
        {"a particle's colour", [](STILL_SCENE& s) { s.particles[0].colour = 0xF0FFFFFF; }, true},
        {"a particle born", [](STILL_SCENE& s) { s.particles[1].alive = true; }, true},
        {"a dead particle moved", [](STILL_SCENE& s) { s.particles[1].x += 5; }, false},
        {"the sprites' size", [](STILL_SCENE& s) { s.emitter.multiplier = 2; }, true},
        {"the clear colour", [](STILL_SCENE& s) { s.render.SetClearColor(0xFF000001); }, true},
        {"smooth filtering", [](STILL_SCENE& s) { s.render.SetFiltering(true); }, true},
        {"a forced frame", [](STILL_SCENE& s) { s.render.ForceNextFrame(); }, true},
        {"the back buffer's size", [](STILL_SCENE& s) { s.render.ResetMode(1280, 720, false); },
         true},
    };
    for (const CASE& c : cases) {
        WRENDER render;
        render.ResetMode(1024, 768, false);
        STILL_SCENE scene(render);
        EXPECT_TRUE(scene.Frame()) << "the first frame is always shown";
        EXPECT_FALSE(scene.Frame()) << c.change << ": the same frame again";
        c.apply(scene);
        EXPECT_EQ(scene.Frame(), c.presented) << c.change;
        EXPECT_FALSE(scene.Frame()) << c.change << ": once shown, it is still again";
    }
}

// A frame that comes back to the picture on screen after a frame that was not shown is not
// shown either; one that comes back after a shown change is.
TEST(StillFrameTest, FramesCompareWithTheLastOneShown) {
    WRENDER render;
    STILL_SCENE scene(render);
    ASSERT_TRUE(scene.Frame());
    render.SetFramesUnseen(true);
    scene.quad_x = 90;
    EXPECT_FALSE(scene.Frame()) << "an unseen frame is not shown";
    render.SetFramesUnseen(false);
    scene.quad_x = 20;
    EXPECT_FALSE(scene.Frame()) << "the screen still shows this picture";
    scene.quad_x = 90;
    EXPECT_TRUE(scene.Frame());
    scene.quad_x = 20;
    EXPECT_TRUE(scene.Frame());
}

// A texture made where a released one was gets an identity of its own, so a frame drawing it
// instead is shown.
TEST(StillFrameTest, TexturesNeverShareAnIdentity) {
    WRENDER render;
    std::vector<uint64_t> seen;
    for (int i = 0; i < 8; ++i) {
        WTEXTURE* t = render.CreateTexture(2, 2);
        for (uint64_t identity : seen) {
            EXPECT_NE(t->identity, identity);
        }
        seen.push_back(t->identity);
        render.ReleaseTexture(t);
    }
    EXPECT_NE(render.GetDefaultTexture()->identity, render.GetSceneTexture()->identity);
}

}  // namespace
