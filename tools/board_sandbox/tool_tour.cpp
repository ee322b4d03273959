// TOOL_TOUR: the stages of the tour, their input and what each reports.
#include "tools/board_sandbox/tool_tour.h"

#include <cstdio>

#include "engine/frame/input.h"
#include "engine/ui/buttons.h"
#include "game/board/pieces_system.h"
#include "game/board/play_panel.h"

namespace {

constexpr int kSettleFrames = 150;  // the deal's flight, at 60 frames a second
constexpr int kSlideFrames = 40;    // the pocket's slide and a little rest
constexpr int kLookFrames = 30;     // time to see what a stage shows
constexpr int kDragSteps = 12;
constexpr int kParkedPieces = 3;

}  // namespace

TOOL_TOUR::TOOL_TOUR(GAME::PUZZLE_PIECES_SYSTEM& board, PLAY_PANEL& panel, WINPUT& input)
    : board_(board), panel_(panel), input_(input) {}

void TOOL_TOUR::Step() {
    ++frame_;
    if (board_.Grid().empty()) {
        return;  // not dealt yet
    }
    if (!started_) {
        started_ = true;
        Begin(stage_);
    } else if (pending_.empty() && stage_ != kDone) {
        Report();
        stage_ = static_cast<STAGE>(stage_ + 1);
        Begin(stage_);
    }
    if (pending_.empty()) {
        return;
    }
    const INPUT_FRAME next = pending_.front();
    pending_.pop_front();
    if (next.x != applied_.x || next.y != applied_.y) {
        input_.SetPosition(next.x, next.y);
    }
    if (next.left != applied_.left) {
        input_.SetButton(WINPUT::kLeft, next.left);
    }
    applied_ = next;
}

void TOOL_TOUR::Wait(int frames) {
    for (int i = 0; i < frames; ++i) {
        pending_.push_back({last_.x, last_.y, false});
    }
}

void TOOL_TOUR::Click(int x, int y) {
    for (bool left : {false, true, true, false}) {
        pending_.push_back({x, y, left});
    }
    last_ = {x, y, false};
}

void TOOL_TOUR::ClickPanel(int answer) {
    // The button's place in the row; the panel's wave lifts it under the pointer, still in
    // reach.
    Click(static_cast<int>(panel_.Button(answer).pos.x), static_cast<int>(panel_.pos.y));
}

void TOOL_TOUR::Drag(int from_x, int from_y, int to_x, int to_y) {
    pending_.push_back({from_x, from_y, false});
    pending_.push_back({from_x, from_y, true});
    for (int i = 1; i <= kDragSteps; ++i) {
        pending_.push_back({from_x + (to_x - from_x) * i / kDragSteps,
                            from_y + (to_y - from_y) * i / kDragSteps, true});
    }
    pending_.push_back({to_x, to_y, false});
    last_ = {to_x, to_y, false};
}

bool TOOL_TOUR::FindGrip(int skip, int& x, int& y) const {
    GAME::PUZZLE_POCKET& pocket = board_.Pocket();
    for (int i = 0; i < board_.StackSize(); ++i) {
        const GAME::PUZZLE_PIECE& p = *board_.StackAt(i);
        x = static_cast<int>(p.X());
        y = static_cast<int>(p.Y());
        const bool clear_of_pocket = x > pocket.Width() || y > pocket.Height();
        if (p.IsSingle() && p.BK == 0 && clear_of_pocket && board_.HitTest(x, y) == i + 1 &&
            skip-- == 0) {
            return true;
        }
    }
    return false;
}

void TOOL_TOUR::ParkPieces() {
    int grips[kParkedPieces][2];
    int found = 0;
    while (found < kParkedPieces && FindGrip(found, grips[found][0], grips[found][1])) {
        ++found;
    }
    for (int i = 0; i < found; ++i) {
        Drag(grips[i][0], grips[i][1], 150 + 130 * i, 180 + 60 * i);
        Wait(10);
    }
}

