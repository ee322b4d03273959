// The board's tools: ghost image, border filter, magnifier switch, the hint with all the ways it
// ends, the sort, and the spin of the score bullets' head.
#include <set>

#include "engine/ui/particles.h"
#include "engine/ui/shared_items.h"
#include "game/board/board_sounds.h"
#include "tests/game/board/board_fixture.h"

namespace GAME {
namespace {

class ToolsTest : public BoardTest {
  protected:
    void SetUp() override {
        BoardTest::SetUp();
        MakeBoard();
    }
    std::vector<PUZZLE_PIECE*> Blinking() const {
        std::vector<PUZZLE_PIECE*> blinking;
        for (PUZZLE_PIECE* p : board->Grid()) {
            if (p->hint_blink)
                blinking.push_back(p);
        }
        return blinking;
    }
    enum ACTION { kRightClickEmpty, kPickOther, kTurnOther };
    // The press frame's result.
    int Act(ACTION action, PUZZLE_PIECE& other) {
        const int x = static_cast<int>(other.X());
        const int y = static_cast<int>(other.Y());
        switch (action) {
            case kRightClickEmpty:
                return RightClick(900, 100);
            case kTurnOther:
                return RightClick(x, y);
            case kPickOther: {
                MoveMouse(x, y);
                Press();
                const int result = Frame();
                Release();
                Frame();
                return result;
            }
        }
        return kBoardNothing;
    }
    static bool Neighbours(const PUZZLE_PIECE& a, const PUZZLE_PIECE& b) {
        return std::abs(a.col - b.col) + std::abs(a.row - b.row) == 1;
    }
    // Every piece but the listed ones in group 1.
    void GroupAllBut(std::initializer_list<PUZZLE_PIECE*> singles) {
        for (PUZZLE_PIECE* p : board->Grid())
            p->nstr = 1;
        for (PUZZLE_PIECE* p : singles)
            p->nstr = 0;
        board->counters.cstr = 1;
        board->counters.regF = 1 + static_cast<int>(singles.size());
    }
};

TEST_F(ToolsTest, TheGhostImageLiesUnderThePiecesAtFullSize) {
    EXPECT_TRUE(board->ToggleGhostImage());
    EXPECT_EQ(Count(kSoundToolsOn), 1);
    game->render.ClearRecordedDraws();
    board->Draw(0);
    const std::vector<WRECORDED_DRAW>& draws = game->render.GetRecordedDraws();
    size_t ghost = draws.size();
    size_t first_piece = draws.size();
    for (size_t i = 0; i < draws.size(); ++i) {
        if (draws[i].texture == board->picture->GetTexture() && ghost == draws.size())
            ghost = i;
        if (draws[i].texture == Piece(0, 0).sprite.GetTexture() && first_piece == draws.size())
            first_piece = i;
    }
    ASSERT_LT(ghost, draws.size());
    EXPECT_LT(ghost, first_piece);
    EXPECT_EQ(draws[ghost].colour, 0xAAFFFFFFu);
    EXPECT_FLOAT_EQ(draws[ghost].corners[0].x, 512.0f - kPictureW / 2);
    EXPECT_FLOAT_EQ(draws[ghost].corners[2].y, 384.0f + kPictureH / 2);
    EXPECT_EQ(board->picture->GetColour(), 0xFFFFFFFFu);  // the tint is the ghost's only

    EXPECT_FALSE(board->ToggleGhostImage());
    EXPECT_EQ(Count(kSoundToolsOff), 1);
}

TEST_F(ToolsTest, TheBorderFilterNoLongerChangesOnceTheFrameIsComplete) {
    EXPECT_TRUE(board->ToggleBorderFilter());
    EXPECT_FALSE(board->ToggleBorderFilter());
    EXPECT_EQ(Count(kSoundToolsOn), 1);
    EXPECT_EQ(Count(kSoundToolsOff), 1);
    board->wave_index = -2;
    EXPECT_FALSE(board->ToggleBorderFilter());
    EXPECT_FALSE(board->border_filter);
    EXPECT_EQ(sounds.size(), 2u);
}

TEST_F(ToolsTest, AnyClickOnTheBoardSwitchesTheMagnifierOff) {
    for (WINPUT::Button button : {WINPUT::kLeft, WINPUT::kRight}) {
        EXPECT_TRUE(board->ToggleMagnifier());
        MoveMouse(static_cast<int>(Piece(1, 1).X()), static_cast<int>(Piece(1, 1).Y()));
        Press(button);
        EXPECT_EQ(Frame(), kBoardMagnifierOff) << button;
        Release(button);
        Frame();
        EXPECT_FALSE(board->magnifier_on);
        EXPECT_EQ(board->HeldPiece(), 0);  // the click only ended the magnifier
    }
}

TEST_F(ToolsTest, AHintPointsOutTwoNeighboursOnTopOfTheStack) {
    ASSERT_TRUE(board->Hint());
    EXPECT_EQ(Count(kSoundToolsHint), 1);
    EXPECT_TRUE(board->hint_active);
    EXPECT_EQ(board->counters.regH, 1);
    const std::vector<PUZZLE_PIECE*> pair = Blinking();
    ASSERT_EQ(pair.size(), 2u);
    EXPECT_TRUE(Neighbours(*pair[0], *pair[1]));
    const std::set<PUZZLE_PIECE*> top = {board->StackAt(0), board->StackAt(1)};
    EXPECT_EQ(top, std::set<PUZZLE_PIECE*>(pair.begin(), pair.end()));
    // While it lasts the pair sparkles.
    Frames(5);
    EXPECT_GT(g_effects[0]->GetCount(), 0);
}

TEST_F(ToolsTest, UnderTheBorderFilterTheHintShowsEdgePiecesOnly) {
    board->ToggleBorderFilter();
    int shown = 0;
    for (int i = 0; i < 20; ++i) {
        // A hint avoids the rows and columns of the one before, so some find nothing here.
        if (!board->Hint())
            continue;
        ++shown;
        for (PUZZLE_PIECE* p : Blinking())
            EXPECT_TRUE(p->edge) << p->col << ", " << p->row;
    }
    EXPECT_GT(shown, 5);
}

TEST_F(ToolsTest, WithNoPairLeftTheHintFindsNothing) {
    // A group of all but one piece, which lies in the shut pocket out of reach.
    PUZZLE_PIECE& parked = Piece(2, 1);
    GroupAllBut({&parked});
    parked.BK = 1;
    EXPECT_FALSE(board->Hint());
    EXPECT_FALSE(board->hint_active);
    EXPECT_TRUE(Blinking().empty());
    EXPECT_EQ(board->counters.regH, 0);
    // An assembled puzzle gives no hint at all, not even the sound.
    sounds.clear();
    board->counters.regF = 1;
    EXPECT_FALSE(board->Hint());
    EXPECT_TRUE(sounds.empty());
}

TEST_F(ToolsTest, TheHintEndsWithAnythingButThePairItself) {
    const struct {
        const char* what;
        ACTION action;
    } cases[] = {
        {"right click on empty space", kRightClickEmpty},
        {"another piece picked", kPickOther},
        {"another piece turned", kTurnOther},
    };
    board->rt = true;
    for (const auto& c : cases) {
        Spread();
        ASSERT_TRUE(board->Hint());
        PUZZLE_PIECE* other = nullptr;
        for (PUZZLE_PIECE* p : board->Grid()) {
            if (!p->hint_blink)
                other = p;
        }
        EXPECT_EQ(Act(c.action, *other), kBoardHintCleared) << c.what;
        EXPECT_FALSE(board->hint_active) << c.what;
        EXPECT_TRUE(Blinking().empty()) << c.what;
    }
    // Picking one of the pair keeps it.
    Spread();
    ASSERT_TRUE(board->Hint());
    PUZZLE_PIECE& hinted = *Blinking()[0];
    MoveMouse(static_cast<int>(hinted.X()), static_cast<int>(hinted.Y()));
    Press();
    EXPECT_EQ(Frame(), kBoardNothing);
    EXPECT_TRUE(board->hint_active);
}

TEST_F(ToolsTest, SortSendsQuartersOfThePictureToTheQuadrantsAndCornersToTheCorners) {
    board->Sort();
    EXPECT_EQ(Count(kSoundToolsSort), 1);
    EXPECT_TRUE(board->counters.regGVN2);
    const int m = Piece(0, 0).cellW;
    const BOARD_RECT& area = board->play_area;
    // Twelve pieces make quarters of 12 / 4 + 1 = 4 in grid order: each row of four fills one
    // quadrant in turn (top-left, top-right, bottom-left) and the fourth stays empty.
    for (PUZZLE_PIECE* p : board->Grid()) {
        EXPECT_TRUE(p->IsFlying());
        const int index = p->row * board->cols + p->col;
        const int quarter = index / 4;
        const bool right = quarter % 2 == 1;
        const bool low = quarter >= 2;
        const bool corner = (p->col == 0 || p->col == 3) && (p->row == 0 || p->row == 2);
        if (corner) {
            EXPECT_EQ(p->target_x, p->col == 0 ? area.left + m : area.right - m);
            EXPECT_EQ(p->target_y, p->row == 0 ? area.top + m : area.bottom - m);
            continue;
        }
        EXPECT_GE(p->target_x, right ? 512 + m : area.left + m) << index;
        EXPECT_LE(p->target_x, right ? area.right - m : 512 - m) << index;
        EXPECT_GE(p->target_y, low ? 384 + m : area.top + m) << index;
        EXPECT_LE(p->target_y, low ? area.bottom - m : 384 - m) << index;
    }
}

TEST_F(ToolsTest, SortLeavesGroupedPocketedAndFadedPiecesWhereTheyAre) {
    Piece(0, 1).nstr = Piece(0, 2).nstr = 1;
    board->counters.cstr = 1;
    Piece(3, 1).BK = 1;
    board->border_filter = true;  // keeps the faded inner piece faded
    Piece(2, 1).appear = 0.0f;
    board->Sort();
    for (PUZZLE_PIECE* p : {&Piece(0, 1), &Piece(0, 2), &Piece(3, 1), &Piece(2, 1)})
        EXPECT_FALSE(p->IsFlying()) << p->col << ", " << p->row;
    EXPECT_TRUE(Piece(1, 1).IsFlying());  // a single inner piece still in play
}

TEST_F(ToolsTest, TheScoreBulletsHeadSpinsSixRadiansASecond) {
    Frames(10);  // 0.2 s
    // A join sends a bullet: its head is drawn at the spin of the timers so far.
    PUZZLE_PIECE& a = Piece(0, 0);
    PUZZLE_PIECE& b = Piece(1, 0);
    DragPiece(b, static_cast<int>(a.X()) + b.cellW, static_cast<int>(a.Y()));
    ASSERT_EQ(a.nstr, b.nstr);
    game->render.ClearRecordedDraws();
    board->Draw(0);
    const WRECORDED_DRAW* head = nullptr;
    for (const WRECORDED_DRAW& d : game->render.GetRecordedDraws()) {
        if (d.kind == WRECORDED_DRAW::kQuad && d.sx == 0.4f && d.colour == 0x88FFFFFFu)
            head = &d;
    }
    ASSERT_NE(head, nullptr);
    EXPECT_NEAR(head->angle, 6.0f * 13 * kStep, 1e-4f);  // 10 frames and the drag's 3
}

}  // namespace
}  // namespace GAME
