// Which pieces a play frame draws into the cached layer, and how few fragments their cut quads
// cost against whole texture rectangles.
#include <cmath>
#include <functional>

#include "tests/game/board/board_fixture.h"

namespace GAME {
namespace {

class PieceDrawTest : public BoardTest {
  protected:
    void SetUp() override {
        BoardTest::SetUp();
        MakeBoard();
    }

    // A play frame's scene, recorded.
    const std::vector<WRECORDED_DRAW>& DrawScene() {
        WRENDER& render = game->render;
        render.ClearRecordedDraws();
        EXPECT_EQ(render.BeginFrame(), 0);
        board->Draw(0);
        EXPECT_EQ(render.EndScene(), 0);
        EXPECT_EQ(render.BeginBackBuffer(), 0);
        EXPECT_EQ(render.Present(), 0);
        return render.GetRecordedDraws();
    }
};

// The pixels a recorded quad covers (the shoelace formula over its corners).
float Area(const WRECORDED_DRAW& d) {
    float twice = 0.0f;
    for (int i = 0; i < 4; ++i) {
        const WQUAD_CORNER& a = d.corners[i];
        const WQUAD_CORNER& b = d.corners[(i + 1) % 4];
        twice += a.x * b.y - b.x * a.y;
    }
    return std::fabs(twice) / 2.0f;
}

TEST_F(PieceDrawTest, TheLayerHoldsTheUnitsBelowTheLowestThatAnimates) {
    struct CASE {
        const char* what;
        std::function<void(PUZZLE_PIECES_SYSTEM&)> apply;
        int resting_from;  // stack index of the first piece in the layer
    };
    const CASE cases[] = {
        {"everything rests", [](PUZZLE_PIECES_SYSTEM&) {}, 0},
        {"the top piece lifted", [](PUZZLE_PIECES_SYSTEM& b) { b.StackAt(0)->lift = 0.5f; }, 1},
        {"a piece sinking back", [](PUZZLE_PIECES_SYSTEM& b) { b.StackAt(2)->lift_direction = -1; },
         3},
        {"a piece flying", [](PUZZLE_PIECES_SYSTEM& b) { b.StackAt(5)->step_x = 50; }, 6},
        {"the bottom piece turning",
         [](PUZZLE_PIECES_SYSTEM& b) { b.StackAt(11)->rotation_progress = 0.5f; }, 12},
        {"a hint piece blinking", [](PUZZLE_PIECES_SYSTEM& b) { b.StackAt(3)->hint_blink = true; },
         4},
        {"a piece fading", [](PUZZLE_PIECES_SYSTEM& b) { b.StackAt(7)->appear = 0.5f; }, 8},
        {"a pulsing group, whole",
         [](PUZZLE_PIECES_SYSTEM& b) {
             b.StackAt(4)->nstr = 1;
             b.StackAt(5)->nstr = 1;
             b.pulse_group = 1;
         },
         6},
    };
    for (const CASE& c : cases) {
        SCOPED_TRACE(c.what);
        MakeBoard();
        c.apply(*board);
        const std::vector<WRECORDED_DRAW>& draws = DrawScene();
        for (int i = 0; i < board->StackSize(); ++i) {
            const WTEXTURE* texture = board->StackAt(i)->sprite.GetTexture();
            int in_layer = 0;
            int outside = 0;
            for (const WRECORDED_DRAW& d : draws) {
                if (d.texture == texture) {
                    ++(d.in_layer ? in_layer : outside);
                }
            }
            const bool resting = i >= c.resting_from;
            EXPECT_EQ(in_layer > 0, resting) << "stack index " << i;
            EXPECT_EQ(outside > 0, !resting) << "stack index " << i;
        }
    }
}

TEST_F(PieceDrawTest, APieceFadedOutIsNotDrawnAndLeavesTheOthersInTheLayer) {
    PUZZLE_PIECE& faded = *board->StackAt(7);
    faded.appear = 0.0f;
    const std::vector<WRECORDED_DRAW>& draws = DrawScene();
    int in_layer = 0;
    for (const WRECORDED_DRAW& d : draws) {
        EXPECT_NE(d.texture, faded.sprite.GetTexture());
        in_layer += d.in_layer && d.texture == board->StackAt(0)->sprite.GetTexture() ? 1 : 0;
    }
    EXPECT_GT(in_layer, 0);
}

// A full redraw (a pick, a drop, a layer rebuild) draws every piece's shadow and body: over the
// opaque part of the texture they cover at most two thirds of the whole rectangles.
TEST_F(PieceDrawTest, PieceQuadsCoverAtMostTwoThirdsOfTheirTextureRectangles) {
    for (bool rotation : {false, true}) {
        SCOPED_TRACE(rotation ? "turned pieces" : "upright pieces");
        MakeBoard(rotation, 1.0f);
        float drawn = 0.0f;
        float whole = 0.0f;
        for (const WRECORDED_DRAW& d : DrawScene()) {
            for (PUZZLE_PIECE* p : board->Grid()) {
                if (d.texture != p->sprite.GetTexture()) {
                    continue;
                }
                drawn += Area(d);
                whole += p->sprite.QuadWidth() * p->sprite.QuadHeight() * d.sx * d.sy;
            }
        }
        ASSERT_GT(whole, 0.0f);
        EXPECT_LE(drawn, whole * 2.0f / 3.0f);
    }
}

}  // namespace
}  // namespace GAME
