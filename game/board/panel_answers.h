// What the owner of a board and its play panel (the game shell, the board sandbox) does with
// them each frame: the panel's answers become the board's tools, and the board's results show
// on the panel's buttons.
#pragma once

class PLAY_PANEL;
class WINPUT;

namespace GAME {

class PUZZLE_PIECES_SYSTEM;

// A press of either mouse button while the magnifier is on only switches it off and releases
// its button. True when it did: the frame then ends without the panel or the board.
bool PressEndsMagnifier(const WINPUT& input, PUZZLE_PIECES_SYSTEM& board, PLAY_PANEL& panel);

struct PLAY_FRAME {
    int answer = 0;  // the panel's (PLAY_PANEL::ANSWER)
    int result = 0;  // the board's (BOARD_RESULT); 0 when the panel answered
};

// One play frame of the panel and the board. The panel goes first; any answer ends the hint
// and takes the board's update for this frame (a held button freezes the board). A tool's
// answer runs the tool and shows its new state on the button; exit and options are left to
// the owner. With no answer the board is updated, and its result shows on the panel: the
// assembled puzzle makes the panel inactive, and the buttons of tools that the board switched
// off itself are released.
PLAY_FRAME UpdatePanelAndBoard(PUZZLE_PIECES_SYSTEM& board, PLAY_PANEL& panel);

}  // namespace GAME
