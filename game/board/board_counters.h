// BOARD_COUNTERS: the counters of one game, under the names the saved-puzzle file gives them.
#pragma once

namespace GAME {

// Reset, completion and saving take the counters as one record.
struct BOARD_COUNTERS {
    // The counters of a new game on a cols x rows grid.
    static BOARD_COUNTERS ForGrid(int cols, int rows) {
        BOARD_COUNTERS fresh;
        fresh.regBr = 2 * (rows + cols - 2);
        fresh.regF = cols * rows;
        return fresh;
    }

    float regT = 0.0f;     // seconds since the last join
    float regTa = 0.0f;    // seconds played
    int regBr = 0;         // border units still apart; below 2 the frame is complete
    int regF = 0;          // free units; below 2 the puzzle is complete
    int regH = 0;          // hints used
    int regCg = 0;         // joins made
    int regSc = 0;         // score
    int regPf = 0;         // sum of the join multipliers
    bool regGVN = false;   // the pocket button was used
    bool regGVN2 = false;  // the sort tool was used
    int regFinishP = 0;    // pieces in the frame group once the frame is complete
    int regFastGlue = 0;   // joins made within 2 s of picking the piece
    int cstr = 0;          // last group id handed out
};

}  // namespace GAME
