// The board's cached layer and its cut piece quads on the real GPU path (Mesa's software OpenGL
// under the offscreen driver): every frame of a deal, a drag, a drop, a join with its pulse, a
// hint and the border filter's fade looks as it does drawn straight, whole quads and all.
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>

#include "tests/game/board/board_fixture.h"

namespace GAME {
namespace {

class CachedLayerPixelTest : public BoardGpuTest {
  protected:
    // Letter-boxed, as the magnifier's pixel test is: the layer shares the scene's transform.
    static constexpr int kWindowW = 1440;
    static constexpr int kWindowH = 900;

    CachedLayerPixelTest() : BoardGpuTest(kWindowW, kWindowH) {}

    void NewBoard() {
        ReleaseMouse();
        MakeBoard();
        board->Layout();
        // Overlapping pieces: shadows fall on bodies.
        for (PUZZLE_PIECE* p : board->Grid()) {
            p->Place(300.0f + p->col * 45.0f, 250.0f + p->row * 40.0f);
        }
    }

    void TearDown() override {
        BoardGpuTest::TearDown();
        if (GpuWindow() != nullptr) {
            game->render.SetLayerCaching(true);
        }
    }

    std::vector<uint32_t> DrawFrame() {
        WRENDER& render = game->render;
        std::vector<uint32_t> pixels;
        int w = 0;
        int h = 0;
        EXPECT_EQ(render.BeginFrame(), 0);
        board->Draw(0);
        EXPECT_EQ(render.EndScene(), 0);
        EXPECT_EQ(render.BeginBackBuffer(), 0);
        board->DrawOverlay();
        EXPECT_TRUE(render.ReadBackBuffer(pixels, w, h));
        render.Present();
        return pixels;
    }

    void ShowWholeQuads(bool whole) {
        for (PUZZLE_PIECE* p : board->Grid()) {
            if (whole) {
                p->sprite.ShowAllTexels();
            } else {
                p->sprite.ShowOnlyOpaqueTexels();
            }
        }
    }

    // The frame as it was drawn before the layer and the cut quads.
    std::vector<uint32_t> DrawStraightFrame(bool cut_quads) {
        game->render.SetLayerCaching(false);
        ShowWholeQuads(true);
        std::vector<uint32_t> pixels = DrawFrame();
        ShowWholeQuads(!cut_quads);
        game->render.SetLayerCaching(true);
        return pixels;
    }
};

struct SCENE {
    const char* what;
    std::function<void()> start;
    // Before each frame's update (frame 0, 1, ...).
    std::function<void(int)> each;
    // Layer redraws allowed over the scene's frames.
    int most_redraws;
};

TEST_F(CachedLayerPixelTest, EveryFrameLooksAsDrawnStraight) {
    constexpr int kFrames = 6;
    auto nothing = [](int) {};
    const SCENE scenes[] = {
        // Every piece flies: the layer holds the background alone.
        {"a deal",
         [this] {
             board->SetState(kStateBuild);
             Frame();
         },
         nothing, 1},
        // The pick takes the piece out of the layer; then only the held piece moves.
        {"a drag",
         [this] {
             MoveMouse(static_cast<int>(Piece(2, 1).X()), static_cast<int>(Piece(2, 1).Y()));
             Press();
         },
         [this](int frame) {
             MoveMouse(static_cast<int>(Piece(2, 1).X()) + 9,
                       static_cast<int>(Piece(2, 1).Y()) + 4 * (frame % 3));
         },
         1},
        // The piece settles, then rests in the layer again.
        {"a drop",
         [this] {
             MoveMouse(static_cast<int>(Piece(1, 1).X()), static_cast<int>(Piece(1, 1).Y()));
             Press();
             Frame();
             MoveMouse(600, 500);
             Frame();
             Release();
         },
         nothing, kFrames},
        {"a join and its pulse",
         [this] {
             Spread();
             PUZZLE_PIECE& a = Piece(0, 0);
             PUZZLE_PIECE& b = Piece(1, 0);
             DragPiece(b, static_cast<int>(a.X()) + b.cellW, static_cast<int>(a.Y()));
             ASSERT_NE(a.nstr, 0);
             ASSERT_EQ(board->pulse_group, a.nstr);
         },
         nothing, kFrames},
        {"a hint", [this] { ASSERT_TRUE(board->Hint()); }, nothing, 2},
        {"the border filter's fade", [this] { board->ToggleBorderFilter(); }, nothing, kFrames},
    };
    // The layer alone changes no pixel. The cut quads are other triangles, whose texture
    // coordinates the GPU interpolates with roundings of its own: a sample at a piece's sharp
    // edge may come out a few levels apart, on a few pixels in ten thousand.
    constexpr int kCutQuadLevels = 3;
    constexpr size_t kCutQuadPixels = kWindowW * kWindowH / 10000;
    for (bool cut_quads : {false, true}) {
        for (const SCENE& scene : scenes) {
            SCOPED_TRACE(std::string(scene.what) + (cut_quads ? ", cut quads" : ", whole quads"));
            NewBoard();
            scene.start();
            // After the start: a deal cuts new pieces.
            ShowWholeQuads(!cut_quads);
            DrawFrame();
            const int redraws = game->render.GetLayerRedraws();
            for (int frame = 0; frame < kFrames; ++frame) {
                scene.each(frame);
                Frame();
                const std::vector<uint32_t> cached = DrawFrame();
                const std::vector<uint32_t> straight = DrawStraightFrame(cut_quads);
                ASSERT_EQ(cached.size(), straight.size());
                size_t differing = 0;
                int most = 0;
                for (size_t i = 0; i < cached.size(); ++i) {
                    differing += cached[i] != straight[i] ? 1 : 0;
                    for (int shift : {0, 8, 16}) {
                        most =
                            std::max(most, std::abs(static_cast<int>(cached[i] >> shift & 0xFF) -
                                                    static_cast<int>(straight[i] >> shift & 0xFF)));
                    }
                }
                EXPECT_LE(differing, cut_quads ? kCutQuadPixels : 0) << "frame " << frame;
                EXPECT_LE(most, cut_quads ? kCutQuadLevels : 0) << "frame " << frame;
            }
            EXPECT_LE(game->render.GetLayerRedraws() - redraws, scene.most_redraws);
        }
    }
}

}  // namespace
}  // namespace GAME
