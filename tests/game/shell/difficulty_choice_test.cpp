// The difficulty choice in the game object: the preview it cuts, the re-cuts its controls ask
// for, the labels over them, and the game an accepted choice starts.
#include <string>
#include <vector>

#include "engine/platform/virtual_keys.h"
#include "engine/ui/buttons.h"
#include "engine/ui/sliders.h"
#include "game/board/cut_grid.h"
#include "game/board/pieces_system.h"
#include "game/shell/difficulty_dialog.h"
#include "game/shell/menu_screen.h"
#include "tests/game/shell/shell_fixture.h"

namespace {

using GAME::DIFFICULTY_DIALOG;

class DifficultyChoiceTest : public GameShellTest {
  protected:
    void SetUp() override {
        GameShellTest::SetUp();
        g_texts.difficulty_txt_pieces = "Pieces %i";
        g_texts.difficulty_txt_deformation = "Waves %i%%";
        ClickOn(puzzle->Menu().Button(GAME::kButtonCut));
        ASSERT_EQ(puzzle->State(), GAME::PUZZLE::kChoice);
        dialog = puzzle->DifficultyDialog();
        board = puzzle->Board();
    }

    // The texts drawn over the choice in this frame.
    std::string DrawnLabels() {
        render->ClearRecordedDraws();
        puzzle->DrawOverlay();
        return DrawnText(*font);
    }
    void ClickPlus(const WUN::WSLIDER_E& slider, int times) {
        for (int i = 0; i < times; ++i) {
            ClickOn(*slider.GetPlusButton());
        }
    }

    DIFFICULTY_DIALOG* dialog = nullptr;
    GAME::PUZZLE_PIECES_SYSTEM* board = nullptr;
};

TEST_F(DifficultyChoiceTest, AcceptingAtOnceCutsTheGameAsThePreviewShowedIt) {
    EXPECT_EQ(dialog->Deformation(), 100);
    EXPECT_EQ(board->distort, 1.0f);
    EXPECT_EQ(board->Min, DIFFICULTY_DIALOG::kMinPieces);
    const int cols = board->cols;
    const int rows = board->rows;
    const std::vector<GAME::CUT_POINT> preview = board->shapes;
    EXPECT_NE(DrawnLabels().find("Pieces " + std::to_string(cols * rows) + "Waves 100%"),
              std::string::npos);

    Press(VK_RETURN);
    EXPECT_EQ(puzzle->State(), GAME::PUZZLE::kPlaying);
    EXPECT_EQ(puzzle->DifficultyDialog(), nullptr);
    Step();  // the board builds its pieces
    ASSERT_EQ(puzzle->Board(), board);
    EXPECT_EQ(board->state, GAME::kStatePlay);
    EXPECT_EQ(board->cols, cols);
    EXPECT_EQ(board->rows, rows);
    EXPECT_EQ(board->StackSize(), cols * rows);
    EXPECT_EQ(board->shapes, preview);
}

TEST_F(DifficultyChoiceTest, PiecesSliderAtFifteenRecutsAndTheLabelCountsTheNewGrid) {
    ClickPlus(dialog->PiecesSlider(), 20);  // stops at the top of its range
    EXPECT_EQ(dialog->Pieces(), DIFFICULTY_DIALOG::kMaxPieces);
    EXPECT_EQ(board->Min, DIFFICULTY_DIALOG::kMaxPieces);
    const GAME::CUT_GRID grid = GAME::ChooseGrid(240, 180, 15, board->aspect, 1.0f);
    EXPECT_EQ(board->cols, grid.cols);
    EXPECT_EQ(board->rows, grid.rows);
    EXPECT_NE(DrawnLabels().find("Pieces " + std::to_string(grid.cols * grid.rows)),
              std::string::npos);
}

TEST_F(DifficultyChoiceTest, TheDeformationLabelShowsTheSlidersValue) {
    // 0.53f times 100 is just below 53.
    dialog->DeformationSlider().SetValue(52);
    ClickPlus(dialog->DeformationSlider(), 1);
    EXPECT_EQ(dialog->Deformation(), 53);
    EXPECT_NE(DrawnLabels().find("Waves 53%"), std::string::npos);
}

TEST_F(DifficultyChoiceTest, SeveralControlsInOneFrameGiveOneRecutWithAllTheirValues) {
    WUN::WSLIDER_E& deformation = dialog->DeformationSlider();
    const int x = static_cast<int>(deformation.GetKnobX()) - 12;
    const int y = static_cast<int>(deformation.GetKnobY());
    dialog->RotationBox().SetPosition(x, y);
    MoveMouse(x, y);
    PressLeft();
    Step();
    EXPECT_TRUE(board->rt);
    EXPECT_EQ(board->distort, dialog->Deformation() / 100.0f);
    EXPECT_LT(board->distort, 1.0f);
}

TEST_F(DifficultyChoiceTest, EscapeDropsThePreviewAndReturnsToTheMenu) {
    Press(VK_ESCAPE);
    EXPECT_EQ(puzzle->State(), GAME::PUZZLE::kMenu);
    EXPECT_EQ(puzzle->Board(), nullptr);
    EXPECT_EQ(puzzle->DifficultyDialog(), nullptr);
}

}  // namespace
