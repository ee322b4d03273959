// GAME::WTILE_MAP_9: sizes of the nine pieces, repeating edges, removed pieces and centring.
#include "engine/ui/tile_map_9.h"

#include <array>

#include "engine/ui/sprite.h"
#include "tests/engine/ui/ui_fixture.h"

namespace {

constexpr int kCodes[9] = {11, 12, 13, 21, 22, 23, 31, 32, 33};

class TileMap9Test : public UiTest {
  protected:
    // Nine images of the given sizes, in code order; each of its own colour.
    std::unique_ptr<GAME::WTILE_MAP_9> Make(const std::array<std::pair<int, int>, 9>& sizes) {
        std::array<std::string, 9> names;
        const char* pointers[9];
        for (int i = 0; i < 9; ++i) {
            names[i] = Image(sizes[i].first, sizes[i].second, 0xFF000000u | (i * 0x1C1C1C),
                             "piece" + std::to_string(kCodes[i]) + ".png");
            pointers[i] = names[i].c_str();
        }
        return std::make_unique<GAME::WTILE_MAP_9>(pointers);
    }
    std::unique_ptr<GAME::WTILE_MAP_9> MakeSquare() {
        std::array<std::pair<int, int>, 9> sizes;
        sizes.fill({32, 32});
        return Make(sizes);
    }
    static COVERED Bounds(const WSPRITE& piece) {
        return {piece.pos.x - piece.QuadWidth() / 2, piece.pos.y - piece.QuadHeight() / 2,
                piece.pos.x + piece.QuadWidth() / 2, piece.pos.y + piece.QuadHeight() / 2};
    }
};

TEST_F(TileMap9Test, LaysOutCornersEdgesAndCentreAroundThePosition) {
    auto window = MakeSquare();
    window->SetSize(200, 100);
    window->SetPosition(400, 300);
    const WSPRITE& centre = *window->Piece(22);
    EXPECT_FLOAT_EQ(centre.QuadWidth(), 136.0f);
    EXPECT_FLOAT_EQ(centre.QuadHeight(), 36.0f);
    EXPECT_FLOAT_EQ(centre.pos.x, 400.0f);
    EXPECT_FLOAT_EQ(centre.pos.y, 300.0f);
    EXPECT_FLOAT_EQ(window->Piece(11)->pos.x, 316.0f);
    EXPECT_FLOAT_EQ(window->Piece(11)->pos.y, 266.0f);
    EXPECT_FLOAT_EQ(window->Piece(33)->pos.x, 484.0f);
    EXPECT_FLOAT_EQ(window->Piece(33)->pos.y, 334.0f);
    EXPECT_FLOAT_EQ(Bounds(*window->Piece(11)).left, 300.0f);
    EXPECT_FLOAT_EQ(Bounds(*window->Piece(11)).top, 250.0f);
    EXPECT_FLOAT_EQ(Bounds(*window->Piece(33)).right, 500.0f);
    EXPECT_FLOAT_EQ(Bounds(*window->Piece(33)).bottom, 350.0f);
    EXPECT_FLOAT_EQ(window->Piece(12)->QuadWidth(), 136.0f);
    EXPECT_FLOAT_EQ(window->Piece(12)->QuadHeight(), 32.0f);
    EXPECT_FLOAT_EQ(window->Piece(21)->QuadHeight(), 36.0f);
    // Drawn bottom row, top row, middle row, each exactly covering its piece.
    window->Draw(0);
    const std::vector<WRECORDED_DRAW> draws = QuadDraws();
    ASSERT_EQ(draws.size(), 9u);
    const int order[9] = {31, 32, 33, 11, 12, 13, 21, 22, 23};
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(order[i]);
        EXPECT_EQ(draws[i].texture, window->Piece(order[i])->GetTexture());
        EXPECT_FLOAT_EQ(Covered(draws[i]).left, Bounds(*window->Piece(order[i])).left);
        EXPECT_FLOAT_EQ(Covered(draws[i]).top, Bounds(*window->Piece(order[i])).top);
    }
}

TEST_F(TileMap9Test, SizeBelowTheCornersTakesTheMinimum) {
    auto window = MakeSquare();
    window->SetPosition(100, 100);
    window->SetSize(10, 10);
    EXPECT_FLOAT_EQ(window->Piece(22)->QuadWidth(), 0.0f);
    EXPECT_FLOAT_EQ(window->Piece(22)->QuadHeight(), 0.0f);
    EXPECT_FLOAT_EQ(window->Piece(12)->QuadWidth(), 0.0f);
    EXPECT_FLOAT_EQ(Bounds(*window->Piece(33)).right - Bounds(*window->Piece(11)).left, 64.0f);
    EXPECT_FLOAT_EQ(Bounds(*window->Piece(33)).bottom - Bounds(*window->Piece(11)).top, 64.0f);
}

