// The magnifier on the real GPU path (Mesa's software OpenGL under the offscreen driver): with
// the 1024 x 768 screen letter-boxed into a 1440 x 900 window, the lens shows what lies around
// the pointer, magnified about it.
#include <algorithm>
#include <cstdlib>

#include "tests/game/board/board_fixture.h"

namespace GAME {
namespace {

struct RGB {
    int r, g, b;
};

RGB Channels(uint32_t argb) {
    return {static_cast<int>(argb >> 16 & 0xFF), static_cast<int>(argb >> 8 & 0xFF),
            static_cast<int>(argb & 0xFF)};
}

int Difference(uint32_t a, uint32_t b) {
    const RGB x = Channels(a);
    const RGB y = Channels(b);
    return std::max({std::abs(x.r - y.r), std::abs(x.g - y.g), std::abs(x.b - y.b)});
}

class MagnifierPixelTest : public BoardGpuTest {
  protected:
    MagnifierPixelTest() : BoardGpuTest(kWindowW, kWindowH) {}

    static constexpr int kWindowW = 1440;
    static constexpr int kWindowH = 900;
    // 900 / 768 of a logical pixel, the picture centred: 120 window pixels either side.
    static constexpr float kScale = 900.0f / 768.0f;
    static constexpr float kOffsetX = 120.0f;

    void SetUp() override {
        BoardGpuTest::SetUp();
        if (!Ready()) {
            return;
        }
        MakeBoard();
        board->Layout();
    }

    // A frame drawn as the game draws it: the scene, then the overlay onto the window.
    void DrawFrame() {
        WRENDER& render = game->render;
        ASSERT_EQ(render.BeginFrame(), 0);
        board->Draw(0);
        ASSERT_EQ(render.EndScene(), 0);
        ASSERT_EQ(render.BeginBackBuffer(), 0);
        board->DrawOverlay();
        int w = 0;
        int h = 0;
        ASSERT_TRUE(render.ReadBackBuffer(pixels_, w, h));
        ASSERT_EQ(w, kWindowW);
        ASSERT_EQ(h, kWindowH);
        render.Present();
    }
    // The window's pixel under a logical point.
    static uint32_t At(const std::vector<uint32_t>& pixels, float x, float y) {
        const int px = static_cast<int>(kOffsetX + x * kScale);
        const int py = static_cast<int>(y * kScale);
        return pixels[static_cast<size_t>(py) * kWindowW + px];
    }

    std::vector<uint32_t> pixels_;
};

TEST_F(MagnifierPixelTest, TheLensShowsTheSceneAroundThePointerMagnified) {
    // Over the edge of a piece on the pale board: detail and plain background side by side.
    const PUZZLE_PIECE& piece = Piece(1, 1);
    const float px = piece.X() + piece.cellW / 2;
    const float py = piece.Y();
    MoveMouse(static_cast<int>(px), static_cast<int>(py));
    Frame();
    DrawFrame();
    const std::vector<uint32_t> plain = pixels_;

    board->ToggleMagnifier();
    DrawFrame();
    const std::vector<uint32_t> lens = pixels_;

    // The lens maps 140 x 105 logical pixels around the pointer onto 200 x 150.
    constexpr float kShrink = 140.0f / 200.0f;
    int mismatches = 0;
    int total = 0;
    int samples = 0;
    int darkest = 255;
    int brightest = 0;
    for (int dy = -60; dy <= 60; dy += 10) {
        for (int dx = -90; dx <= 90; dx += 10) {
            const uint32_t seen = At(lens, px + dx, py + dy);
            const uint32_t under = At(plain, px + dx * kShrink, py + dy * kShrink);
            const int d = Difference(seen, under);
            mismatches += d > 48 ? 1 : 0;
            total += d;
            ++samples;
            const RGB c = Channels(under);
            darkest = std::min(darkest, std::min({c.r, c.g, c.b}));
            brightest = std::max(brightest, std::max({c.r, c.g, c.b}));
        }
    }
    // The area has something to show: a lens looking elsewhere could not match it.
    EXPECT_GT(brightest - darkest, 150);
    EXPECT_LT(total / samples, 8);
    // Smooth filtering blurs the sharpest edges (the drop shadows') a little.
    EXPECT_LE(mismatches, samples / 25);

    // Right under the pointer the lens shows what lies there, give or take the filtering of the
    // piece's edge and its soft shadow.
    EXPECT_LT(Difference(At(lens, px, py), At(plain, px, py)), 32);
}

}  // namespace
}  // namespace GAME
