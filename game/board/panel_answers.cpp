// The answer contract between the play panel and the board's tools.
#include "game/board/panel_answers.h"

#include "engine/frame/input.h"
#include "game/board/pieces_system.h"
#include "game/board/play_panel.h"

namespace GAME {
namespace {

void Show(PLAY_PANEL& panel, int answer, bool on) {
    on ? panel.SetPressed(answer) : panel.Release(answer);
}

void RunAnswer(int answer, PUZZLE_PIECES_SYSTEM& board, PLAY_PANEL& panel) {
    board.ClearHint();
    panel.Release(PLAY_PANEL::kHint);
    switch (answer) {
        case PLAY_PANEL::kGhostImage:
            Show(panel, answer, board.ToggleGhostImage());
            break;
        case PLAY_PANEL::kBorderFilter:
            Show(panel, answer, board.ToggleBorderFilter());
            break;
        case PLAY_PANEL::kHint:
            Show(panel, answer, board.Hint());
            break;
        case PLAY_PANEL::kFlyFrame: {
            const bool on = board.ToggleFlyFrame();
            if (on) {
                board.StopBand();
            }
            Show(panel, answer, on);
            break;
        }
        case PLAY_PANEL::kSort:
            board.Sort();
            break;
        case PLAY_PANEL::kMagnifier:
            Show(panel, answer, board.ToggleMagnifier());
            break;
        default:
            break;
    }
}

void ShowResult(int result, PLAY_PANEL& panel) {
    switch (result) {
        case kBoardAssembled:
            panel.SetActive(false);
            break;
        case kBoardBorderFilterOff:
            panel.Release(PLAY_PANEL::kBorderFilter);
            break;
        case kBoardHintCleared:
            panel.Release(PLAY_PANEL::kHint);
            break;
        case kBoardFlyClosed:
            panel.Release(PLAY_PANEL::kFlyFrame);
            break;
        case kBoardMagnifierOff:
            panel.Release(PLAY_PANEL::kMagnifier);
            break;
        default:
            break;
    }
}

}  // namespace

bool PressEndsMagnifier(const WINPUT& input, PUZZLE_PIECES_SYSTEM& board, PLAY_PANEL& panel) {
    if (!board.magnifier_on || (input.GetLeft() != 1 && input.GetRight() != 1)) {
        return false;
    }
    board.magnifier_on = false;
    panel.Release(PLAY_PANEL::kMagnifier);
    return true;
}

PLAY_FRAME UpdatePanelAndBoard(PUZZLE_PIECES_SYSTEM& board, PLAY_PANEL& panel) {
    PLAY_FRAME frame;
    frame.answer = panel.Update(0, 0.0f);
    if (frame.answer != PLAY_PANEL::kNothing) {
        RunAnswer(frame.answer, board, panel);
        return frame;
    }
    frame.result = board.Update(0, 0.0f);
    ShowResult(frame.result, panel);
    return frame;
}

}  // namespace GAME
