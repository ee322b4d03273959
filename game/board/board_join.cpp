// Joining a dropped piece to its grid neighbours: the three tests, snapping, and the score,
// counters, sound and effects of every join.
#include <algorithm>
#include <cmath>
#include <string>

#include "engine/frame/game.h"
#include "engine/ui/particles.h"
#include "engine/ui/shared_items.h"
#include "game/board/board_sounds.h"
#include "game/board/pieces_system.h"

namespace GAME {
namespace {

constexpr float kJoinTolerance = 9.0f;  // pixels
constexpr int kFontExpense = 3;         // g_fonts entry of the join score numbers

// How the moving piece A lies next to B on screen.
enum SCREEN_SIDE { kBelow, kLeftOf, kAbove, kRightOf };

// For A's rotation and side: the grid offset (A.row - B.row, A.col - B.col) that must hold.
constexpr int kJoinDirection[4][4][2] = {
    {{1, 0}, {0, -1}, {-1, 0}, {0, 1}},  // trt 0
    {{0, 1}, {1, 0}, {0, -1}, {-1, 0}},  // trt 1
    {{-1, 0}, {0, 1}, {1, 0}, {0, -1}},  // trt 2
    {{0, -1}, {-1, 0}, {0, 1}, {1, 0}},  // trt 3
};

bool OnSide(const PUZZLE_PIECE& a, const PUZZLE_PIECE& b, SCREEN_SIDE side) {
    const float cross_x = std::fabs(a.X() - b.X());
    const float cross_y = std::fabs(a.Y() - b.Y());
    switch (side) {
        case kBelow:
            return a.Y() > b.Y() && cross_x <= kJoinTolerance;
        case kAbove:
            return a.Y() < b.Y() && cross_x <= kJoinTolerance;
        case kLeftOf:
            return a.X() < b.X() && cross_y <= kJoinTolerance;
        case kRightOf:
            return a.X() > b.X() && cross_y <= kJoinTolerance;
    }
    return false;
}

}  // namespace

bool PUZZLE_PIECES_SYSTEM::JoinsIn(const PUZZLE_PIECE& p) const {
    // The border filter keeps inner single pieces out of play.
    return p.appear == 1.0f && (p.edge || !border_filter || !p.IsSingle());
}

bool PUZZLE_PIECES_SYSTEM::Fits(const PUZZLE_PIECE& a, const PUZZLE_PIECE& b) const {
    const int d = static_cast<int>(std::hypot(a.X() - b.X(), a.Y() - b.Y()));
    if (!(std::abs(d - b.cellH) <= kJoinTolerance || std::abs(d - b.cellW) <= kJoinTolerance)) {
        return false;
    }
    if (a.trt != b.trt || (!a.IsSingle() && a.nstr == b.nstr) || !JoinsIn(a) || !JoinsIn(b)) {
        return false;
    }
    const int drow = a.row - b.row;
    const int dcol = a.col - b.col;
    const bool neighbours =
        (drow == 0 && std::abs(dcol) == 1) || (dcol == 0 && std::abs(drow) == 1);
    if (!neighbours) {
        return false;
    }
    for (int side = kBelow; side <= kRightOf; ++side) {
        const int* wanted = kJoinDirection[a.trt][side];
        if (OnSide(a, b, static_cast<SCREEN_SIDE>(side)) && wanted[0] == drow &&
            wanted[1] == dcol) {
            return true;
        }
    }
    return false;
}

void PUZZLE_PIECES_SYSTEM::SnapTo(int a_index, const PUZZLE_PIECE& b) {
    const PUZZLE_PIECE& a = *stack_[a_index];
    float w = static_cast<float>(a.cellW);
    float h = static_cast<float>(a.cellH);
    if (a.trt % 2 == 1)
        std::swap(w, h);
    float x = a.X();
    float y = a.Y();
    if (std::fabs(a.X() - b.X()) <= kJoinTolerance) {
        x = b.X();
        y = a.Y() > b.Y() ? b.Y() + h : b.Y() - h;
    } else if (std::fabs(a.Y() - b.Y()) <= kJoinTolerance) {
        y = b.Y();
        x = a.X() > b.X() ? b.X() + w : b.X() - w;
    }
    MoveUnit(a_index, x - a.X(), y - a.Y());
}

bool PUZZLE_PIECES_SYSTEM::TryJoin(int stack_index) {
    if (stack_index < 0 || stack_index >= StackSize()) {
        return false;
    }
    PUZZLE_PIECE& a = *stack_[stack_index];
    // Only grid neighbours fit; of those, the lowest in the stack joins.
    PUZZLE_PIECE* partner = nullptr;
    int partner_index = -1;
    const CUT_POINT neighbours[4] = {
        {a.col - 1, a.row}, {a.col + 1, a.row}, {a.col, a.row - 1}, {a.col, a.row + 1}};
    for (const CUT_POINT cell : neighbours) {
        if (cell.x < 0 || cell.y < 0 || cell.x >= cols || cell.y >= rows) {
            continue;
        }
        PUZZLE_PIECE& other = *GridAt(cell.x, cell.y);
        if (!Fits(a, other)) {
            continue;
        }
        const int index = StackIndexOf(&other);
        if (index > partner_index) {
            partner = &other;
            partner_index = index;
        }
    }
    if (partner == nullptr) {
        return false;
    }
    SnapTo(stack_index, *partner);
    ScoreJoin(a, *partner);
    // The stack has been reordered; the caller asks again until nothing joins.
    return true;
}

bool PUZZLE_PIECES_SYSTEM::GroupHasEdge(int group) const {
    return std::any_of(grid_.begin(), grid_.end(),
                       [&](const PUZZLE_PIECE* p) { return p->nstr == group && p->edge; });
}

void PUZZLE_PIECES_SYSTEM::ScoreJoin(PUZZLE_PIECE& a, PUZZLE_PIECE& b) {
    if (held_time < 2.0f) {
        ++counters.regFastGlue;
    }
    --counters.regF;
    const int s1 = a.IsSingle() ? 1 : GroupSize(a.nstr);
    const int s2 = b.IsSingle() ? 1 : GroupSize(b.nstr);
    const bool a_edge = a.IsSingle() ? a.edge : GroupHasEdge(a.nstr);
    const bool b_edge = b.IsSingle() ? b.edge : GroupHasEdge(b.nstr);
    if (a_edge && b_edge) {
        --counters.regBr;
    }
    last_merge_s1 = s1;
    last_merge_s2 = s2;
    const int n = s1 + s2;

    if (counters.regBr < 2) {
        const int frame = FrameGroup();
        if (counters.regFinishP == 0) {
            border_filter = false;
            border_filter_switched_off_ = true;
            counters.regFinishP = n;
        } else if (frame != 0 && !a.IsSingle() && a.nstr == frame) {
            counters.regFinishP += s2;
        } else if (frame != 0 && !b.IsSingle() && b.nstr == frame) {
            counters.regFinishP += s1;
        }
        if (counters.regF > 1 && wave_index == -1) {
            wave_index = 0;
        }
    }
    ++counters.regCg;
    if (counters.regT > 0.0f) {
        if (n > 10) {
            PlaySound(kSoundConnectionHigh);
        } else if (s1 > 1 && s2 > 1) {
            PlaySound(kSoundConnectionMed);
        } else {
            PlaySound(kSoundConnectionLow);
        }
    }
    const double m = counters.regT == 0.0f ? 2.0 : 2.0 / counters.regT;
    counters.regPf = static_cast<int>(std::min(counters.regPf + m, 1.0e9));
    const int points = static_cast<int>(std::min(n * m + 12.0, 1.0e9));
    counters.regSc += points;
    if (counters.regF < 2) {
        counters.regSc += cols * rows;
        if (finish_index == -1) {
            finish_index = 0;
            PlaySound(kSoundLevelWin);
        }
    }
    score_display.SetTarget(counters.regSc);
    counters.regT = 0.0f;

    a.BK = 0;
    b.BK = 0;
    const float mid_x = static_cast<float>(static_cast<int>((a.X() + b.X()) / 2));
    const float mid_y = static_cast<float>(static_cast<int>((a.Y() + b.Y()) / 2));
    effects_.push_back(std::make_unique<PUZZLE_EXPENSE>(g_fonts[kFontExpense], mid_x, mid_y,
                                                        "+" + std::to_string(points)));
    WUN::ST_GAME& frame = *WUN::ST_GAME::GetInstance();
    effects_.push_back(std::make_unique<PARTICLE_BULLET>(trail_, bullet_head_, mid_x, mid_y,
                                                         static_cast<float>(frame.Centre.x), 1.0f,
                                                         frame.GetGameWidth()));

    const int old_a = a.nstr;
    const int old_b = b.nstr;
    const int group = ++counters.cstr;
    for (PUZZLE_PIECE* p : grid_) {
        if (p == &a || p == &b || (old_a != 0 && p->nstr == old_a) ||
            (old_b != 0 && p->nstr == old_b)) {
            p->nstr = group;
        }
    }
    a.lift = 0.0f;
    a.lift_direction = 0;
    BringGroupToFront(group, 0, true);
    SetGroupLift(-1, group, false);
    for (PUZZLE_PIECE* p : stack_) {
        if (p->nstr == group)
            p->lift = 1.0f;
    }
    dropped_group = group;
    pulse_group = group;
    pulse_angle = 0.0f;
    ClearHint();
}

}  // namespace GAME