TEST_F(TileMap9Test, EdgesAndCentreRepeatTheirImageAtNaturalSize) {
    std::array<std::pair<int, int>, 9> sizes;
    sizes.fill({32, 32});
    sizes[1] = {16, 32};  // top edge
    sizes[4] = {20, 8};   // centre
    auto window = Make(sizes);
    window->SetSize(104, 100);  // centre width 40, height 36
    const WSPRITE& top = *window->Piece(12);
    EXPECT_FLOAT_EQ(top.quad.corners[0].u, 0.005f);
    EXPECT_FLOAT_EQ(top.quad.corners[2].u, 2.5f);
    EXPECT_FLOAT_EQ(top.quad.corners[0].v, 0.005f);
    EXPECT_FLOAT_EQ(top.quad.corners[2].v, 0.995f);
    const WSPRITE& centre = *window->Piece(22);
    EXPECT_FLOAT_EQ(centre.quad.corners[0].u, 0.0f);  // the centre is not inset
    EXPECT_FLOAT_EQ(centre.quad.corners[2].u, 2.0f);
    EXPECT_FLOAT_EQ(centre.quad.corners[2].v, 4.5f);
    const WSPRITE& corner = *window->Piece(11);
    EXPECT_FLOAT_EQ(corner.quad.corners[2].u, 0.995f);
}

TEST_F(TileMap9Test, RemovedPiecesAreNotDrawnButKeepTheLayout) {
    auto window = MakeSquare();
    window->SetSize(200, 100);
    window->SetPosition(400, 300);
    for (int code : {13, 23, 33}) {
        window->RemovePiece(code);
    }
    window->RemovePiece(14);
    window->RemovePiece(0);
    window->SetSize(200, 100);
    window->SetPosition(400, 300);
    EXPECT_FLOAT_EQ(window->Piece(22)->pos.x, 400.0f);
    EXPECT_FLOAT_EQ(window->Piece(33)->pos.x, 484.0f);
    window->Draw(0);
    const std::vector<WRECORDED_DRAW> draws = QuadDraws();
    ASSERT_EQ(draws.size(), 6u);
    for (const WRECORDED_DRAW& draw : draws) {
        EXPECT_LT(Covered(draw).right, 470.0f);
    }
}

TEST_F(TileMap9Test, UnequalCornersStillCentreTheFrameOnItsPosition) {
    std::array<std::pair<int, int>, 9> sizes;
    sizes.fill({32, 32});
    sizes[0] = {48, 40};  // top-left
    sizes[8] = {20, 24};  // bottom-right
    auto window = Make(sizes);
    window->SetSize(300, 200);
    window->SetPosition(500, 400);
    const COVERED top_left = Bounds(*window->Piece(11));
    const COVERED bottom_right = Bounds(*window->Piece(33));
    EXPECT_NEAR((top_left.left + bottom_right.right) / 2.0f, 500.0f, 1.0f);
    EXPECT_NEAR((top_left.top + bottom_right.bottom) / 2.0f, 400.0f, 1.0f);
    EXPECT_FLOAT_EQ(window->pos.x, 500.0f);
}

TEST_F(TileMap9Test, CornersWiderThanTheMinimumLeaveNoNegativeCentre) {
    std::array<std::pair<int, int>, 9> sizes;
    sizes.fill({32, 32});
    sizes[2] = {50, 32};  // top-right wider than bottom-right
    auto window = Make(sizes);
    window->SetSize(0, 0);
    EXPECT_FLOAT_EQ(window->Piece(22)->QuadWidth(), 0.0f);
    EXPECT_FLOAT_EQ(window->Piece(12)->QuadWidth(), 0.0f);
}

TEST_F(TileMap9Test, ColourGoesToEveryPiece) {
    auto window = MakeSquare();
    window->SetColour(0x80FF0000);
    EXPECT_EQ(window->GetColour(), 0x80FF0000u);
    for (int code : kCodes) {
        EXPECT_EQ(window->Piece(code)->GetColour(), 0x80FF0000u);
    }
}

}  // namespace
