// The cut: grid formulas, corners, straight borders, determinism and the fill's coverage.
#include <gtest/gtest.h>

#include <cstdint>
#include <ios>
#include <vector>

#include "engine/frame/random.h"
#include "game/board/cut_fill.h"
#include "game/board/cut_grid.h"
#include "game/board/picture_cut.h"
#include "tests/game/board/cut_hash.h"
#include "tools/devkit/test_picture.h"

namespace GAME {
namespace {

// The test picture with a transparent hole, which no piece may take.
std::vector<uint32_t> PictureWithHole(int w, int h) {
    std::vector<uint32_t> texels = MakeTestPicture(w, h);
    for (int y = h / 3; y < h / 3 + 4; ++y) {
        for (int x = w / 2; x < w / 2 + 5; ++x)
            texels[y * w + x] = 0;
    }
    return texels;
}

TEST(CutGrid, GridAndCellFollowThePictureShape) {
    struct CASE {
        int w, h, min;
        float aspect;
        int cols, rows, cell_w, cell_h;
    };
    const CASE cases[] = {
        {1024, 768, 3, 0.75f, 4, 3, 256, 256},  // landscape
        {768, 1024, 3, 0.75f, 3, 4, 256, 256},  // portrait
        {500, 500, 4, 1.0f, 4, 4, 125, 125},    // square: Min goes across
        {1024, 768, 5, 0.75f, 7, 5, 146, 154},  // rounded cells
        {1920, 1440, 15, 0.75f, 20, 15, 96, 96}, {2560, 1440, 15, 0.5625f, 27, 15, 95, 96},
    };
    for (const CASE& c : cases) {
        const CUT_GRID g = ChooseGrid(c.w, c.h, c.min, c.aspect, 0.5f);
        EXPECT_EQ(g.cols, c.cols) << c.w << "x" << c.h;
        EXPECT_EQ(g.rows, c.rows) << c.w << "x" << c.h;
        EXPECT_EQ(g.cell_w, c.cell_w) << c.w << "x" << c.h;
        EXPECT_EQ(g.cell_h, c.cell_h) << c.w << "x" << c.h;
    }
}

TEST(CutGrid, HostileParametersStayInRange) {
    const CUT_GRID g = ChooseGrid(64, 48, 1000, 0.0f, -3.0f);
    EXPECT_LE(g.cols, 64);
    EXPECT_LE(g.rows, 48);
    EXPECT_GE(g.cell_w, 1);
    EXPECT_EQ(g.distort, 0.0f);
}

TEST(CutGrid, NoDeformationGivesAStraightGridWithHashedTabs) {
    const CUT_GRID g = ChooseGrid(400, 300, 3, 0.75f, 0.0f);
    std::vector<uint32_t> target(400 * 300, 0xFFFFFFFFu);
    const CUT_LINES lines = TraceCutLines(g, TEXEL_VIEW{target.data(), 400, 300}, 0x00FFFFFFu);
    for (int r = 0; r <= g.rows; ++r) {
        for (int i = 0; i <= g.cols; ++i) {
            const CUT_POINT c = lines.Corner(g, i, r);
            EXPECT_EQ(c.x, i == g.cols ? 400 : g.cell_w * i);
            EXPECT_EQ(c.y, r == g.rows ? 300 : g.cell_h * r);
        }
    }
    // Edge 0 runs down between columns 0 and 1 of row 0; its tab tip (template point 4) bulges
    // into the left piece exactly when RandBool(0) holds.
    const int tip_x = lines.Shape(g, 0, 0)[9].x;
    EXPECT_EQ(tip_x < g.cell_w / 2, WRANDOM::RandBool(0));
    // The vertical edge 1 (rows 1 to 2) goes by RandBool(1).
    EXPECT_EQ(lines.Shape(g, 0, 1)[9].x < g.cell_w / 2, WRANDOM::RandBool(1));
}

TEST(CutGrid, PictureBorderSidesAreStraight) {
    const CUT_GRID g = ChooseGrid(400, 300, 3, 0.75f, 1.0f);
    std::vector<uint32_t> target(400 * 300, 0xFFFFFFFFu);
    const CUT_LINES lines = TraceCutLines(g, TEXEL_VIEW{target.data(), 400, 300}, 0x00FFFFFFu);
    for (int row = 0; row < g.rows; ++row) {
        for (int col = 0; col < g.cols; ++col) {
            const CUT_POINT* s = lines.Shape(g, col, row);
            for (int m = 1; m <= 5; ++m) {
                if (row == 0) {
                    EXPECT_EQ(s[m], (CUT_POINT{0, -(g.cell_h / 2)}));
                }
                if (col == g.cols - 1) {
                    EXPECT_EQ(s[6 + m], (CUT_POINT{g.cell_w / 2, 0}));
                }
                if (row == g.rows - 1) {
                    EXPECT_EQ(s[12 + m], (CUT_POINT{0, g.cell_h / 2}));
                }
                if (col == 0) {
                    EXPECT_EQ(s[18 + m], (CUT_POINT{-(g.cell_w / 2), 0}));
                }
            }
            // Inner sides carry a tab: their middle point stands off the straight line.
            if (col < g.cols - 1) {
                EXPECT_NE(s[9], (CUT_POINT{g.cell_w / 2, 0}));
            }
        }
    }
}

TEST(CutPicture, SameInputGivesTheSameCutAndDeformationAboveOneCutsAsOne) {
    const uint64_t first = HashOf(Cut(240, 180, 3, 0.75f, 1.0f));
    EXPECT_EQ(first, HashOf(Cut(240, 180, 3, 0.75f, 1.0f)));
    EXPECT_EQ(first, HashOf(Cut(240, 180, 3, 0.75f, 1.5f)));
    EXPECT_NE(first, HashOf(Cut(240, 180, 3, 0.75f, 0.5f)));
}

// A saved game keeps only the cut's parameters and cuts its picture again when it is loaded,
// so a change to the cut silently breaks every saved game. These hashes pin the cut of the test
// picture; take new values only for a change that is meant to break them.
TEST(CutPicture, TheCutOfTheTestPictureIsPinned) {
    struct CASE {
        int w, h, min;
        float distort;
        uint64_t hash;
    };
    const CASE cases[] = {
        {320, 240, 3, 0.0f, 0x0cab891d5f396422ull},
        {320, 240, 5, 0.29f, kPinnedCut320x240Min5Distort29},
        {320, 240, 8, 1.0f, 0xee5d43043e479f9bull},
        {240, 320, 3, 0.0f, 0xc0f36f989658bf3aull},
        {240, 320, 5, 0.29f, 0x6b7fb4a8deb539d3ull},
        {240, 320, 8, 1.0f, 0x4aeae3b21c96c4f1ull},
    };
    for (const CASE& c : cases) {
        const uint64_t hash = HashOf(Cut(c.w, c.h, c.min, 0.75f, c.distort));
        EXPECT_EQ(hash, c.hash) << c.w << "x" << c.h << " Min " << c.min << " distort " << c.distort
                                << ": 0x" << std::hex << hash;
    }
}

TEST(CutPicture, PiecesHaveTheRoomOfTheirTabs) {
    const CUT_RESULT r = Cut(240, 180, 3, 0.75f, 1.0f);
    ASSERT_EQ(r.pieces.size(), 12u);
    // cell 60 x 60: jitter room 2 * 12, tab room 2 * 18, plus the render-target texel.
    EXPECT_EQ(r.cut.piece_size, (CUT_POINT{121, 121}));
    // The centre texel of an inner piece is opaque picture; its texture corner is empty.
    const std::vector<uint32_t>& inner = r.pieces[5];
    EXPECT_EQ(inner[60 * 121 + 60] >> 24, 255u);
    EXPECT_EQ(inner[0], 0u);
}

// Runs the fill of every piece (no shading) and counts, for each picture texel, how many
// pieces took it opaque.
std::vector<int> FillCoverage(int w, int h, int min_pieces, float distort,
                              const std::vector<uint32_t>& picture, std::vector<uint32_t>& mask) {
    const CUT_GRID g = ChooseGrid(w, h, min_pieces, 0.75f, distort);
    std::vector<uint32_t> source = picture;
    mask.assign(picture.size(), 0xFFFFFFFFu);
    const TEXEL_VIEW mask_view{mask.data(), w, h};
    const CUT_LINES lines = TraceCutLines(g, mask_view, 0x00FFFFFFu);
    ClearMaskRim(mask_view);
    const CUT_POINT size = PieceTextureSize(g);
    std::vector<int> taken(picture.size(), 0);
    FILL_FRONTIERS frontiers;
    for (int row = 0; row < g.rows; ++row) {
        for (int col = 0; col < g.cols; ++col) {
            std::vector<uint32_t> piece(static_cast<size_t>(size.x + 1) * (size.y + 1), 0);
            const TEXEL_VIEW view{piece.data(), size.x + 1, size.y + 1};
            const CUT_POINT centre = CellCentre(g, col, row);
            FillPiece(TEXEL_VIEW{source.data(), w, h}, mask_view, view,
                      FillSeed(g, lines, col, row), centre, frontiers);
            for (int ty = 0; ty < view.height; ++ty) {
                for (int tx = 0; tx < view.width; ++tx) {
                    if (view.At(tx, ty) >> 24 != 255)
                        continue;
                    const int x = tx - view.width / 2 + centre.x;
                    const int y = ty - view.height / 2 + centre.y;
                    EXPECT_EQ(view.At(tx, ty), picture[y * w + x]);
                    ++taken[y * w + x];
                }
            }
        }
    }
    return taken;
}

TEST(CutPicture, EveryOpaquePixelOffTheLinesLandsInExactlyOnePiece) {
    for (const float distort : {0.0f, 1.0f}) {
        const int w = 160, h = 120;
        const std::vector<uint32_t> picture = PictureWithHole(w, h);
        std::vector<uint32_t> mask;
        const std::vector<int> taken = FillCoverage(w, h, 3, distort, picture, mask);
        int wrong = 0;
        for (size_t i = 0; i < picture.size(); ++i) {
            const bool on_line = (mask[i] >> 24) == 0;
            const bool opaque = (picture[i] >> 24) != 0;
            const int expected = (!on_line && opaque) ? 1 : 0;
            if (taken[i] != expected)
                ++wrong;
        }
        EXPECT_EQ(wrong, 0) << "distort " << distort;
    }
}

TEST(CutPicture, AHugePieceIsFilledCompletely) {
    // Two cells across a 2400-wide picture: the fill's front grows far beyond 2000 points.
    const int w = 2400, h = 1600;
    const std::vector<uint32_t> picture(static_cast<size_t>(w) * h, 0xFF336699u);
    std::vector<uint32_t> mask;
    const std::vector<int> taken = FillCoverage(w, h, 2, 0.0f, picture, mask);
    int missing = 0;
    for (size_t i = 0; i < picture.size(); ++i) {
        if ((mask[i] >> 24) != 0 && taken[i] != 1)
            ++missing;
    }
    EXPECT_EQ(missing, 0);
}

}  // namespace
}  // namespace GAME
