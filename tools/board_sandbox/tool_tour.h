// TOOL_TOUR: plays through the pocket and the play panel's tools with synthetic mouse input and
// says on standard output at which frame each stage shows, so that a headless run can be
// stopped there for a screenshot.
#pragma once

#include <deque>

namespace GAME {
class PUZZLE_PIECES_SYSTEM;
}
class PLAY_PANEL;
class WINPUT;

class TOOL_TOUR {
  public:
    TOOL_TOUR(GAME::PUZZLE_PIECES_SYSTEM& board, PLAY_PANEL& panel, WINPUT& input);
    // Feeds this frame's input; call once per frame before the panel and the board.
    void Step();
    bool Finished() const { return stage_ == kDone; }

  private:
    enum STAGE {
        kSettle,
        kOpenPocket,
        kParkPieces,
        kClosePocket,
        kHoverHint,
        kHint,
        kGhostImage,
        kFlyFrame,
        kZoom1,
        kZoom3,
        kFlyFrameOff,
        kMagnifier,
        kMagnifierOff,
        kSort,
        kDone,
    };
    // One frame of input: the pointer and whether the left button is down.
    struct INPUT_FRAME {
        int x;
        int y;
        bool left;
    };

    // Queues the input of the stage and says what it shows once played.
    void Begin(STAGE stage);
    void Report() const;
    void Wait(int frames);
    void Click(int x, int y);
    void ClickPanel(int answer);
    void Drag(int from_x, int from_y, int to_x, int to_y);
    void ParkPieces();
    // A point of a single piece outside the pocket where it is the topmost piece.
    bool FindGrip(int skip, int& x, int& y) const;

    GAME::PUZZLE_PIECES_SYSTEM& board_;
    PLAY_PANEL& panel_;
    WINPUT& input_;
    STAGE stage_ = kSettle;
    std::deque<INPUT_FRAME> pending_;
    INPUT_FRAME last_{0, 0, false};     // the last one queued
    INPUT_FRAME applied_{0, 0, false};  // the last one fed to the input
    bool started_ = false;
    // Calls of Step so far: the sandbox's frame number + 1.
    int frame_ = 0;
};