void TOOL_TOUR::Begin(STAGE stage) {
    const GAME::FLUING_FRAME* fly = board_.FlyFrame();
    const WBUTTONMAP4& pocket_button = board_.Pocket().Button();
    switch (stage) {
        case kSettle:
            Wait(kSettleFrames);
            break;
        case kOpenPocket:
        case kClosePocket:
            Click(static_cast<int>(pocket_button.pos.x), static_cast<int>(pocket_button.pos.y));
            Wait(kSlideFrames);
            break;
        case kParkPieces:
            ParkPieces();
            break;
        case kHoverHint:
            pending_.push_back({static_cast<int>(panel_.Button(PLAY_PANEL::kHint).pos.x),
                                static_cast<int>(panel_.pos.y), false});
            last_ = pending_.back();
            Wait(kLookFrames);
            break;
        case kHint:
            ClickPanel(PLAY_PANEL::kHint);
            Wait(kLookFrames);
            break;
        case kGhostImage:
            ClickPanel(PLAY_PANEL::kGhostImage);
            Wait(kLookFrames);
            break;
        case kFlyFrame:
            ClickPanel(PLAY_PANEL::kGhostImage);  // off again, so the frame shows alone
            ClickPanel(PLAY_PANEL::kFlyFrame);
            Wait(kLookFrames);
            break;
        case kZoom1:
        case kZoom3:
        case kFlyFrameOff: {
            const WBUTTONMAP4& button = fly->Button(stage == kZoom1 ? 0 : stage == kZoom3 ? 2 : 3);
            Click(static_cast<int>(button.pos.x), static_cast<int>(button.pos.y));
            Wait(kLookFrames);
            break;
        }
        case kMagnifier: {
            ClickPanel(PLAY_PANEL::kMagnifier);
            int x = 0;
            int y = 0;
            if (FindGrip(0, x, y)) {
                // Over the piece's right edge.
                pending_.push_back({x + board_.cellW / 2, y, false});
                last_ = pending_.back();
            }
            Wait(kLookFrames);
            break;
        }
        case kMagnifierOff:
            Click(last_.x, last_.y);
            Wait(10);
            break;
        case kSort:
            ClickPanel(PLAY_PANEL::kSort);
            Wait(75);
            break;
        case kDone:
            break;
    }
}

void TOOL_TOUR::Report() const {
    const char* what = "";
    char detail[96] = "";
    switch (stage_) {
        case kSettle:
            what = "dealt";
            break;
        case kOpenPocket:
            what = board_.Pocket().IsOpen() ? "pocket open" : "pocket did not open";
            break;
        case kParkPieces: {
            int parked = 0;
            for (const GAME::PUZZLE_PIECE* p : board_.Grid())
                parked += p->BK;
            std::snprintf(detail, sizeof detail, "%d pieces parked in the pocket", parked);
            what = detail;
            break;
        }
        case kClosePocket:
            what = board_.Pocket().IsOpen() ? "pocket did not close" : "pocket closed";
            break;
        case kHoverHint:
            what = "the panel's wave and tooltip over the hint button";
            break;
        case kHint: {
            int n = 0;
            int cells[2][2] = {};
            for (const GAME::PUZZLE_PIECE* p : board_.Grid()) {
                if (p->hint_blink && n < 2) {
                    cells[n][0] = p->col;
                    cells[n][1] = p->row;
                    ++n;
                }
            }
            if (n == 2) {
                std::snprintf(detail, sizeof detail, "hint: pieces (%d, %d) and (%d, %d) blink",
                              cells[0][0], cells[0][1], cells[1][0], cells[1][1]);
                what = detail;
            } else {
                what = "hint: no pair";
            }
            break;
        }
        case kGhostImage:
            what = board_.ghost_image ? "ghost image on" : "ghost image off";
            break;
        case kFlyFrame:
            what = board_.fly_shown ? "fly frame on at zoom 2" : "fly frame off";
            break;
        case kZoom1:
        case kZoom3:
            std::snprintf(detail, sizeof detail, "fly frame at %.1f of the picture",
                          board_.FlyFrame()->ZoomFactor());
            what = detail;
            break;
        case kFlyFrameOff:
            what = board_.fly_shown ? "fly frame still on" : "fly frame closed";
            break;
        case kMagnifier:
            what = board_.magnifier_on ? "magnifier over a piece's edge" : "magnifier off";
            break;
        case kMagnifierOff:
            what = board_.magnifier_on ? "magnifier still on" : "magnifier off by a click";
            break;
        case kSort:
            what = board_.counters.regGVN2 ? "sorted" : "not sorted";
            break;
        case kDone:
            return;
    }
    // The stage's last input went in with the frame before this one.
    std::printf("board_sandbox tour: frame %d: %s\n", frame_ - 2, what);
    std::fflush(stdout);
}
